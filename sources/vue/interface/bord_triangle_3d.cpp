// Triangle d'angle du cadre : quatre sommets, dont le premier est un creux vers l'intérieur.
#include "bord_triangle_3d.hpp"

#include "geometrie_pkg.hpp"

namespace bord_triangle_3d {

namespace {
using geometrie_pkg::normale;
using geometrie_pkg::sommet;

constexpr sommet sommets_normaux[] = {
    {-0.33f, 0.0f, 0.33f, 0.5f}, {-1.0f, 0.69f, 0.0f, 0.0f}, {-1.0f, -0.69f, 0.0f, 1.0f}, {1.0f, -0.69f, 1.0f, 1.0f}};
constexpr sommet sommets_miroir[] = {
    {0.33f, 0.0f, 0.33f, 0.5f}, {-1.0f, -0.69f, 1.0f, 1.0f}, {1.0f, -0.69f, 0.0f, 1.0f}, {1.0f, 0.69f, 0.0f, 0.0f}};
// Le sommet d'angle droit penche vers le bord ; les autres vers l'œil.
constexpr normale penchee{0.5f, 0.33f, 1.0f};
constexpr normale angle{1.0f, 0.5f, 0.0f};
constexpr normale normales_normales[] = {penchee, penchee, angle, penchee};
constexpr normale normales_miroir[] = {penchee, angle, penchee, penchee};
// Éventail depuis le creux, qui voit les trois autres sommets.
constexpr int indices[] = {0, 1, 2, 0, 2, 3};
} // namespace

void bord_triangle_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture("triangle");
    if (symetrique_) {
        geometrie_pkg::triangles(sommets_miroir, normales_miroir, indices);
    } else {
        geometrie_pkg::triangles(sommets_normaux, normales_normales, indices);
    }
}

} // namespace bord_triangle_3d
