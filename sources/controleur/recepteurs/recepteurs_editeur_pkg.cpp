// Récepteurs de l'éditeur : chaque touche ou événement nommé devient une opération du contrôleur, selon la phase.
#include "recepteurs_editeur_pkg.hpp"

#include "controleur_editeur_pkg.hpp"
#include "ecriture_3d_pkg.hpp"

#include <array>
#include <string>
#include <variant>

namespace recepteurs_editeur_pkg {

namespace {
namespace touches = evenement_pkg::touches;
using controleur_editeur_pkg::controleur_editeur;
using grille_pkg::direction;

void abandonner(controleur_editeur& e) {
    e.abandonner();
    e.revenir_au_menu();
}

void recommencer(controleur_editeur& e) { e.recommencer(); }

// Rien n'est remis à zéro : la prochaine visite reprend la même grille, dans la même phase.
void revenir_au_menu(controleur_editeur& e) { e.revenir_au_menu(); }

struct action {
    const char* nom;
    void (*faire)(controleur_editeur&);
    bool apres_generation;  // encore permise une fois la grille générée
};

// Les actions sans charge utile des boutons et du dock. « appuie » vient d'une case.
const std::array<action, 9> actions{{
    {"appuie", [](controleur_editeur& e) { e.appuyer(); }, false},
    {"bouton_aide", [](controleur_editeur& e) { e.aide_editeur(); }, true},
    {"bouton_dock", [](controleur_editeur& e) { e.affiche_dock(); }, true},
    {"bouton_zoom", [](controleur_editeur& e) { e.changer_vue(); }, false},
    {"bouton_generer", [](controleur_editeur& e) { e.generer_solution(); }, false},
    {"bouton_menu", revenir_au_menu, true},
    {"bouton_abandonner", abandonner, true},
    {"bouton_initialiser", recommencer, true},
    {"bouton_sauvegarder", [](controleur_editeur& e) { if (!e.deplacement_possible()) e.sauvegarder(); }, true},
}};
} // namespace

bool recepteur_accueil_editeur::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = evenement_pkg::nom_de(evenement);
    if (nom == ecriture_3d_pkg::action_valider) {
        const auto* texte = std::get_if<std::string>(&evenement.donnee);
        editeur_.traiter_validation(texte != nullptr ? *texte : std::string());
    } else if (nom == ecriture_3d_pkg::action_annuler) {
        editeur_.traiter_annulation();
    } else {
        return false;
    }
    return true;
}

bool recepteur_clavier_editeur::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    // Actions des deux phases.
    switch (evenement.touche) {
    case touches::ECHAP:
    case 'b': abandonner(editeur_); return true;
    case 'n': recommencer(editeur_); return true;
    case 'h':
    case 'a':
    case 'q': editeur_.aide_editeur(); return true;
    case 'd': editeur_.affiche_dock(); return true;
    case 's':
        if (!editeur_.deplacement_possible()) editeur_.sauvegarder();
        return true;
    default: break;
    }
    // Une fois la grille générée, le reste passe aux récepteurs suivants.
    if (!editeur_.deplacement_possible()) return false;
    switch (evenement.touche) {
    case touches::ESPACE: editeur_.changer_etat_case(); break;
    case touches::RETOUR_ARRIERE: editeur_.decolorier(); break;
    case touches::DROITE: editeur_.deplacer_direction(direction::droite); break;
    case touches::HAUT: editeur_.deplacer_direction(direction::haut); break;
    case touches::GAUCHE: editeur_.deplacer_direction(direction::gauche); break;
    case touches::BAS: editeur_.deplacer_direction(direction::bas); break;
    case touches::ENTREE: editeur_.generer_solution(); break;
    case 'l': editeur_.changer_vue(); break;
    default: break;
    }
    return true;
}

bool recepteur_grille_editeur::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = evenement_pkg::nom_de(evenement);
    if (nom.empty()) return false;
    const bool dessin = editeur_.deplacement_possible();
    if (const auto* c = std::get_if<case_simple_pkg::coordonnees>(&evenement.donnee)) {
        if (!dessin) return false;
        if (nom == "glisser") {
            editeur_.glisser(*c);
        } else if (nom == "deplacer_curseur") {
            editeur_.deplacer_xy(*c);
        }
        return true;
    }
    for (const action& a : actions) {
        if (nom == a.nom) {
            if (!dessin && !a.apres_generation) return false;
            a.faire(editeur_);
            return true;
        }
    }
    // Pendant le dessin, les événements inconnus s'arrêtent ici.
    return dessin;
}

} // namespace recepteurs_editeur_pkg
