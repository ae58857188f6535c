// Matière commune des pièces du poste de pilotage : teintes, métal brossé biseauté, filets lumineux.
#pragma once

#include "dessin.hpp"

#include <cstdint>

namespace images::metal {

// Teintes du poste : acier bleuté sombre, lumières cyan (actif) et ambre (repos).
inline const dessin::couleur acier_sombre = dessin::rvb(34, 40, 51);
inline const dessin::couleur acier = dessin::rvb(70, 80, 96);
inline const dessin::couleur acier_clair = dessin::rvb(150, 165, 186);
inline const dessin::couleur cyan = dessin::rvb(40, 220, 255);
inline const dessin::couleur ambre = dessin::rvb(255, 170, 45);

// Plaque de métal brossé dans une forme, biseautée sur son bord (largeur dans le repère du dessin).
void plaque(dessin::image& im, const dessin::repere& r, const dessin::distance_signee& forme,
            const dessin::couleur& teinte, float largeur_biseau, std::uint32_t graine);

// Filet lumineux le long du contour d'une forme (distance 0), avec son halo.
void filet(dessin::image& im, const dessin::repere& r, const dessin::distance_signee& forme,
           const dessin::couleur& teinte, float epaisseur);

// Tête de rivet.
void rivet(dessin::image& im, const dessin::repere& r, dessin::point centre, float rayon);

} // namespace images::metal
