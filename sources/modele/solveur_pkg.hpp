// Solveur des grilles à partir de leurs seules cases terminales : compte les solutions jusqu'à un maximum.
#pragma once

#include <chrono>
#include <limits>
#include <vector>

#include "case_simple_pkg.hpp"
#include "grille_pkg.hpp"

namespace solveur_pkg {

using case_simple_pkg::coordonnees;
using route = std::vector<coordonnees>;

struct terminale {
    coordonnees position;
    int numero = 1;
};

// Ce que voit le joueur : le côté et les cases terminales.
struct probleme {
    int taille = 1;
    std::vector<terminale> terminales;
};

probleme depuis_grille(const grille_pkg::grille& g);

struct resultat {
    int nombre_solutions = 0;  // compté jusqu'au maximum demandé
    bool abandon = false;      // limite (temps, nœuds, candidats) atteinte avant la fin de la recherche
    std::vector<route> premiere_solution;
    long long noeuds = 0;  // nœuds de recherche visités
};

// Compte les solutions jusqu'à maximum, en abandonnant passé la limite de temps, le nombre de nœuds
// donné ou trop de marches candidates pour une terminale (la mémoire reste bornée) (une limite en nœuds rend l'abandon indépendant de la vitesse de la machine).
resultat resoudre(const probleme& p, int maximum = 2,
                  std::chrono::steady_clock::duration limite = std::chrono::seconds(60),
                  long long noeuds_max = std::numeric_limits<long long>::max());

}  // namespace solveur_pkg
