// Récepteur de la partie libre : événements nommés de la grille et des boutons, molette et bouton du milieu.
#pragma once

#include "recepteur_pkg.hpp"

namespace recepteur_grille_libre_pkg {

class recepteur_grille_libre : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

} // namespace recepteur_grille_libre_pkg
