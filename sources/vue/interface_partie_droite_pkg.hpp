// Panneau droit de la campagne : score de la grille, points d'aide, zoom, flèches qui tournent le cube, planètes
// découvertes et cases qui restent à poser.
#pragma once

#include "coeur_jeu_pkg.hpp"
#include "erreur_pkg.hpp"
#include "fleche_3d.hpp"
#include "niveau_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "planetes_3d_pkg.hpp"
#include "points_aide_3d_pkg.hpp"
#include "score_3d_pkg.hpp"

#include <array>
#include <memory>

namespace interface_partie_droite_pkg {

DECLARER_ERREUR(ERREUR_INTERFACE_PARTIE_DROITE_NON_INITIALISE,
                "INTERFACE_PARTIE_DROITE_PKG.ERREUR_INTERFACE_PARTIE_DROITE_NON_INITIALISE");

using fleche = std::shared_ptr<fleche_3d::fleche_3d_affichable>;
using tab_spheres = std::array<planetes_3d_pkg::planete, planetes_3d_pkg::nombre_planetes>;

class interface_partie_droite_affichable : public objet_3d_pkg::objet_affichable {
public:
    virtual void initialiser(niveau_pkg::niveau_ptr m);
    // La planète du niveau num (1 à 10) montre désormais sa propre image.
    virtual void planete_decouverte(int num);
    virtual void mettre_a_jour_niveau_courant(niveau_pkg::niveau_ptr niv) { modele_ = std::move(niv); }
    // Étiquette du bouton de zoom : " -" quand la vue est rapprochée, "+" sinon.
    virtual void mettre_a_jour_etat_zoom(bool zoom);
    // Recopie les scores du niveau ; pendant la construction d'un chemin, les cases qui lui restent.
    virtual void mettre_a_jour(coeur_jeu_pkg::etat etat_jeu);
    void afficher() override;

    score_3d_pkg::classe_score_affichable obtenir_score() const { return le_score_; }
    const points_aide_3d_pkg::points_aide_affichable& obtenir_points_aide() const { return *points_aide_; }
    objet_texte_pkg::classe_texte_affichable obtenir_taille_restante() const { return taille_restante_; }
    points_aide_3d_pkg::bouton obtenir_bouton_zoom() const { return bouton_zoom_; }
    const tab_spheres& obtenir_spheres() const { return les_spheres_; }

private:
    bool est_initialise_ = false;
    bool en_construction_ = false;
    niveau_pkg::niveau_ptr modele_;
    score_3d_pkg::classe_score_affichable le_score_;
    std::shared_ptr<points_aide_3d_pkg::points_aide_affichable> points_aide_ =
        std::make_shared<points_aide_3d_pkg::points_aide_affichable>();
    objet_texte_pkg::classe_texte_affichable txt_score_aide_;
    points_aide_3d_pkg::bouton bouton_zoom_;
    std::array<fleche, 4> fleches_;  // haut, bas, gauche, droite
    objet_texte_pkg::classe_texte_affichable taille_restante_;
    sphere_3d::quadrique sphere_;
    tab_spheres les_spheres_;
};

} // namespace interface_partie_droite_pkg
