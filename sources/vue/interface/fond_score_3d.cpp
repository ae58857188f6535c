// Fond des scores du panneau de droite.
#include "fond_score_3d.hpp"

#include "geometrie_pkg.hpp"

namespace fond_score_3d {

void fond_score_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture("fond_score");
    geometrie_pkg::quad(-0.9f, -1.0f, 0.9f, 1.0f, geometrie_pkg::normales_bande);
}

} // namespace fond_score_3d
