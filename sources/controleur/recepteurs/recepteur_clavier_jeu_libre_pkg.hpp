// Récepteur du clavier pendant une partie libre.
#pragma once

#include "recepteur_pkg.hpp"

namespace recepteur_clavier_jeu_libre_pkg {

class recepteur_clavier_jeu_libre : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

} // namespace recepteur_clavier_jeu_libre_pkg
