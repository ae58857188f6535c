// Récepteur du clavier de l'écran d'accueil des grilles libres, quand ses quatre entrées sont montrées.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_libre_pkg {
class controleur_libre;
}

namespace recepteur_clavier_libre_pkg {

class recepteur_clavier_libre : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_libre(controleur_libre_pkg::controleur_libre& libre) : libre_(libre) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_libre_pkg::controleur_libre& libre_;
};

} // namespace recepteur_clavier_libre_pkg
