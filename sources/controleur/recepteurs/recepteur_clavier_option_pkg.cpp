// Touches de la page des options du son.
#include "recepteur_clavier_option_pkg.hpp"

#include "controleur_pkg.hpp"
#include "option_son_3d_pkg.hpp"

namespace recepteur_clavier_option_pkg {

bool recepteur_clavier_option::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) {
        return false;
    }
    switch (evenement.touche) {
    case evenement_pkg::touches::ECHAP:
        option_son_3d_pkg::desactiver();
        controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
        return true;
    case evenement_pkg::touches::HAUT: option_son_3d_pkg::monter(); return true;
    case evenement_pkg::touches::BAS: option_son_3d_pkg::descendre(); return true;
    case evenement_pkg::touches::ENTREE:
        if (option_son_3d_pkg::obtenir_courante() == 1) {
            option_son_3d_pkg::basculer_musique();
        } else {
            option_son_3d_pkg::basculer_bruitage();
        }
        return true;
    default: return false;
    }
}

} // namespace recepteur_clavier_option_pkg
