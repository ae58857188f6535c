// Bilan des chemins d'une grille.
#include "bilan.hpp"

namespace bilan {

bilan_chemins faire_bilan(const std::vector<solveur_pkg::route>& chemins) {
    bilan_chemins b;
    b.chemins = static_cast<int>(chemins.size());
    if (chemins.empty()) return b;
    int seules = 0, cases = 0;
    for (const auto& c : chemins) {
        seules += c.size() == 1;
        cases += static_cast<int>(c.size());
    }
    b.part_cases_seules = static_cast<double>(seules) / b.chemins;
    b.longueur_moyenne = static_cast<double>(cases) / b.chemins;
    return b;
}

double part_cases_seules_evitables(const std::vector<solveur_pkg::route>& chemins, const dessin::dessin_peint& d) {
    int seules = 0, comptes = 0;
    for (const auto& c : chemins) {
        const auto& p = c.front();
        bool isolee = c.size() == 1;
        for (const auto& [dx, dy] : {std::pair{0, 1}, {0, -1}, {1, 0}, {-1, 0}}) {
            const int x = p.x + dx, y = p.y + dy;
            if (x >= 1 && y >= 1 && x <= d.cote && y <= d.cote && d.peinte(x, y)) isolee = false;
        }
        if (isolee) continue;  // case peinte sans voisine peinte : comptée à part
        ++comptes;
        seules += c.size() == 1;
    }
    return comptes ? static_cast<double>(seules) / comptes : 0.0;
}

std::vector<solveur_pkg::route> routes(const grille_pkg::grille& g) {
    std::vector<solveur_pkg::route> r;
    for (auto l = g.obtenir_solution(); !grille_pkg::listes_chemins::est_vide(l); l = grille_pkg::listes_chemins::get_suiv(l)) {
        const auto c = grille_pkg::listes_chemins::get_elem(l);
        solveur_pkg::route route;
        for (int i = 1; i <= c->longueur(); ++i) route.push_back(c->nieme_coord(i));
        r.push_back(route);
    }
    return r;
}

dessin::dessin_peint dessin_couvert(int cote, const std::vector<solveur_pkg::route>& chemins) {
    dessin::dessin_peint d{cote, std::vector<bool>(static_cast<std::size_t>(cote * cote), false)};
    for (const auto& c : chemins) {
        for (const auto& p : c) {
            if (p.x >= 1 && p.y >= 1 && p.x <= cote && p.y <= cote) d.cases[static_cast<std::size_t>((p.x - 1) * cote + (p.y - 1))] = true;
        }
    }
    return d;
}

}  // namespace bilan
