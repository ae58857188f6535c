// Preuves d'unicité.
//
// Par groupes : toute solution suit les déductions des règles locales (elles n'écartent que des marches
// impossibles), et les marches possibles de deux groupes ne se touchent pas. Une solution se découpe
// donc en une solution de chaque groupe, chacune dans la zone de son groupe : si chaque groupe, seul
// dans sa zone (toute autre case du carré bouchée par un « 1 »), n'a qu'une solution, la grille n'en a
// qu'une. Le solveur n'explore plus le produit des hésitations de régions éloignées, mais leur somme.
#include "unicite.hpp"

#include <algorithm>

#include "deduction.hpp"

namespace unicite {

solveur_pkg::probleme probleme_de(int cote, const std::vector<solveur_pkg::route>& chemins) {
    solveur_pkg::probleme p{cote, {}};
    for (const auto& c : chemins) {
        if (c.empty()) continue;
        const int n = static_cast<int>(c.size());
        p.terminales.push_back({c.front(), n});
        if (n > 1) p.terminales.push_back({c.back(), n});
    }
    return p;
}

cadre carre_autour(int taille, int xmin, int ymin, int xmax, int ymax) {
    cadre c;
    c.cote = std::min(taille, std::max(xmax - xmin, ymax - ymin) + 1);
    c.x0 = std::clamp(xmin, 1, taille - c.cote + 1);
    c.y0 = std::clamp(ymin, 1, taille - c.cote + 1);
    return c;
}

bool prouver_unique(const solveur_pkg::probleme& p, long long noeuds_par_groupe) {
    deduction::moteur m(p, {.hypotheses = 0});
    if (!m.propager(deduction::regles::cases_communes)) return false;
    const auto& plat = m.le_plateau();
    const int t = plat.taille;
    const auto coordonnees = [t](int i) { return case_simple_pkg::coordonnees{i / t + 1, i % t + 1}; };
    std::vector<std::uint8_t> dans_zone(static_cast<std::size_t>(t * t), 0);
    for (const auto& g : m.groupes_ouverts()) {
        int xmin = t, ymin = t, xmax = 1, ymax = 1;
        for (const int i : g.cases) {
            const auto c = coordonnees(i);
            xmin = std::min(xmin, c.x), xmax = std::max(xmax, c.x), ymin = std::min(ymin, c.y), ymax = std::max(ymax, c.y);
            dans_zone[static_cast<std::size_t>(i)] = 1;
        }
        const cadre zone = carre_autour(t, xmin, ymin, xmax, ymax);
        solveur_pkg::probleme sous{zone.cote, {}};
        for (const int s : g.terminales) {
            const auto& terminale = p.terminales[static_cast<std::size_t>(s)];
            sous.terminales.push_back({zone.local(terminale.position), terminale.numero});
        }
        for (int x = zone.x0; x < zone.x0 + zone.cote; ++x) {
            for (int y = zone.y0; y < zone.y0 + zone.cote; ++y) {
                if (!dans_zone[static_cast<std::size_t>(plat.indice({x, y}))]) sous.terminales.push_back({zone.local({x, y}), 1});
            }
        }
        for (const int i : g.cases) dans_zone[static_cast<std::size_t>(i)] = 0;
        const auto r = solveur_pkg::resoudre(sous, 2, std::chrono::hours(1), noeuds_par_groupe);
        if (r.abandon || r.nombre_solutions != 1) return false;
    }
    return true;
}

}  // namespace unicite
