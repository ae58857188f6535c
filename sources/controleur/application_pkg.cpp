// L'application : modes, mode courant, changements de mode.
#include "application_pkg.hpp"

#include "controleur_editeur_pkg.hpp"
#include "controleur_jeu_pkg.hpp"
#include "controleur_libre_pkg.hpp"
#include "controleur_menu_pkg.hpp"
#include "controleur_options_son_pkg.hpp"
#include "controleur_pages_pkg.hpp"
#include "credit_3d_pkg.hpp"
#include "page_aide_3d_pkg.hpp"

#include <string>
#include <utility>

namespace application_pkg {

mode_pkg::mode* application::mode_de(etat_principal etat) const {
    const auto rang = static_cast<std::size_t>(etat);
    return rang < modes_.size() ? modes_[rang].get() : nullptr;
}

mode_pkg::mode& application::obtenir_mode(etat_principal etat) const {
    mode_pkg::mode* m = mode_de(etat);
    if (m == nullptr) throw controleur_pkg::ETAT_INDEFINI("mode " + std::to_string(static_cast<int>(etat)));
    return *m;
}

void application::installer(etat_principal etat, std::unique_ptr<mode_pkg::mode> le_mode) {
    modes_.at(static_cast<std::size_t>(etat)) = std::move(le_mode);
}

void application::demarrer() {
    courant_ = etat_principal::MENU;
    obtenir_mode(courant_).entrer();
}

void application::aller_a(etat_principal nouveau) {
    if (en_traitement_) {
        demande_ = nouveau;
        return;
    }
    changer(nouveau);
}

void application::changer(etat_principal nouveau) {
    if (nouveau == etat_principal::QUITTER) {
        quitter();
        return;
    }
    if (nouveau == courant_) return;
    mode_pkg::mode& arrivee = obtenir_mode(nouveau);
    obtenir_mode(courant_).sortir();
    courant_ = nouveau;
    arrivee.entrer();
}

bool application::traiter(evenement_pkg::evenement& evenement) {
    en_traitement_ = true;
    bool consomme = obtenir_mode(courant_).traiter(evenement);
    en_traitement_ = false;
    if (!consomme && evenement.type == evenement_pkg::TOUCHE_APPUYEE &&
        evenement.touche == evenement_pkg::touches::ECHAP) {
        demande_ = etat_principal::MENU;
        consomme = true;
    }
    if (const auto demande = std::exchange(demande_, std::nullopt)) changer(*demande);
    return consomme;
}

void application::dessiner() {
    mode_pkg::mode& m = obtenir_mode(courant_);
    m.tic();
    m.dessiner();
}

objet_3d_pkg::delai_image application::delai_prochaine_image() const {
    return obtenir_mode(courant_).delai_prochaine_image();
}

void installer_modes(application& a, const mode_pkg::services& s) {
    a.installer(etat_principal::MENU, std::make_unique<controleur_menu_pkg::controleur_menu>(s));
    a.installer(etat_principal::JEU, std::make_unique<controleur_jeu_pkg::controleur_jeu>(s));
    a.installer(etat_principal::LIBRE, std::make_unique<controleur_libre_pkg::controleur_libre>(s));
    a.installer(etat_principal::AIDE,
                std::make_unique<controleur_pages_pkg::controleur_page<page_aide_3d_pkg::page_aide_affichable>>(s));
    a.installer(etat_principal::SON, std::make_unique<controleur_options_son_pkg::controleur_options_son>(s));
    a.installer(etat_principal::CREDITS,
                std::make_unique<controleur_pages_pkg::controleur_page<credit_3d_pkg::credit_affichable>>(s));
    a.installer(etat_principal::EDITEUR, std::make_unique<controleur_editeur_pkg::controleur_editeur>(s));
}

} // namespace application_pkg
