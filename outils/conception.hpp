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

// Chemins d'au plus complexite cases couvrant exactement les cases peintes, solution unique.
std::vector<solveur_pkg::route> concevoir(const dessin::dessin_peint& d, int complexite,
                                          aleatoire_pkg::source_uniforme& alea);

// Pose les chemins sur une grille de cases simples : terminales aux bouts, chemins solution, cases libres.
void poser_chemins(grille_pkg::grille& g, const std::vector<solveur_pkg::route>& chemins);

}  // namespace conception
