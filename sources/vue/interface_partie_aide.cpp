// Page d'aide de la campagne : les touches, le cube, les points d'aide, la sauvegarde.
#include "interface_partie_aide.hpp"

#include <array>

namespace interface_partie_aide {

namespace {
using aide_partie_3d_pkg::ligne;

// Un dixième d'unité seulement entre deux lignes d'un même paragraphe : à 0,15 leurs lettres se touchaient, et
// les plus longues des premières lignes passaient sous le cadre, qui se resserre vers le haut.
constexpr float echelle_ligne = 0.12f;

const std::array<ligne, 18> lignes{{
    {">>> AIDE Partie <<<", 0.25f, 1.4f},
    {"Les flèches directionnelles ou la souris permettent de se déplacer", echelle_ligne, 1.2f},
    {"Touche 1 à 6(pavé numérique)/ fleches interfaces - Change", echelle_ligne, 1.0f},
    {"la face du cube (6 grilles par niveau).", echelle_ligne, 0.9f},
    {"'Espace'/'Clique Gauche' - Commence un chemin (sur une case terminale)", echelle_ligne, 0.7f},
    {"Si vous avez commencé un chemin, en vous déplaçant", echelle_ligne, 0.6f},
    {"le chemin se créé automatiquement jusqu'à validation ou non.", echelle_ligne, 0.5f},
    {" 'EFFACER' / Clique droit- Permet de supprimer un chemin existant ", echelle_ligne, 0.3f},
    {"ou annuler un chemin en cours de construction.", echelle_ligne, 0.2f},
    {"Les boutons '+' et '-'  - les touches + et - du clavier numériques permettent", echelle_ligne, 0.0f},
    {"de choisir les points d'aide à utiliser", echelle_ligne, -0.1f},
    {"'a' ou 'q'- Permet d'utiliser les points d'aide préalablement choisis.", echelle_ligne, -0.3f},
    {"Pour dévoiler 1 case valide du chemin, 10 points sont demandés.", echelle_ligne, -0.4f},
    {"'L' - Zoom/dezoom les grilles trop grandes", echelle_ligne, -0.6f},
    {"'C' - Permet de charger une campagne sauvegardée", echelle_ligne, -0.8f},
    {"'S' - Permet de sauvegarder l'avancement de la campagne", echelle_ligne, -1.0f},
    {"'N' permets de lancer une nouvelle partie.", echelle_ligne, -1.2f},
    {"'B' permets d'abandonner une partie.", echelle_ligne, -1.4f},
}};
} // namespace

void interface_partie_aide_affichable::initialiser() { poser_lignes(lignes); }

} // namespace interface_partie_aide
