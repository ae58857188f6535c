// Images de la grille : les quatre états d'une case, le curseur du clavier et la loupe de l'aide.
#pragma once

#include "dessin.hpp"

namespace images::cases {

dessin::image case_libre();
dessin::image case_occupee();
dessin::image case_terminale();
dessin::image case_terminale_occupee();
dessin::image curseur();
dessin::image loupe();

} // namespace images::cases
