// Modes des pages en lecture seule (aide, crédits) : la page, construite à la première visite et gardée, et sa souris.
#pragma once

#include "groupe_recepteurs_pkg.hpp"
#include "mode_pkg.hpp"
#include "page_3d_pkg.hpp"
#include "recepteur_retour_menu_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <memory>

namespace controleur_pages_pkg {

// type_page : une page_affichable construite par initialiser(). Échap ramène au menu par l'application, la plaque
// « menu » par le récepteur du retour.
template <typename type_page>
class controleur_page final : public mode_pkg::mode {
public:
    explicit controleur_page(const mode_pkg::services& s) : souris_(s.file, s.selection), retour_(s.modes) {}

    void entrer() override {
        if (!page_) {
            page_ = std::make_shared<type_page>();
            page_->initialiser();
            souris_.definir_objet_racine(page_);
        }
        recepteurs_.activer();
    }
    void sortir() override { recepteurs_.desactiver(); }
    void dessiner() override { page_3d_pkg::afficher_page(page_); }
    objet_3d_pkg::delai_image delai_prochaine_image() const override { return page_->delai_prochaine_image(); }

    // Nulle tant que la page n'a pas été visitée.
    std::shared_ptr<type_page> obtenir_page() const { return page_; }

private:
    std::shared_ptr<type_page> page_;
    recepteur_souris_pkg::recepteur_souris souris_;
    recepteur_retour_menu_pkg::recepteur_retour_menu retour_;
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_{chaine_, {&souris_, &retour_}};
};

} // namespace controleur_pages_pkg
