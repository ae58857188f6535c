// Écran de l'éditeur : sa page d'aide, son dock, et la grille dessinée montrée comme une partie sans fin.
#include "editeur_3d_pkg.hpp"

#include "interface_editeur_aide.hpp"

#include <array>

namespace editeur_3d_pkg {

namespace {
// Le dernier ajouté est en haut : de haut en bas, Nouveau, Abandonner, Générer, Sauvegarder.
const std::array<ecran_cockpit_3d_pkg::bouton_dock, 4> boutons_dock{{
    {"Sauvegarder", "bouton_sauvegarder"},
    {"Générer", "bouton_generer"},
    {"Abandonner", "bouton_abandonner"},
    {"Nouveau", "bouton_initialiser"},
}};
} // namespace

void editeur_affichable::initialiser(editeur_pkg::editeur_ptr edit) {
    modele_ = std::move(edit);
    panneau_droit_ = std::make_shared<interface_editeur_droite_pkg::interface_editeur_droite_affichable>();
    panneau_droit_->initialiser();
    auto aide = std::make_shared<interface_editeur_aide::interface_editeur_aide_affichable>();
    aide->initialiser();
    grille_jouee().passer_en_edition();
    construire(modele_->obtenir_partie(), {.aide = aide, .dock = boutons_dock, .panneau_droit = panneau_droit_});
}

void editeur_affichable::montrer_generation() { reconstruire_grille(modele_->obtenir_partie()); }

void editeur_affichable::mettre_a_jour(bool dessin, interface_editeur_droite_pkg::valeurs_panneau valeurs) {
    curseur_montre_ = dessin;
    grille_jouee().definir_curseur_visible(dessin);
    grille_jouee().mettre_a_jour(nullptr);
    valeurs.zoom = obtenir_vue() == etat_vue::ZOOM;
    panneau_droit_->mettre_a_jour(valeurs);
}

void editeur_affichable::afficher() {
    if (!est_construit()) throw ERREUR_EDITEUR_AFFICHABLE_NON_INITIALISE();
    dessiner_cockpit();
}

} // namespace editeur_3d_pkg
