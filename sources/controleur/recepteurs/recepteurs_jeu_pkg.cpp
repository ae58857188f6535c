// Récepteurs de la campagne : chaque touche ou événement nommé devient une opération du contrôleur.
#include "recepteurs_jeu_pkg.hpp"

#include "controleur_jeu_pkg.hpp"
#include "controleur_pkg.hpp"
#include "ecriture_3d_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"
#include "recepteur_partie_pkg.hpp"

#include <array>
#include <string>
#include <utility>
#include <variant>

namespace recepteurs_jeu_pkg {

namespace {
namespace touches = evenement_pkg::touches;
using controleur_jeu_pkg::controleur_jeu;
using controleur_pkg::etat_principal;
using grille_pkg::direction;
using session_3d_pkg::etat_session;

void revenir_au_menu(controleur_jeu& j) {
    j.desactiver();
    controleur_pkg::modifier_etat(etat_principal::MENU);
}

void abandonner(controleur_jeu& j) {
    j.bouton_abandonner();
    controleur_pkg::modifier_etat(etat_principal::MENU);
}

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
    {"menu", [](controleur_jeu&) { controleur_pkg::modifier_etat(etat_principal::MENU); }},
    {"nouveau", [](controleur_jeu& j) { j.changer_etat_session(etat_session::NOUVEAU); }},
    {"charger", [](controleur_jeu& j) { j.changer_etat_session(etat_session::CHARGER); }},
    {"supprimer", [](controleur_jeu& j) { j.changer_etat_session(etat_session::SUPPRIMER); }},
}};

// Les actions de la partie sans charge utile, dans l'ordre de comparaison.
const std::array<recepteur_partie_pkg::action<controleur_jeu>, 13> actions_partie{{
    {"valider", [](controleur_jeu& j) { j.valider(); }},
    {"effacer", [](controleur_jeu& j) { j.supprimer(); }},
    {"bouton_aide", [](controleur_jeu& j) { j.aide_partie(); }},
    {"bouton_menu", revenir_au_menu},
    {"bouton_dock", [](controleur_jeu& j) { j.affiche_dock(); }},
    {"bouton_abandonner", abandonner},
    {"bouton_nouveau", [](controleur_jeu& j) { j.bouton_nouveau(); }},
    {"bouton_ok", [](controleur_jeu& j) { j.utiliser_aide(); }},
    {"bouton_aide_plus", [](controleur_jeu& j) { j.modifier_points_aide(10); }},
    {"bouton_aide_moins", [](controleur_jeu& j) { j.modifier_points_aide(-10); }},
    {"bouton_zoom", [](controleur_jeu& j) { j.changer_vue(); }},
    {"bouton_charger", [](controleur_jeu& j) { j.charger_jeu(); }},
    {"bouton_sauvegarder", [](controleur_jeu& j) { j.sauvegarder_jeu(); }},
}};
} // namespace

bool recepteur_session::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = gestion_evenements_pkg::obtenir_nom_evenement(evenement);
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
    case touches::ECHAP:
        if (jeu_.obtenir_etat_session() == etat_session::CHOIX) {
            revenir_au_menu(jeu_);
        } else {
            jeu_.changer_etat_session(etat_session::CHOIX);
        }
        return true;
    case touches::HAUT: jeu_.monter(); return true;
    case touches::BAS: jeu_.descendre(); return true;
    case touches::ENTREE:
        switch (jeu_.obtenir_courante()) {
        case 1: jeu_.changer_etat_session(etat_session::NOUVEAU); break;
        case 2: jeu_.changer_etat_session(etat_session::CHARGER); break;
        case 3: jeu_.changer_etat_session(etat_session::SUPPRIMER); break;
        default: revenir_au_menu(jeu_); break;
        }
        return true;
    default: return false;
    }
}

bool recepteur_grille_jeu::accepter(evenement_pkg::evenement& evenement) {
    // Pas de sauvegarde au milieu d'un chemin : l'événement passe son chemin.
    if (jeu_.obtenir_etat() == controleur_jeu_pkg::etat::CONSTRUCTION &&
        gestion_evenements_pkg::obtenir_nom_evenement(evenement) == "bouton_sauvegarder") {
        return false;
    }
    return recepteur_partie_pkg::accepter<controleur_jeu_pkg::ERREUR_CASE_NON_ADJACENTE>(jeu_, evenement,
                                                                                      actions_partie);
}

bool recepteur_clavier_jeu::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    const std::int32_t t = evenement.touche;
    if (t >= touches::PAVE_1 && t < touches::PAVE_1 + 6) {
        jeu_.changer_partie_courante_controleur(t - touches::PAVE_1 + 1);
        return true;
    }
    switch (t) {
    case touches::ECHAP: revenir_au_menu(jeu_); break;
    case touches::ESPACE: jeu_.valider(); break;
    case touches::ENTREE: jeu_.passer_niveau_suivant(); break;
    case touches::RETOUR_ARRIERE: jeu_.supprimer(); break;
    case touches::DROITE: jeu_.deplacer_direction(direction::droite); break;
    case touches::HAUT: jeu_.deplacer_direction(direction::haut); break;
    case touches::GAUCHE: jeu_.deplacer_direction(direction::gauche); break;
    case touches::BAS: jeu_.deplacer_direction(direction::bas); break;
    case touches::PAVE_PLUS: jeu_.modifier_points_aide(10); break;
    case touches::PAVE_MOINS: jeu_.modifier_points_aide(-10); break;
    case 'd': jeu_.affiche_dock(); break;
    case 's':
        if (jeu_.obtenir_etat() == controleur_jeu_pkg::etat::CONSTRUCTION) return false;
        jeu_.sauvegarder_jeu();
        break;
    case 'c': jeu_.charger_jeu(); break;
    case 'l': jeu_.changer_vue(); break;
    case 'a':
    case 'q': jeu_.utiliser_aide(); break;
    case 'h': jeu_.aide_partie(); break;
    case 'x': jeu_.tricher(); break;
    case 'b': abandonner(jeu_); break;
    case 'n': jeu_.bouton_nouveau(); break;
    default: return false;
    }
    return true;
}

} // namespace recepteurs_jeu_pkg
