// Mode menu : le menu principal, sa musique, ses entrées à la souris et au clavier.
#include "controleur_menu_pkg.hpp"

#include "musique_pkg.hpp"
#include "scene_pkg.hpp"

#include <array>
#include <utility>

namespace controleur_menu_pkg {

namespace {
using mode_pkg::etat_principal;

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

controleur_menu::controleur_menu(const mode_pkg::services& s) : modes_(s.modes), souris_(s.file, s.selection) {}

void controleur_menu::entrer() {
    le_menu_->initialiser();
    le_menu_->positionner_objet3d({0.0f, 0.0f, -10.0f});
    souris_.definir_objet_racine(le_menu_);
    recepteurs_.activer();
}

void controleur_menu::sortir() { recepteurs_.desactiver(); }

void controleur_menu::tic() {
    le_menu_->entrees().gerer_conflit_controleur();
    // Ouvrir le son et lire la musique (2 Mo) attendent la deuxième image : la première n'en est pas retardée.
    // Une musique éteinte puis rallumée l'a été par la page des options, qui l'a relancée elle-même.
    if (!musique_pkg::musique_est_actif()) musique_lancee_ = false;
    if (++images_ > 1 && !musique_lancee_) {
        musique_pkg::musique_menu();
        musique_lancee_ = true;
    }
}

void controleur_menu::dessiner() { scene_pkg::afficher_scene(le_menu_); }

objet_3d_pkg::delai_image controleur_menu::delai_prochaine_image() const { return le_menu_->delai_prochaine_image(); }

void controleur_menu::monter() { le_menu_->entrees().monter(); }

void controleur_menu::descendre() { le_menu_->entrees().descendre(); }

int controleur_menu::obtenir_courante() const { return le_menu_->entrees().obtenir_ligne_courante(); }

bool controleur_menu::executer_action(const std::string& nom) {
    if (nom == "quitter") {
        modes_.quitter();
        return true;
    }
    for (const auto& [evenement, mode] : modes_des_entrees) {
        if (nom == evenement) {
            modes_.aller_a(mode);
            return true;
        }
    }
    return false;
}

void controleur_menu::executer_ligne(int ligne) {
    if (ligne >= 1 && ligne <= menu_3d_pkg::nombre_entrees) {
        executer_action(le_menu_->entrees().obtenir_entree(ligne)->obtenir_nom_action());
    }
}

bool controleur_menu::recepteur_menu::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type == evenement_pkg::EVENEMENT_NOMME) return menu_.executer_action(evenement.nom);
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    switch (evenement.touche) {
    // Sur le menu, Échap termine le programme au lieu d'y ramener.
    case evenement_pkg::touches::ECHAP: menu_.modes_.quitter(); return true;
    case evenement_pkg::touches::HAUT: menu_.monter(); return true;
    case evenement_pkg::touches::BAS: menu_.descendre(); return true;
    case evenement_pkg::touches::ENTREE: menu_.executer_ligne(menu_.obtenir_courante()); return true;
    default: return false;
    }
}

} // namespace controleur_menu_pkg
