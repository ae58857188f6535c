// Plaque de fond du dock.
#include "dock_3d.hpp"

#include "geometrie_pkg.hpp"

namespace dock_3d {

void dock_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture("dock");
    geometrie_pkg::quad(-1.0f, -0.75f, 1.0f, 0.75f);
}

} // namespace dock_3d
