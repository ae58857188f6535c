// Page d'aide de la partie libre : les touches et la règle des points d'aide.
#include "interface_libre_aide.hpp"


#include <array>

namespace interface_libre_aide {

namespace {
using aide_partie_3d_pkg::ligne;

// Toutes les lignes tiennent dans la fenêtre du cadre : la dernière au-dessus du bas du cadre (y = -1,38,
// soit 492 pixels sur 600).
constexpr float echelle_ligne = 0.14f;

const std::array<ligne, nombre_lignes> lignes{{
    {">>> AIDE Partie Libre <<<", 0.25f, 1.42f},
    {"Les flèches directionnelles ou la souris permettent de se déplacer", echelle_ligne, 1.12f},
    {"'Espace'/'Clique Gauche' - Commence un chemin (sur une case terminale)", echelle_ligne, 0.85f},
    {"Si vous avez commencé un chemin, en vous déplaçant", echelle_ligne, 0.58f},
    {"le chemin se créé automatiquement jusqu'à validation ou non.", echelle_ligne, 0.45f},
    {" 'EFFACER' / Clique droit- Permet de supprimer un chemin existant ", echelle_ligne, 0.18f},
    {"ou annuler un chemin en cours de construction.", echelle_ligne, 0.05f},
    {"Les boutons '+' et '-'  - les touches + et - du clavier numériques permettent", echelle_ligne, -0.22f},
    {"de choisir les points d'aide à utiliser", echelle_ligne, -0.35f},
    {"'a' ou 'q'- Permet d'utiliser les points d'aide préalablement choisis.", echelle_ligne, -0.62f},
    {"Pour dévoiler 1 case valide du chemin, 10 points sont demandés.", echelle_ligne, -0.75f},
    {"'N' permets de lancer une nouvelle partie.", echelle_ligne, -0.98f},
    {"'B' permets d'abandonner une partie.", echelle_ligne, -1.18f},
    {"'L' - Zoom/Dezoom lorsqu'une grille est trop grande", echelle_ligne, -1.38f},
}};
} // namespace

void interface_libre_aide_affichable::initialiser() { poser_lignes(lignes); }

} // namespace interface_libre_aide
