// Mode menu : le menu principal, sa musique, ses entrées à la souris et au clavier.
#include "controleur_menu_pkg.hpp"

#include "controleur_pkg.hpp"
#include "musique_pkg.hpp"
#include "scene_pkg.hpp"

#include <array>
#include <utility>

namespace controleur_menu_pkg {

namespace {
using controleur_pkg::etat_principal;

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

bool recepteur_retour_menu::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type == evenement_pkg::TOUCHE_APPUYEE && evenement.touche == evenement_pkg::touches::ECHAP) {
        controleur_pkg::modifier_etat(etat_principal::MENU);
        return true;
    }
    return false;
}

controleur_menu::controleur_menu() : recepteur_clavier_(*this), recepteur_boutons_(*this) {}

menu_3d_pkg::menu_affichable& controleur_menu::menu_construit() {
    le_menu_->initialiser();
    return *le_menu_;
}

void controleur_menu::menu() {
    menu_construit().positionner_objet3d({0.0f, 0.0f, -10.0f});
    le_menu_->entrees().gerer_conflit_controleur();
    scene_pkg::afficher_scene(le_menu_);
    // Après l'image : ouvrir le son et lire la musique (2 Mo) ne retardent plus la première.
    // Une musique éteinte puis rallumée l'a été par la page des options, qui l'a relancée elle-même.
    if (!musique_pkg::musique_est_actif()) {
        musique_lance_ = false;
    }
    if (!musique_lance_) {
        musique_pkg::musique_menu();
        musique_lance_ = true;
    }
}

void controleur_menu::activer() {
    recepteur_curseur_.definir_objet_racine(le_menu_);
    recepteurs_.activer();
}

void controleur_menu::desactiver() { recepteurs_.desactiver(); }

void controleur_menu::monter() { menu_construit().entrees().monter(); }

void controleur_menu::descendre() { menu_construit().entrees().descendre(); }

int controleur_menu::obtenir_courante() const { return le_menu_->entrees().obtenir_ligne_courante(); }

bool controleur_menu::executer_action(const std::string& nom) {
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

void controleur_menu::executer_ligne(int ligne) {
    if (ligne >= 1 && ligne <= menu_3d_pkg::nombre_entrees) {
        executer_action(menu_construit().entrees().obtenir_entree(ligne)->obtenir_nom_action());
    }
}

controleur_menu& controleur() {
    static controleur_menu le_controleur;
    return le_controleur;
}

void menu() { controleur().menu(); }
void activer() { controleur().activer(); }
void desactiver() { controleur().desactiver(); }
bool est_actif() { return controleur().est_actif(); }
void monter() { controleur().monter(); }
void descendre() { controleur().descendre(); }
int obtenir_courante() { return controleur().obtenir_courante(); }
bool executer_action(const std::string& nom) { return controleur().executer_action(nom); }
void executer_ligne(int ligne) { controleur().executer_ligne(ligne); }
std::shared_ptr<menu_3d_pkg::menu_affichable> obtenir_element_racine() { return controleur().obtenir_element_racine(); }

} // namespace controleur_menu_pkg
