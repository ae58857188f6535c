// Touches du menu principal : Échap termine, Haut et Bas déplacent la ligne, Entrée l'active.
#pragma once

#include "recepteur_pkg.hpp"

namespace recepteur_clavier_menu_pkg {

// Les autres touches ne sont pas consommées.
class recepteur_clavier_menu : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

} // namespace recepteur_clavier_menu_pkg
