// Socle des pages d'aide, d'options du son et de crédits : la plaque « menu » et la mise en place devant l'œil.
#pragma once

#include "groupe_recepteurs_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
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

// Page en lecture seule (aide, crédits) : construite à son premier dessin et gardée pour la partie,
// avec pour seul récepteur celui de la souris, empilé tant qu'elle est affichée.
template <typename type_page>
class page_lecture_seule {
public:
    page_lecture_seule() = default;
    page_lecture_seule(const page_lecture_seule&) = delete;
    page_lecture_seule& operator=(const page_lecture_seule&) = delete;

    // Procédure de dessin du mode.
    void dessiner() {
        if (!page_) {
            page_ = std::make_shared<type_page>();
            page_->initialiser();
            souris_.definir_objet_racine(page_);
        }
        activer();
        afficher_page(page_);
    }
    void activer() { recepteurs_.activer(); }
    void desactiver() { recepteurs_.desactiver(); }
    bool est_actif() const { return recepteurs_.est_actif(); }
    // Nulle tant que la page n'a pas été dessinée.
    std::shared_ptr<type_page> obtenir_page() const { return page_; }

private:
    std::shared_ptr<type_page> page_;
    recepteur_souris_pkg::recepteur_souris souris_;
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_{&souris_};
};

} // namespace page_3d_pkg
