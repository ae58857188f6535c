// Socle des pages d'aide, d'options du son et de crédits : la plaque « menu » et la mise en place devant l'œil.
#pragma once

#include "objet_3d_pkg.hpp"
#include "retour_menu_3d_pkg.hpp"

#include <memory>

namespace page_3d_pkg {

// Page plein écran : ses sous-objets, puis la plaque « menu », dessinée dans son repère sans être un sous-objet.
class page_affichable : public objet_3d_pkg::objet_affichable {
public:
    void afficher() override;
    std::shared_ptr<retour_menu_3d_pkg::retour_menu> obtenir_bouton_menu() const { return le_bouton_menu_; }

protected:
    // Plaque « menu » en bas à gauche de la page.
    void poser_bouton_menu();

private:
    std::shared_ptr<retour_menu_3d_pkg::retour_menu> le_bouton_menu_;
};

// Place la page devant l'œil et dessine une image avec elle pour racine.
void afficher_page(const objet_3d_pkg::classe_objet_affichable& page);

} // namespace page_3d_pkg
