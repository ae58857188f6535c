// Plateau vu du joueur (cases indexées, terminales) et réserve des marches possibles d'une grille.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "solveur_pkg.hpp"

namespace marches {

// Une case est un indice (x - 1) * taille + (y - 1), comme dans les dessins.
struct plateau {
    explicit plateau(const solveur_pkg::probleme& p);

    int indice(const case_simple_pkg::coordonnees& c) const { return (c.x - 1) * taille + (c.y - 1); }
    int distance(int a, int b) const;
    // Les voisines de c dans la grille, rangées dans v ; rend leur nombre.
    int voisines(int c, std::array<int, 4>& v) const;

    int taille;
    std::vector<int> terminale_en;  // par case : la terminale qui l'occupe, ou -1
    std::vector<int> case_de;       // par terminale : sa case
    std::vector<int> numero;        // par terminale
    std::vector<std::vector<int>> meme_numero;  // par terminale : les autres terminales de son numéro
};

// Marches de N cases d'une terminale à une autre de même numéro, rangées une fois chacune, avec les
// index par case et par terminale qui servent aux règles.
class reserve {
public:
    reserve(int cases, int terminales) : par_case(static_cast<std::size_t>(cases)), par_terminale(static_cast<std::size_t>(terminales)) {}

    // Ajoute la marche (de sa première case à sa dernière, deux terminales) et rend son numéro.
    int ajouter(int depart, int arrivee, std::span<const int> cases);

    int nombre() const { return static_cast<int>(bouts_.size()); }
    std::span<const int> cases(int m) const;
    const std::array<int, 2>& bouts(int m) const { return bouts_[static_cast<std::size_t>(m)]; }
    const std::vector<int>& passant_par(int c) const { return par_case[static_cast<std::size_t>(c)]; }
    const std::vector<int>& de(int terminale) const { return par_terminale[static_cast<std::size_t>(terminale)]; }

private:
    std::vector<int> toutes_cases;
    std::vector<int> debuts{0};
    std::vector<std::array<int, 2>> bouts_;
    std::vector<std::vector<int>> par_case, par_terminale;
};

}  // namespace marches
