// Panneau de droite : un heptagone concave tracé en cinq triangles.
#include "panneau_droite_3d.hpp"

#include "geometrie_pkg.hpp"

namespace panneau_droite_3d {

namespace {
// Coins droits (0, 1), puis le bord gauche de haut en bas.
constexpr geometrie_pkg::sommet sommets[] = {
    {0.59f, -1.73f, 1.0f, 1.0f},       {0.59f, 1.73f, 1.0f, 0.0f},    {-0.59f, 1.73f, 0.0f, 0.0f},
    {-0.3363f, 1.038f, 0.215f, 0.2f},  {-0.26196f, 0.0f, 0.278f, 0.5f}, {-0.3363f, -1.038f, 0.215f, 0.8f},
    {-0.59f, -1.73f, 0.0f, 1.0f},
};
// Le creux du bord gauche interdit l'éventail depuis un seul sommet : le haut part du coin
// supérieur droit, le bas du coin inférieur droit, tous deux vers le point le plus creux.
constexpr int indices[] = {1, 2, 3, 1, 3, 4, 1, 4, 0, 0, 4, 5, 0, 5, 6};
} // namespace

void panneau_droite_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture("panneau_droite");
    geometrie_pkg::triangles(sommets, {}, indices);
}

} // namespace panneau_droite_3d
