// Récepteur des événements nommés de l'écran d'accueil des grilles libres.
#pragma once

#include "recepteur_pkg.hpp"

namespace recepteur_libre_pkg {

class recepteur_libre : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

} // namespace recepteur_libre_pkg
