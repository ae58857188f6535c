// Preuves d'unicité pour le générateur de conception : exacte par groupes indépendants, ou rapide sur
// une fenêtre autour d'un changement.
#pragma once

#include <vector>

#include "solveur_pkg.hpp"

namespace unicite {

// Problème vu du joueur : une terminale à chaque bout de chaque chemin (un « 1 » pour un chemin d'une case).
solveur_pkg::probleme probleme_de(int cote, const std::vector<solveur_pkg::route>& chemins);

// Vrai si la solution est prouvée unique : les règles locales fixent ce qu'elles peuvent, puis chaque
// groupe indépendant de ce qui reste est résolu à part par le solveur, dans la limite de nœuds donnée
// (une limite en nœuds garde le verdict identique d'une machine à l'autre). Le problème doit avoir au
// moins une solution ; un groupe trop long à prouver compte comme un refus.
bool prouver_unique(const solveur_pkg::probleme& p, long long noeuds_par_groupe);

// Le budget du générateur de conception : une grille qu'il écrit passe cette preuve.
constexpr long long NOEUDS_PAR_GROUPE = 200'000;

// Carré de la grille où l'on découpe un sous-problème.
struct cadre {
    int x0 = 1, y0 = 1, cote = 1;  // coin bas gauche, côté
    bool contient(const case_simple_pkg::coordonnees& c) const {
        return c.x >= x0 && c.y >= y0 && c.x < x0 + cote && c.y < y0 + cote;
    }
    case_simple_pkg::coordonnees local(const case_simple_pkg::coordonnees& c) const { return {c.x - x0 + 1, c.y - y0 + 1}; }
};

// Le plus petit carré dans une grille de côté taille qui contient la boîte [xmin, xmax] × [ymin, ymax].
cadre carre_autour(int taille, int xmin, int ymin, int xmax, int ymax);

}  // namespace unicite
