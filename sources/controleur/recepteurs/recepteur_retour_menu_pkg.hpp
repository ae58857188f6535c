// Récepteur de la plaque ou de l'entrée « menu » : ramène au menu principal.
#pragma once

#include "mode_pkg.hpp"
#include "recepteur_pkg.hpp"

#include <string>

namespace recepteur_retour_menu_pkg {

class recepteur_retour_menu : public recepteur_pkg::recepteur {
public:
    explicit recepteur_retour_menu(mode_pkg::aiguillage& modes) : modes_(modes) {}
    // L'événement nommé "menu" ; tout autre passe.
    bool accepter(evenement_pkg::evenement& evenement) override {
        if (evenement_pkg::nom_de(evenement) != "menu") return false;
        modes_.aller_a(mode_pkg::etat_principal::MENU);
        return true;
    }

private:
    mode_pkg::aiguillage& modes_;
};

} // namespace recepteur_retour_menu_pkg
