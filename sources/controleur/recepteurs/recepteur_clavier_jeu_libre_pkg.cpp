// Touches de la partie libre : flèches, chemins, points d'aide, zoom, dock, page d'aide, abandon, reprise de zéro.
#include "recepteur_clavier_jeu_libre_pkg.hpp"

#include "controleur_libre_pkg.hpp"
#include "controleur_pkg.hpp"

namespace recepteur_clavier_jeu_libre_pkg {

namespace {
namespace touches = evenement_pkg::touches;
using grille_pkg::direction;

void vers_menu() { controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU); }
} // namespace

bool recepteur_clavier_jeu_libre::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    switch (evenement.touche) {
    case touches::ECHAP: libre_.resetlibre(); vers_menu(); break;
    case touches::ESPACE: libre_.valider(); break;
    case touches::RETOUR_ARRIERE: libre_.supprimer(); break;
    case touches::DROITE: libre_.deplacer_direction(direction::droite); break;
    case touches::HAUT: libre_.deplacer_direction(direction::haut); break;
    case touches::GAUCHE: libre_.deplacer_direction(direction::gauche); break;
    case touches::BAS: libre_.deplacer_direction(direction::bas); break;
    case touches::PAVE_PLUS: libre_.modifier_points_aide(10); break;
    case touches::PAVE_MOINS: libre_.modifier_points_aide(-10); break;
    case 'd': libre_.affiche_dock(); break;
    case 'l': libre_.changer_vue(); break;
    case 'a':
    case 'q': libre_.utiliser_aide(); break;
    case 'h': libre_.aide_libre(); break;
    case 'b': libre_.resetlibre(); vers_menu(); break;
    case 'n': libre_.resetlibre(); break;
    case 'r': libre_.recommencer(); break;
    default: return false;
    }
    return true;
}

} // namespace recepteur_clavier_jeu_libre_pkg
