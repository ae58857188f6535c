// Récepteur des événements nommés de l'écran d'accueil des grilles libres.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_libre_pkg {
class controleur_libre;
}

namespace recepteur_libre_pkg {

class recepteur_libre : public recepteur_pkg::recepteur {
public:
    explicit recepteur_libre(controleur_libre_pkg::controleur_libre& libre) : libre_(libre) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_libre_pkg::controleur_libre& libre_;
};

} // namespace recepteur_libre_pkg
