// Champ d'étoiles tournant.
#include "fond_etoile_3d.hpp"

#include "controleur_pkg.hpp"
#include "geometrie_pkg.hpp"

namespace fond_etoile_3d {

namespace {
constexpr float pas_degres = 0.1f;
constexpr float repetitions = 3.0f;
} // namespace

void fond_etoile_3d_affichable::animer() {
    objet_affichable::animer();
    float angle = obtenir_angle_rotation();
    if (angle > 360.0f) {
        angle -= 360.0f;
    }
    rotation_objet3d(angle + pas_degres, {0.0f, 0.0f, 1.0f});
    // Tant qu'il est à l'écran, la boucle principale redessine à pleine cadence.
    controleur_pkg::modifie_ecran();
}

void fond_etoile_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture("fond_etoile");
    geometrie_pkg::quad(-3.0f, -3.0f, 3.0f, 3.0f, repetitions);
}

} // namespace fond_etoile_3d
