// Touches de l'accueil des grilles libres : flèches, Entrée sur la ligne courante, Échap.
#include "recepteur_clavier_libre_pkg.hpp"

#include "controleur_libre_pkg.hpp"
#include "controleur_pkg.hpp"

namespace recepteur_clavier_libre_pkg {

namespace {
using accueil_grille_libre_3d_pkg::etat_accueil;
using controleur_libre_pkg::controleur_libre;
namespace touches = evenement_pkg::touches;

void revenir_au_menu(controleur_libre& libre) {
    libre.desactiver();
    controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
}

void executer_ligne(controleur_libre& libre, int ligne) {
    switch (ligne) {
    case 1: libre.changer_etat_accueil(etat_accueil::PREDEFINI); break;
    case 2: libre.changer_etat_accueil(etat_accueil::LIBRE); break;
    case 3: libre.changer_etat_accueil(etat_accueil::SUPPRIMER); break;
    default: revenir_au_menu(libre); break;
    }
}
} // namespace

bool recepteur_clavier_libre::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    switch (evenement.touche) {
    case touches::ECHAP:
        if (libre_.obtenir_etat_accueil() == etat_accueil::CHOIX) {
            revenir_au_menu(libre_);
        } else {
            libre_.changer_etat_accueil(etat_accueil::CHOIX);
        }
        return true;
    case touches::HAUT: libre_.monter(); return true;
    case touches::BAS: libre_.descendre(); return true;
    case touches::ENTREE: executer_ligne(libre_, libre_.obtenir_courante()); return true;
    default: return false;
    }
}

} // namespace recepteur_clavier_libre_pkg
