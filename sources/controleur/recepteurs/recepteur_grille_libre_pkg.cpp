// Partie libre : les actions des cases, des panneaux et du dock, la molette pour les points d'aide.
#include "recepteur_grille_libre_pkg.hpp"

#include "controleur_libre_pkg.hpp"
#include "controleur_pkg.hpp"
#include "gestion_evenements_pkg.hpp"

#include <array>
#include <string>
#include <utility>
#include <variant>

namespace recepteur_grille_libre_pkg {

namespace {
using controleur_libre_pkg::controleur_libre;

void revenir_au_menu(controleur_libre& libre) {
    libre.desactiver();
    controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
}

// Les actions sans charge utile, dans l'ordre de comparaison.
const std::array<std::pair<const char*, void (*)(controleur_libre&)>, 11> actions{{
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
    if (evenement.type == evenement_pkg::SOURIS_APPUIE) {
        switch (evenement.bouton) {
        case evenement_pkg::boutons::MOLETTE_BAS: libre_.modifier_points_aide(-10); return true;
        case evenement_pkg::boutons::MOLETTE_HAUT: libre_.modifier_points_aide(10); return true;
        case evenement_pkg::boutons::MILIEU: libre_.utiliser_aide(); return true;
        default: return false;
        }
    }
    const std::string nom = gestion_evenements_pkg::obtenir_nom_evenement(evenement);
    if (nom.empty()) return false;
    if (nom == "deplacer_curseur") {
        const auto* c = std::get_if<case_simple_pkg::coordonnees>(&evenement.donnee);
        if (c == nullptr) return false;
        try {
            libre_.deplacer_xy(*c);
        } catch (const controleur_libre_pkg::ERREUR_CASE_NON_ADJACENTE&) {
            // La souris a sauté une case pendant la construction : le mouvement est ignoré.
        }
        return true;
    }
    for (const auto& [action, faire] : actions) {
        if (nom == action) {
            faire(libre_);
            return true;
        }
    }
    return false;
}

} // namespace recepteur_grille_libre_pkg
