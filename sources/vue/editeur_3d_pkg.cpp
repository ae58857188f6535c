// Écran de l'éditeur : sa page d'aide, son dock, et la grille dessinée montrée comme une partie sans fin.
#include "editeur_3d_pkg.hpp"

#include <array>

namespace editeur_3d_pkg {

namespace {
using interface_aide_pkg::echelle_ligne;

const std::array<interface_aide_pkg::ligne, 11> lignes_aide{{
    {">>> AIDE Editeur <<<", interface_aide_pkg::echelle_titre, 1.42f},
    {"Les flèches directionnelles ou la souris permettent de se déplacer", echelle_ligne, 1.12f},
    {"'Espace' / clic - Colorie ou décolorie la case sélectionnée", echelle_ligne, 0.86f},
    {"Clic maintenu en glissant - Colorie ou décolorie chaque case traversée", echelle_ligne, 0.62f},
    {"'Retour arrière' - Décolorie la case sélectionnée", echelle_ligne, 0.38f},
    {"'Entrée' - Génère la grille finale (le dessin ne change plus ensuite)", echelle_ligne, 0.14f},
    {"'S' - Sauvegarde la grille (génération obligatoire avant)", echelle_ligne, -0.10f},
    {"'L' - Zoom/Dezoom lorsqu'une grille est trop grande", echelle_ligne, -0.34f},
    {"'N' - Nouvelle grille ;  'B' ou 'Échap' - Abandonne la grille", echelle_ligne, -0.58f},
    {"'D' - Dock des actions ;  'H' - Cette aide", echelle_ligne, -0.82f},
    {"La complexité est la longueur maximum des chemins à générer", echelle_ligne, -1.16f},
}};

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
    grille_jouee().passer_en_edition();
    construire(modele_->obtenir_partie(), {.aide = lignes_aide, .dock = boutons_dock, .panneau_droit = panneau_droit_});
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
