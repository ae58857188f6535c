// Événements nommés des entrées du menu principal.
#include "recepteur_menu_pkg.hpp"

#include "controleur_menu_pkg.hpp"
#include "gestion_evenements_pkg.hpp"

namespace recepteur_menu_pkg {

bool recepteur_menu::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != gestion_evenements_pkg::evenement_tessaline) {
        return false;
    }
    return menu_.executer_action(gestion_evenements_pkg::obtenir_nom_evenement(evenement));
}

} // namespace recepteur_menu_pkg
