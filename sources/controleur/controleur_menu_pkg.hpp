// Mode menu : son dessin, ses récepteurs, et le retour au menu par Échap depuis les autres modes.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_menu_pkg {

// Au fond de la chaîne pour toute la partie : un Échap que personne n'a consommé ramène au menu.
class recepteur_retour_menu : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

// Procédure de dessin du mode menu.
void menu();
// Empile les récepteurs du menu (sans effet s'ils y sont déjà).
void activer();
// Retire les récepteurs du menu (sans effet s'ils n'y sont pas).
void desactiver();
bool est_actif();

} // namespace controleur_menu_pkg
