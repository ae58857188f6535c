// Plaque de retour au menu.
#include "retour_menu_3d_pkg.hpp"

#include "geometrie_pkg.hpp"

namespace retour_menu_3d_pkg {

void retour_menu::initialiser() {
    if (est_initialise_) {
        return;
    }
    objet_3d_recepteur::initialiser();
    ajouter_sous_objet(piece_pkg::creer_etiquette("menu", affichage_texte_pkg::jaune_pale, 0.3f, {}));
    est_initialise_ = true;
}

void retour_menu::sourisrelache(const evenement_pkg::evenement&) { rapporter(action_menu); }

void retour_menu::dessiner() {
    geometrie_pkg::lier_texture("bouton_ancien");
    geometrie_pkg::quad(-0.5f, -0.17f, 0.5f, 0.17f, geometrie_pkg::normales_biseau);
}

} // namespace retour_menu_3d_pkg
