// Ce que l'on regarde des chemins d'une grille : nombre, part des chemins d'une case, longueur moyenne.
#pragma once

#include <vector>

#include "dessin.hpp"
#include "grille_pkg.hpp"
#include "solveur_pkg.hpp"

namespace bilan {

struct bilan_chemins {
    int chemins = 0;
    double part_cases_seules = 0.0;
    double longueur_moyenne = 0.0;
};

bilan_chemins faire_bilan(const std::vector<solveur_pkg::route>& chemins);

// Part sur la vraie statistique de qualité : une case peinte sans voisine peinte est forcément seule.
double part_cases_seules_evitables(const std::vector<solveur_pkg::route>& chemins, const dessin::dessin_peint& d);

// Les chemins solution d'une grille, et le dessin qu'ils couvrent.
std::vector<solveur_pkg::route> routes(const grille_pkg::grille& g);
dessin::dessin_peint dessin_couvert(int cote, const std::vector<solveur_pkg::route>& chemins);

}  // namespace bilan
