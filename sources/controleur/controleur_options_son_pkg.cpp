// Mode des options du son : touches, entrées de la page, bascule des options.
#include "controleur_options_son_pkg.hpp"

#include "musique_pkg.hpp"

namespace controleur_options_son_pkg {

using option_son_3d_pkg::ligne_musique;

controleur_options_son::controleur_options_son(const mode_pkg::services& s)
    : souris_(s.file, s.selection), retour_(s.modes) {}

void controleur_options_son::entrer() {
    if (!page_) {
        page_ = std::make_shared<option_son_3d_pkg::page_option_affichable>();
        page_->initialiser(musique_pkg::musique_est_actif(), musique_pkg::bruitage_est_actif());
        souris_.definir_objet_racine(page_);
    }
    recepteurs_.activer();
}

void controleur_options_son::sortir() { recepteurs_.desactiver(); }

void controleur_options_son::tic() {
    page_->mettre_a_jour(musique_pkg::musique_est_actif(), musique_pkg::bruitage_est_actif());
    page_->entrees().gerer_conflit_controleur();
}

void controleur_options_son::dessiner() { page_3d_pkg::afficher_page(page_); }

objet_3d_pkg::delai_image controleur_options_son::delai_prochaine_image() const {
    return page_->delai_prochaine_image();
}

int controleur_options_son::obtenir_courante() const {
    return page_ ? page_->entrees().obtenir_ligne_courante() : ligne_musique;
}

void controleur_options_son::basculer_musique() {
    if (musique_pkg::musique_est_actif()) musique_pkg::stop_musique_menu();
    musique_pkg::modifier_musique(!musique_pkg::musique_est_actif());
    musique_pkg::musique_menu();
}

void controleur_options_son::basculer_bruitage() { musique_pkg::modifier_bruitage(!musique_pkg::bruitage_est_actif()); }

bool controleur_options_son::recepteur_options::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = evenement_pkg::nom_de(evenement);
    if (nom == option_son_3d_pkg::action_musique) {
        options_.basculer_musique();
        return true;
    }
    if (nom == option_son_3d_pkg::action_bruitage) {
        options_.basculer_bruitage();
        return true;
    }
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    switch (evenement.touche) {
    case evenement_pkg::touches::HAUT: options_.page_->entrees().monter(); return true;
    case evenement_pkg::touches::BAS: options_.page_->entrees().descendre(); return true;
    case evenement_pkg::touches::ENTREE:
        if (options_.obtenir_courante() == ligne_musique) {
            options_.basculer_musique();
        } else {
            options_.basculer_bruitage();
        }
        return true;
    default: return false;
    }
}

} // namespace controleur_options_son_pkg
