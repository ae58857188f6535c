// Partie libre : les actions des cases, des panneaux et du dock, la molette pour les points d'aide.
#include "recepteur_grille_libre_pkg.hpp"

#include "controleur_libre_pkg.hpp"
#include "controleur_pkg.hpp"
#include "recepteur_partie_pkg.hpp"

#include <array>

namespace recepteur_grille_libre_pkg {

namespace {
using controleur_libre_pkg::controleur_libre;

void revenir_au_menu(controleur_libre& libre) {
    libre.desactiver();
    controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
}

// Les actions sans charge utile, dans l'ordre de comparaison.
const std::array<recepteur_partie_pkg::action<controleur_libre>, 11> actions{{
    {"valider", [](controleur_libre& l) { l.valider(); }},
    {"effacer", [](controleur_libre& l) { l.supprimer(); }},
    {"bouton_aide", [](controleur_libre& l) { l.aide_libre(); }},
    {"bouton_menu", revenir_au_menu},
    {"bouton_dock", [](controleur_libre& l) { l.affiche_dock(); }},
    {"bouton_ok", [](controleur_libre& l) { l.utiliser_aide(); }},
    {"bouton_aide_plus", [](controleur_libre& l) { l.modifier_points_aide(10); }},
    {"bouton_aide_moins", [](controleur_libre& l) { l.modifier_points_aide(-10); }},
    {"bouton_nouveau", [](controleur_libre& l) { l.resetlibre(); }},
    {"bouton_zoom", [](controleur_libre& l) { l.changer_vue(); }},
    {"bouton_abandonner",
     [](controleur_libre& l) {
         l.resetlibre();
         revenir_au_menu(l);
     }},
}};
} // namespace

bool recepteur_grille_libre::accepter(evenement_pkg::evenement& evenement) {
    return recepteur_partie_pkg::accepter<controleur_libre_pkg::ERREUR_CASE_NON_ADJACENTE>(libre_, evenement, actions);
}

} // namespace recepteur_grille_libre_pkg
