// Plateau indexé et réserve des marches possibles.
#include "marches.hpp"

#include <cstdlib>
#include <map>

namespace marches {

plateau::plateau(const solveur_pkg::probleme& p)
    : taille(p.taille), terminale_en(static_cast<std::size_t>(p.taille * p.taille), -1) {
    std::map<int, std::vector<int>> par_numero;
    for (std::size_t i = 0; i < p.terminales.size(); ++i) {
        const int c = indice(p.terminales[i].position);
        terminale_en[static_cast<std::size_t>(c)] = static_cast<int>(i);
        case_de.push_back(c);
        numero.push_back(p.terminales[i].numero);
        par_numero[p.terminales[i].numero].push_back(static_cast<int>(i));
    }
    meme_numero.resize(p.terminales.size());
    for (std::size_t i = 0; i < p.terminales.size(); ++i) {
        for (const int j : par_numero[numero[i]]) {
            if (j != static_cast<int>(i)) meme_numero[i].push_back(j);
        }
    }
}

int plateau::distance(int a, int b) const {
    return std::abs(a / taille - b / taille) + std::abs(a % taille - b % taille);
}

int plateau::voisines(int c, std::array<int, 4>& v) const {
    const int x = c / taille, y = c % taille;
    int n = 0;
    if (y + 1 < taille) v[static_cast<std::size_t>(n++)] = c + 1;
    if (y > 0) v[static_cast<std::size_t>(n++)] = c - 1;
    if (x > 0) v[static_cast<std::size_t>(n++)] = c - taille;
    if (x + 1 < taille) v[static_cast<std::size_t>(n++)] = c + taille;
    return n;
}

int reserve::ajouter(int depart, int arrivee, std::span<const int> cases) {
    const int m = nombre();
    toutes_cases.insert(toutes_cases.end(), cases.begin(), cases.end());
    debuts.push_back(static_cast<int>(toutes_cases.size()));
    bouts_.push_back({depart, arrivee});
    for (const int c : cases) par_case[static_cast<std::size_t>(c)].push_back(m);
    par_terminale[static_cast<std::size_t>(depart)].push_back(m);
    par_terminale[static_cast<std::size_t>(arrivee)].push_back(m);
    return m;
}

std::span<const int> reserve::cases(int m) const {
    const auto debut = static_cast<std::size_t>(debuts[static_cast<std::size_t>(m)]);
    const auto fin = static_cast<std::size_t>(debuts[static_cast<std::size_t>(m) + 1]);
    return std::span<const int>(toutes_cases).subspan(debut, fin - debut);
}

}  // namespace marches
