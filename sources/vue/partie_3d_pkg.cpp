// Face du cube : la grille jouée à l'échelle 9 / côté, à mi-côté devant le centre, son curseur juste devant.
#include "partie_3d_pkg.hpp"

namespace partie_3d_pkg {

void partie_affichable::initialiser(partie_pkg::partie_ptr partie_modele) {
    modele_ = std::move(partie_modele);
    const float cote = obtenir_taille_partie();
    la_grille_jouee_->initialiser(modele_, {.position = {0.0f, 0.0f, taille_fixe_grille / 2.0f},
                                            .cote = taille_fixe_grille,
                                            .origine_zoom = {},
                                            .pas_zoom_x = 0.0f,
                                            .pas_zoom_y = 0.0f,
                                            .avance_curseur = 0.1f / cote});
    // Les faces ne bougent qu'avec le cube : rien à animer en elles.
    animer_sous_objets(false);
}

float partie_affichable::obtenir_taille_partie() const {
    return static_cast<float>(modele_->obtenir_grille()->taille());
}

void partie_affichable::mettre_a_jour(const grille_pkg::chemin_ptr& chemin_aide) {
    la_grille_jouee_->mettre_a_jour(chemin_aide);
}

void partie_affichable::activer() {
    if (est_actif_) return;
    la_grille_jouee_->activer_cases();
    est_actif_ = true;
}

void partie_affichable::desactiver() {
    if (!est_actif_) return;
    la_grille_jouee_->desactiver_cases();
    est_actif_ = false;
}

void partie_affichable::afficher() {
    if (!modele_) throw ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE();
    preparer_affichage();
    la_grille_jouee_->afficher();
    terminer_affichage();
}

} // namespace partie_3d_pkg
