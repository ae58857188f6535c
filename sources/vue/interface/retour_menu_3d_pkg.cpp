// Plaque de retour au menu.
#include "retour_menu_3d_pkg.hpp"

#include "controleur_pkg.hpp"
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

// Pas d'événement nommé : la plaque change de mode elle-même.
void retour_menu::sourisrelache(const evenement_pkg::evenement&) {
    controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
}

void retour_menu::dessiner() {
    geometrie_pkg::lier_texture("bouton_ancien");
    geometrie_pkg::quad(-0.5f, -0.17f, 0.5f, 0.17f, geometrie_pkg::normales_biseau);
}

} // namespace retour_menu_3d_pkg
