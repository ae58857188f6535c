// Récepteurs de l'écran des comptes : chaque touche ou événement nommé devient une opération du contrôleur.
#include "recepteurs_jeu_pkg.hpp"

#include "controleur_jeu_pkg.hpp"
#include "ecriture_3d_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"

#include <array>
#include <string>
#include <utility>
#include <variant>

namespace recepteurs_jeu_pkg {

namespace {
namespace touches = evenement_pkg::touches;
using controleur_jeu_pkg::controleur_jeu;
using session_3d_pkg::etat_session;

std::string texte_de(const evenement_pkg::evenement& e) {
    const auto* texte = std::get_if<std::string>(&e.donnee);
    return texte != nullptr ? *texte : std::string();
}

// Les actions de l'écran des comptes sans charge utile.
const std::array<std::pair<const char*, void (*)(controleur_jeu&)>, 6> actions_session{{
    {"annuler_choix_liste", [](controleur_jeu& j) { j.changer_etat_session(etat_session::CHOIX); }},
    {"annuler_ecriture",
     [](controleur_jeu& j) {
         j.afficher_ou_desafficher_erreur(false);
         j.changer_etat_session(etat_session::CHOIX);
     }},
    {"menu", [](controleur_jeu& j) { j.revenir_au_menu(); }},
    {"nouveau", [](controleur_jeu& j) { j.changer_etat_session(etat_session::NOUVEAU); }},
    {"charger", [](controleur_jeu& j) { j.changer_etat_session(etat_session::CHARGER); }},
    {"supprimer", [](controleur_jeu& j) { j.changer_etat_session(etat_session::SUPPRIMER); }},
}};
} // namespace

bool recepteur_session::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = evenement_pkg::nom_de(evenement);
    if (nom.empty()) return false;
    if (nom == liste_deroulante_3d_pkg::action_valider || nom == ecriture_3d_pkg::action_valider) {
        jeu_.faire_action(texte_de(evenement));
        return true;
    }
    for (const auto& [action, faire] : actions_session) {
        if (nom == action) {
            faire(jeu_);
            return true;
        }
    }
    return false;
}

bool recepteur_clavier_session::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    switch (evenement.touche) {
    case touches::HAUT: jeu_.monter(); return true;
    case touches::BAS: jeu_.descendre(); return true;
    case touches::ENTREE: jeu_.executer_ligne(jeu_.obtenir_courante()); return true;
    default: return false;
    }
}

} // namespace recepteurs_jeu_pkg
