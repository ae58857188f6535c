// Récepteur de la partie libre : événements nommés de la grille et des boutons, molette et bouton du milieu.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_libre_pkg {
class controleur_libre;
}

namespace recepteur_grille_libre_pkg {

class recepteur_grille_libre : public recepteur_pkg::recepteur {
public:
    explicit recepteur_grille_libre(controleur_libre_pkg::controleur_libre& libre) : libre_(libre) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_libre_pkg::controleur_libre& libre_;
};

} // namespace recepteur_grille_libre_pkg
