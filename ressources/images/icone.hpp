// Icône du jeu pour le bureau : une petite grille dont deux cases terminales sont reliées par un chemin.
#pragma once

#include "dessin.hpp"

namespace images::icone {

// Image carrée de 256 pixels, coins transparents.
dessin::image icone();

} // namespace images::icone
