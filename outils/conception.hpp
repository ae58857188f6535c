// Générateur de conception, pour le contenu livré : couvre les cases peintes de chemins longs, en ne
// gardant que des grilles à solution unique prouvée par le solveur.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "aleatoire_pkg.hpp"
#include "dessin.hpp"
#include "grille_pkg.hpp"
#include "solveur_pkg.hpp"

namespace conception {

// Part des chemins d'une case, longueur moyenne : ce que l'on regarde d'un contenu.
struct bilan {
    int chemins = 0;
    double part_cases_seules = 0.0;
    double longueur_moyenne = 0.0;
};

bilan faire_bilan(const std::vector<solveur_pkg::route>& chemins);

// Part sur la vraie statistique de qualité : une case peinte sans voisine peinte est forcément seule.
double part_cases_seules_evitables(const std::vector<solveur_pkg::route>& chemins, const dessin::dessin_peint& d);

// Chemins d'au plus complexite cases couvrant exactement les cases peintes, solution unique.
std::vector<solveur_pkg::route> concevoir(const dessin::dessin_peint& d, int complexite,
                                          aleatoire_pkg::source_uniforme& alea);

// Pose les chemins sur une grille de cases simples : terminales aux bouts, chemins solution, cases libres.
void poser_chemins(grille_pkg::grille& g, const std::vector<solveur_pkg::route>& chemins);

}  // namespace conception
