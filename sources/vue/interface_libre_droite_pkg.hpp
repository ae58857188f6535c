// Panneau droit de la partie libre : nom de la grille, reprise, points d'aide et leurs boutons, zoom, cases restantes.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "points_aide_3d_pkg.hpp"
#include "score_3d_pkg.hpp"

#include <memory>
#include <optional>
#include <string>

namespace interface_libre_droite_pkg {

DECLARER_ERREUR(ERREUR_INTERFACE_LIBRE_DROITE_NON_INITIALISE,
                "INTERFACE_LIBRE_DROITE_PKG.ERREUR_INTERFACE_LIBRE_DROITE_NON_INITIALISE");

using points_aide_3d_pkg::bouton;

// Ce que le panneau montre, donné par l'écran qui le compose.
struct valeurs_panneau {
    std::string nom_grille;
    int points_aide = 0;     // crédit d'aide de la partie
    int points_choisis = 0;  // points mis de côté pour la prochaine aide
    bool zoom = false;       // la vue est rapprochée
    std::optional<int> cases_restantes;  // pendant la construction d'un chemin seulement
    bool reprise = false;  // la partie a repris une progression enregistrée
};

class interface_libre_droite_affichable : public objet_3d_pkg::objet_affichable {
public:
    virtual void initialiser();
    // Étiquette du bouton de zoom : " -" quand la vue est rapprochée, "+" sinon.
    virtual void mettre_a_jour_etat_zoom(bool zoom);
    // Recopie les points d'aide, le nom de la grille, le zoom et, en construction, les cases qui restent à poser.
    virtual void mettre_a_jour(const valeurs_panneau& valeurs);
    void afficher() override;

    score_3d_pkg::classe_score_affichable obtenir_score_aide() const { return points_aide_->obtenir_score_aide(); }
    score_3d_pkg::classe_score_affichable obtenir_points_aide() const { return points_aide_->obtenir_points_aide(); }
    objet_texte_pkg::classe_texte_affichable obtenir_taille_restante() const { return taille_restante_; }
    objet_texte_pkg::classe_texte_affichable obtenir_nom_grille() const { return txt_nom_grille_; }
    bouton obtenir_bouton_zoom() const { return bouton_zoom_; }

private:
    bool est_initialise_ = false;
    bool en_construction_ = false;
    std::shared_ptr<points_aide_3d_pkg::points_aide_affichable> points_aide_ =
        std::make_shared<points_aide_3d_pkg::points_aide_affichable>();
    bouton bouton_zoom_;
    bool reprise_ = false;
    objet_texte_pkg::classe_texte_affichable txt_nom_, txt_nom_grille_, txt_aide_, taille_restante_, txt_zoom_, txt_reprise_;
};

} // namespace interface_libre_droite_pkg
