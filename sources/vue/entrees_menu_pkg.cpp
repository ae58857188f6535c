// Entrées d'un écran et ligne du clavier partagée avec la souris.
#include "entrees_menu_pkg.hpp"

#include <cassert>
#include <memory>

namespace entrees_menu_pkg {

void entrees_menu::construire(std::span<const description_entree> descriptions, float echelle, float profondeur) {
    assert(entrees_.empty() && "les entrées d'un écran ne se construisent qu'une fois");
    for (const description_entree& d : descriptions) {
        auto entree = std::make_shared<bouton_menu_pkg::bouton_menu>();
        entree->initialiser(d.libelle, d.action);
        entree->definir_echelle(echelle);
        entree->positionner_objet3d({0.0f, d.y, profondeur});
        entrees_.push_back(entree);
    }
    obtenir_entree(num_ligne_)->selection_clavier();
}

bouton_menu_pkg::classe_bouton_menu entrees_menu::obtenir_entree(int ligne) const {
    return entrees_.at(static_cast<std::size_t>(ligne - 1));
}

void entrees_menu::modifier_ligne_courante(int ligne) {
    obtenir_entree(num_ligne_)->deselection_clavier();
    num_ligne_ = ligne;
    obtenir_entree(num_ligne_)->selection_clavier();
}

void entrees_menu::monter() {
    if (num_ligne_ > 1) modifier_ligne_courante(num_ligne_ - 1);
}

void entrees_menu::descendre() {
    if (num_ligne_ < nombre_lignes()) modifier_ligne_courante(num_ligne_ + 1);
}

// Une seule passe de sélection par image : la souris n'entre que dans une entrée entre deux mises à jour.
void entrees_menu::gerer_conflit_controleur() {
    for (int ligne = 1; ligne <= nombre_lignes(); ++ligne) {
        if (ligne != num_ligne_ && obtenir_entree(ligne)->est_surbrillant()) {
            modifier_ligne_courante(ligne);
            return;
        }
    }
}

} // namespace entrees_menu_pkg
