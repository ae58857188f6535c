// Décors du poste de pilotage : coins et barres du cadre, panneau de droite, fond des scores, socle du dock.
#pragma once

#include "dessin.hpp"

namespace images::interface_cadre {

dessin::image triangle();
dessin::image barre();
dessin::image panneau_droite();
dessin::image fond_score();
dessin::image dock();

} // namespace images::interface_cadre
