// Touches de la page des options du son : Échap, Haut, Bas, Entrée.
#pragma once

#include "recepteur_pkg.hpp"

namespace recepteur_clavier_option_pkg {

// Les autres touches ne sont pas consommées.
class recepteur_clavier_option : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

} // namespace recepteur_clavier_option_pkg
