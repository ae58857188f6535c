// Face du cube d'un niveau : la grille jouée d'une partie de campagne, posée en avant du centre du cube.
#pragma once

#include "erreur_pkg.hpp"
#include "grille_jouee_3d_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "partie_pkg.hpp"

#include <memory>

namespace partie_3d_pkg {

DECLARER_ERREUR(ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE, "PARTIE_3D_PKG.ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE");

// Côté d'une face, dans le repère du cube : la grille se pose à mi-côté en avant du centre.
inline constexpr float taille_fixe_grille = 9.0f;

class partie_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Le chemin d'aide de la partie est donné à chaque mise à jour par la vue du niveau, qui le tient.
    void initialiser(partie_pkg::partie_ptr partie_modele);
    // Curseur (s'il a été annoncé), loupes sur les cases du chemin d'aide donné, cases finies.
    void mettre_a_jour(const grille_pkg::chemin_ptr& chemin_aide);
    // Tuiles cliquables ou non.
    void activer();
    void desactiver();
    bool est_actif() const { return est_actif_; }
    void doit_etre_modifie() { la_grille_jouee_->doit_etre_modifie(); }
    float obtenir_taille_partie() const;
    grille_3d_pkg::classe_grille_affichable obtenir_la_grille() const { return la_grille_jouee_->obtenir_la_grille(); }
    partie_pkg::partie_ptr obtenir_la_partie() const { return modele_; }
    curseur_3d_pkg::classe_curseur_affichable obtenir_curseur() const { return la_grille_jouee_->obtenir_le_curseur(); }
    bool voir_aide_initialise() const { return la_grille_jouee_->aide_est_montree(); }
    void desactiver_ancienne_aide() { la_grille_jouee_->desactiver_ancienne_aide(); }
    void afficher() override;

private:
    partie_pkg::partie_ptr modele_;
    std::shared_ptr<grille_jouee_3d_pkg::grille_jouee_affichable> la_grille_jouee_ =
        std::make_shared<grille_jouee_3d_pkg::grille_jouee_affichable>();
    bool est_actif_ = true;
};

using classe_partie_affichable = std::shared_ptr<partie_affichable>;

} // namespace partie_3d_pkg
