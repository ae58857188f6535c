// Barre du cadre du cockpit.
#include "barre_3d.hpp"

#include "geometrie_pkg.hpp"

namespace barre_3d {

void barre_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture("barre");
    geometrie_pkg::quad(-1.0f, -0.086f, 1.0f, 0.086f, geometrie_pkg::normales_bande);
}

} // namespace barre_3d
