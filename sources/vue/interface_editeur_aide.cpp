// Page d'aide de l'éditeur : les touches, la souris, et ce qu'est la complexité.
#include "interface_editeur_aide.hpp"

#include <array>

namespace interface_editeur_aide {

namespace {
using aide_partie_3d_pkg::ligne;

constexpr float echelle_ligne = 0.14f;

const std::array<ligne, 11> lignes{{
    {">>> AIDE Editeur <<<", 0.25f, 1.42f},
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
} // namespace

void interface_editeur_aide_affichable::initialiser() { poser_lignes(lignes); }

} // namespace interface_editeur_aide
