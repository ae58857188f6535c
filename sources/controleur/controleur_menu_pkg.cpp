// Mode menu : le menu principal, sa musique, ses entrées à la souris et au clavier.
#include "controleur_menu_pkg.hpp"

#include "controleur_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "musique_pkg.hpp"
#include "recepteur_clavier_menu_pkg.hpp"
#include "recepteur_menu_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
#include "scene_pkg.hpp"

#include <array>
#include <utility>

namespace controleur_menu_pkg {

namespace {
using controleur_pkg::etat_principal;

bool musique_lance = false;
recepteur_clavier_menu_pkg::recepteur_clavier_menu recepteur_clavier;
recepteur_souris_pkg::recepteur_souris recepteur_curseur;
recepteur_menu_pkg::recepteur_menu recepteur_boutons;
// Les entrées d'abord, puis la souris, puis le clavier.
groupe_recepteurs_pkg::groupe_recepteurs recepteurs{&recepteur_boutons, &recepteur_curseur, &recepteur_clavier};

// Mode demandé par chaque entrée ; "quitter" est traité à part.
constexpr std::array<std::pair<const char*, etat_principal>, 6> modes_des_entrees{{
    {"jeu_campagne", etat_principal::JEU},
    {"jeu_libre", etat_principal::LIBRE},
    {"editeur", etat_principal::EDITEUR},
    {"aide", etat_principal::AIDE},
    {"credits", etat_principal::CREDITS},
    {"musique", etat_principal::SON},
}};
} // namespace

std::shared_ptr<menu_3d_pkg::menu_affichable> obtenir_element_racine() {
    static const auto le_menu = std::make_shared<menu_3d_pkg::menu_affichable>();
    return le_menu;
}

namespace {
// Le menu est construit à son premier dessin ; une touche arrivée avant trouve ses entrées quand même.
std::shared_ptr<menu_3d_pkg::menu_affichable> menu_construit() {
    const auto le_menu = obtenir_element_racine();
    le_menu->initialiser();
    return le_menu;
}
} // namespace

bool recepteur_retour_menu::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type == evenement_pkg::TOUCHE_APPUYEE && evenement.touche == evenement_pkg::touches::ECHAP) {
        controleur_pkg::modifier_etat(etat_principal::MENU);
        return true;
    }
    return false;
}

void menu() {
    // Une musique éteinte puis rallumée l'a été par la page des options, qui l'a relancée elle-même.
    if (!musique_pkg::musique_est_actif()) {
        musique_lance = false;
    }
    if (!musique_lance) {
        musique_pkg::musique_menu();
        musique_lance = true;
    }
    const auto le_menu = menu_construit();
    le_menu->positionner_objet3d({0.0f, 0.0f, -10.0f});
    le_menu->entrees().gerer_conflit_controleur();
    scene_pkg::afficher_scene(le_menu);
}

void activer() {
    recepteur_curseur.definir_objet_racine(obtenir_element_racine());
    recepteurs.activer();
}

void desactiver() { recepteurs.desactiver(); }

bool est_actif() { return recepteurs.est_actif(); }

void monter() { menu_construit()->entrees().monter(); }

void descendre() { menu_construit()->entrees().descendre(); }

int obtenir_courante() { return obtenir_element_racine()->entrees().obtenir_ligne_courante(); }

bool executer_action(const std::string& nom) {
    if (nom == "quitter") {
        controleur_pkg::quitter();
        return true;
    }
    for (const auto& [evenement, mode] : modes_des_entrees) {
        if (nom == evenement) {
            controleur_pkg::modifier_etat(mode);
            return true;
        }
    }
    return false;
}

void executer_ligne(int ligne) {
    if (ligne >= 1 && ligne <= menu_3d_pkg::nombre_entrees) {
        executer_action(menu_construit()->entrees().obtenir_entree(ligne)->obtenir_nom_action());
    }
}

} // namespace controleur_menu_pkg
