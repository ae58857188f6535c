// Partie en cours : cœur de jeu, récepteurs et coups communs au jeu libre et à la campagne.
#include "partie_en_cours_pkg.hpp"

#include "bruitages_pkg.hpp"

#include <array>
#include <string>
#include <utility>
#include <variant>

namespace partie_en_cours_pkg {

namespace {
namespace touches = evenement_pkg::touches;
using grille_pkg::direction;

// Les boutons de la grille et des panneaux communs aux deux modes, sans charge utile.
const std::array<std::pair<const char*, void (*)(partie_en_cours&, regles_du_mode&)>, 8> actions{{
    {"valider", [](partie_en_cours& p, regles_du_mode&) { p.valider(); }},
    {"effacer", [](partie_en_cours& p, regles_du_mode&) { p.supprimer(); }},
    {"bouton_aide", [](partie_en_cours&, regles_du_mode& r) { r.basculer_page_aide(); }},
    {"bouton_dock", [](partie_en_cours&, regles_du_mode& r) { r.basculer_dock(); }},
    {"bouton_ok", [](partie_en_cours& p, regles_du_mode&) { p.utiliser_aide(); }},
    {"bouton_aide_plus", [](partie_en_cours& p, regles_du_mode&) { p.modifier_points_aide(10); }},
    {"bouton_aide_moins", [](partie_en_cours& p, regles_du_mode&) { p.modifier_points_aide(-10); }},
    {"bouton_zoom", [](partie_en_cours&, regles_du_mode& r) { r.changer_vue(); }},
}};
} // namespace

partie_en_cours::partie_en_cours(regles_du_mode& regles, chaine_recepteurs_pkg::chaine_recepteurs& chaine,
                                 const mode_pkg::services& s)
    : regles_(regles), souris_(s.file, s.selection), recepteurs_(chaine, {&grille_, &souris_, &clavier_}) {}

void partie_en_cours::commencer(jeu_sur_grille_pkg::jeu_sur_grille& jeu, coeur_jeu_pkg::compte_aide& aide,
                                coeur_jeu_pkg::politique regles) {
    coeur_.emplace(jeu, aide, regles);
    aide_ = &aide;
}

void partie_en_cours::arreter() {
    desactiver();
    coeur_.reset();
    aide_ = nullptr;
}

void partie_en_cours::activer(objet_3d_pkg::classe_objet_affichable ecran) {
    souris_.definir_objet_racine(std::move(ecran));
    recepteurs_.activer();
}

void partie_en_cours::desactiver() { recepteurs_.desactiver(); }

void partie_en_cours::jouer(const coeur_jeu_pkg::compte_rendu& r) {
    bruitages_pkg::annoncer(r);
    regles_.apres_coup(r);
}

void partie_en_cours::deplacer(direction d) {
    if (coeur_) jouer(coeur_->deplacer(d));
}

void partie_en_cours::deplacer_vers(const case_simple_pkg::coordonnees& c) {
    if (!coeur_) return;
    const coeur_jeu_pkg::compte_rendu r = coeur_->deplacer_vers(c);
    if (!r.non_adjacente) jouer(r);
}

void partie_en_cours::valider() {
    if (coeur_) jouer(coeur_->valider());
}

void partie_en_cours::supprimer() {
    if (coeur_) jouer(coeur_->supprimer());
}

void partie_en_cours::annuler() {
    if (coeur_) jouer(coeur_->annuler());
}

void partie_en_cours::utiliser_aide() {
    if (!coeur_) return;
    regles_.avant_aide();
    jouer(coeur_->utiliser_aide());
}

void partie_en_cours::modifier_points_aide(int add) {
    if (aide_ != nullptr) aide_->mettre_a_jour_compteur_aide(add);
}

bool partie_en_cours::recepteur_grille::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type == evenement_pkg::SOURIS_APPUIE) {
        switch (evenement.bouton) {
        case evenement_pkg::boutons::MOLETTE_BAS: partie_.modifier_points_aide(-10); return true;
        case evenement_pkg::boutons::MOLETTE_HAUT: partie_.modifier_points_aide(10); return true;
        case evenement_pkg::boutons::MILIEU: partie_.utiliser_aide(); return true;
        default: return false;
        }
    }
    const std::string nom = evenement_pkg::nom_de(evenement);
    if (nom.empty()) return false;
    if (nom == "deplacer_curseur") {
        const auto* c = std::get_if<case_simple_pkg::coordonnees>(&evenement.donnee);
        if (c == nullptr) return false;
        partie_.deplacer_vers(*c);
        return true;
    }
    for (const auto& [nom_action, faire] : actions) {
        if (nom == nom_action) {
            faire(partie_, partie_.regles_);
            return true;
        }
    }
    return partie_.regles_.action(evenement);
}

bool partie_en_cours::recepteur_clavier::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    switch (evenement.touche) {
    case touches::ESPACE: partie_.valider(); return true;
    case touches::RETOUR_ARRIERE: partie_.supprimer(); return true;
    case touches::DROITE: partie_.deplacer(direction::droite); return true;
    case touches::HAUT: partie_.deplacer(direction::haut); return true;
    case touches::GAUCHE: partie_.deplacer(direction::gauche); return true;
    case touches::BAS: partie_.deplacer(direction::bas); return true;
    case touches::PAVE_PLUS: partie_.modifier_points_aide(10); return true;
    case touches::PAVE_MOINS: partie_.modifier_points_aide(-10); return true;
    case 'd': partie_.regles_.basculer_dock(); return true;
    case 'l': partie_.regles_.changer_vue(); return true;
    case 'a':
    case 'q': partie_.utiliser_aide(); return true;
    case 'h': partie_.regles_.basculer_page_aide(); return true;
    default: return partie_.regles_.touche(evenement.touche);
    }
}

} // namespace partie_en_cours_pkg
