// Boutons de l'interface, au repos et enfoncés : rond, cockpit, dock, flèche, plaque ancienne, voyants.
#pragma once

#include "dessin.hpp"

namespace images::interface_boutons {

dessin::image bouton_rond(bool actif);
dessin::image bouton_cockpit(bool actif);
dessin::image bouton_dock(bool actif);
dessin::image fleche(bool actif);
dessin::image bouton_ancien(bool actif);
// Voyant du bouton de dock : vert quand la souris le survole, rouge sinon.
dessin::image voyant(bool vert);

} // namespace images::interface_boutons
