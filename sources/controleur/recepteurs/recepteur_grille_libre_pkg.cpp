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
namespace libre = controleur_libre_pkg;

void revenir_au_menu() {
    libre::desactiver();
    controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
}

void abandonner() {
    libre::resetlibre();
    revenir_au_menu();
}

// Les actions sans charge utile, dans l'ordre de comparaison.
const std::array<std::pair<const char*, void (*)()>, 10> actions{{
    {"valider", libre::valider},
    {"effacer", libre::supprimer},
    {"bouton_aide", libre::aide_libre},
    {"bouton_menu", revenir_au_menu},
    {"bouton_dock", libre::affiche_dock},
    {"bouton_ok", libre::utiliser_aide},
    {"bouton_aide_plus", [] { libre::modifier_points_aide(10); }},
    {"bouton_aide_moins", [] { libre::modifier_points_aide(-10); }},
    {"bouton_nouveau", libre::resetlibre},
    {"bouton_zoom", libre::changer_vue},
}};

bool accepter_bouton(std::uint8_t bouton) {
    switch (bouton) {
    case evenement_pkg::boutons::MOLETTE_BAS: libre::modifier_points_aide(-10); return true;
    case evenement_pkg::boutons::MOLETTE_HAUT: libre::modifier_points_aide(10); return true;
    case evenement_pkg::boutons::MILIEU: libre::utiliser_aide(); return true;
    default: return false;
    }
}
} // namespace

bool recepteur_grille_libre::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type == evenement_pkg::SOURIS_APPUIE) return accepter_bouton(evenement.bouton);
    const std::string nom = gestion_evenements_pkg::obtenir_nom_evenement(evenement);
    if (nom.empty()) return false;
    if (nom == "deplacer_curseur") {
        const auto* c = std::get_if<case_simple_pkg::coordonnees>(&evenement.donnee);
        if (c == nullptr) return false;
        try {
            libre::deplacer_xy(*c);
        } catch (const libre::ERREUR_CASE_NON_ADJACENTE&) {
            // La souris a sauté une case pendant la construction : le mouvement est ignoré.
        }
        return true;
    }
    if (nom == "bouton_abandonner") {
        abandonner();
        return true;
    }
    for (const auto& [action, faire] : actions) {
        if (nom == action) {
            faire();
            return true;
        }
    }
    return false;
}

} // namespace recepteur_grille_libre_pkg
