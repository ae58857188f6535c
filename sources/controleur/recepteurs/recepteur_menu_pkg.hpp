// Événements nommés des entrées du menu principal : chacun ouvre un mode ou termine le programme.
#pragma once

#include "recepteur_pkg.hpp"

namespace recepteur_menu_pkg {

class recepteur_menu : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

} // namespace recepteur_menu_pkg
