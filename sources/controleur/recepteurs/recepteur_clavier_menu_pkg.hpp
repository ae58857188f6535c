// Touches du menu principal : Échap termine, Haut et Bas déplacent la ligne, Entrée l'active.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_menu_pkg {
class controleur_menu;
}

namespace recepteur_clavier_menu_pkg {

// Les autres touches ne sont pas consommées.
class recepteur_clavier_menu : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_menu(controleur_menu_pkg::controleur_menu& menu) : menu_(menu) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_menu_pkg::controleur_menu& menu_;
};

} // namespace recepteur_clavier_menu_pkg
