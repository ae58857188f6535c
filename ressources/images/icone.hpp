// Icône du jeu pour le bureau : une petite grille dont deux cases terminales sont reliées par un chemin.
#pragma once

#include "dessin.hpp"

namespace images::icone {

// Image carrée de `cote` pixels, coins transparents ; les formes ne dépendent pas de la taille.
dessin::image icone(int cote);

} // namespace images::icone
