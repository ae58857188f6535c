// Cartes des corps du système solaire, en projection équirectangulaire pour la sphère texturée.
#pragma once

#include "dessin.hpp"

namespace images::planetes {

dessin::image pluton();
dessin::image neptune();
dessin::image uranus();
dessin::image saturne();
dessin::image jupiter();
dessin::image mars();
dessin::image terre();
dessin::image venus();
dessin::image mercure();
dessin::image soleil();
// Corps pas encore découvert : sphère sombre quadrillée comme un relevé en attente.
dessin::image inconnu();

} // namespace images::planetes
