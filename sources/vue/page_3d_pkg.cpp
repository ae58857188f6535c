// Socle des pages : dessin avec la plaque « menu ».
#include "page_3d_pkg.hpp"

#include "scene_pkg.hpp"

namespace page_3d_pkg {

void page_affichable::afficher() {
    preparer_affichage();
    afficher_sous_objets();
    if (le_bouton_menu_) {
        le_bouton_menu_->afficher();
    }
    terminer_affichage();
}

void page_affichable::poser_bouton_menu() {
    le_bouton_menu_ = std::make_shared<retour_menu_3d_pkg::retour_menu>();
    le_bouton_menu_->initialiser();
    le_bouton_menu_->definir_echelle(1.0f);
    le_bouton_menu_->positionner_objet3d({-4.0f, -3.7f, -5.0f});
}

void afficher_page(const objet_3d_pkg::classe_objet_affichable& page) {
    page->positionner_objet3d({0.0f, 0.0f, -5.0f});
    scene_pkg::afficher_scene(page);
}

} // namespace page_3d_pkg
