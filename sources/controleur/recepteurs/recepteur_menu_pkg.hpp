// Événements nommés des entrées du menu principal : chacun ouvre un mode ou termine le programme.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_menu_pkg {
class controleur_menu;
}

namespace recepteur_menu_pkg {

class recepteur_menu : public recepteur_pkg::recepteur {
public:
    explicit recepteur_menu(controleur_menu_pkg::controleur_menu& menu) : menu_(menu) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_menu_pkg::controleur_menu& menu_;
};

} // namespace recepteur_menu_pkg
