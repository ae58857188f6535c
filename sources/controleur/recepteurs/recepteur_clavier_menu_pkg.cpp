// Touches du menu principal.
#include "recepteur_clavier_menu_pkg.hpp"

#include "controleur_menu_pkg.hpp"
#include "controleur_pkg.hpp"

namespace recepteur_clavier_menu_pkg {

bool recepteur_clavier_menu::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) {
        return false;
    }
    switch (evenement.touche) {
    // Devant le retour au menu du fond de la chaîne : sur le menu, Échap termine le programme.
    case evenement_pkg::touches::ECHAP: controleur_pkg::quitter(); return true;
    case evenement_pkg::touches::HAUT: menu_.monter(); return true;
    case evenement_pkg::touches::BAS: menu_.descendre(); return true;
    case evenement_pkg::touches::ENTREE: menu_.executer_ligne(menu_.obtenir_courante()); return true;
    default: return false;
    }
}

} // namespace recepteur_clavier_menu_pkg
