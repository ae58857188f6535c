// Récepteur du clavier de l'écran d'accueil des grilles libres, quand ses quatre entrées sont montrées.
#pragma once

#include "recepteur_pkg.hpp"

namespace recepteur_clavier_libre_pkg {

class recepteur_clavier_libre : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

} // namespace recepteur_clavier_libre_pkg
