// Flèche de navigation.
#include "fleche_3d.hpp"

#include "geometrie_pkg.hpp"

namespace fleche_3d {

void fleche_3d_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    objet_3d_recepteur::initialiser();
    est_initialise_ = true;
}

void fleche_3d_affichable::sourisrelache(const evenement_pkg::evenement&) {
    actif_ = false;
    rapporter(action_tourner, {}, la_direction);
}

void fleche_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture(texture_courante());
    geometrie_pkg::quad(-0.25f, -0.5f, 0.25f, 0.5f, geometrie_pkg::normales_biseau);
}

} // namespace fleche_3d
