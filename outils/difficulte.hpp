// Difficulté d'une grille mesurée comme un joueur la ressent : jusqu'où vont les règles locales, s'il
// faut des essais et de quelle profondeur, et une note qui résume le tout.
#pragma once

#include <vector>

#include "deduction.hpp"
#include "solveur_pkg.hpp"

namespace difficulte {

// Au-delà, on ne cherche plus : ce qui reste est compté comme demandant une recherche.
constexpr int PROFONDEUR_MAX = 2;

struct mesure {
    int cases = 0;              // cases couvertes par la solution
    double part_regle1 = 0.0;   // part des cases fixées par la règle 1 seule, avant tout essai
    double part_regles12 = 0.0; // par les règles 1 et 2, avant tout essai
    int essais = 0;             // marches écartées par un essai
    int profondeur = 0;         // profondeur d'essai la plus grande qu'il a fallu (0 : aucun essai)
    double part_restante = 0.0; // cases que ni les règles ni les essais n'ont fixées
    bool contradiction = false; // les règles prouvent qu'il n'y a pas de solution
    double score = 0.0;
};

// La solution ne sert qu'à dire quelles cases compter ; les déductions ne voient que les terminales.
mesure mesurer(const solveur_pkg::probleme& p, const std::vector<solveur_pkg::route>& solution,
               deduction::limites l = {});

}  // namespace difficulte
