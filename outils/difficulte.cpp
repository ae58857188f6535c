// Mesure de la difficulté.
//
// On applique la règle 1 seule jusqu'au bout, puis les règles 1 et 2, puis, tant qu'il reste à faire,
// des passages d'essais de profondeur 1 (et 2 si la 1 ne donne rien), chacun suivi des règles. Chaque
// case couverte reçoit le poids de l'étape qui l'a fixée : 1 pour la règle 1, 2 pour la règle 2,
// 2 + 2 p après un essai de profondeur p, 10 si rien ne l'a fixée (il faudrait chercher à tâtons).
// La note est le poids moyen multiplié par log2(1 + cases) : une grande grille demande plus de travail,
// mais c'est la manière de raisonner qui fait l'essentiel de l'écart.
#include "difficulte.hpp"

#include <cmath>

namespace difficulte {

namespace {

constexpr double POIDS_REGLE1 = 1.0, POIDS_REGLE2 = 2.0, POIDS_RECHERCHE = 10.0;

double poids_essai(int profondeur) { return 2.0 + 2.0 * profondeur; }

}  // namespace

mesure mesurer(const solveur_pkg::probleme& p, const std::vector<solveur_pkg::route>& solution, deduction::limites l) {
    deduction::moteur m(p, l);
    const auto& plat = m.le_plateau();
    std::vector<int> couvertes;
    for (const auto& chemin : solution) {
        for (const auto& c : chemin) {
            if (c.x >= 1 && c.y >= 1 && c.x <= p.taille && c.y <= p.taille) couvertes.push_back(plat.indice(c));
        }
    }
    mesure r;
    r.cases = static_cast<int>(couvertes.size());
    if (r.cases == 0) return r;

    int fixees = 0;
    double poids = 0.0;
    const auto etape = [&](double poids_etape) {
        int n = 0;
        for (const int c : couvertes) n += m.case_fixee(c);
        poids += poids_etape * (n - fixees);
        fixees = n;
    };
    r.contradiction = !m.propager(deduction::regles::unique_marche);
    etape(POIDS_REGLE1);
    r.part_regle1 = static_cast<double>(fixees) / r.cases;
    r.contradiction = r.contradiction || !m.propager(deduction::regles::cases_communes);
    etape(POIDS_REGLE2);
    r.part_regles12 = static_cast<double>(fixees) / r.cases;
    while (!r.contradiction && !m.termine()) {
        int profondeur = 1, ecartees = 0;
        for (; profondeur <= PROFONDEUR_MAX && !m.budget_epuise(); ++profondeur) {
            if ((ecartees = m.essayer(profondeur)) > 0) break;
        }
        if (ecartees == 0) break;
        r.essais += ecartees;
        r.profondeur = std::max(r.profondeur, profondeur);
        r.contradiction = !m.propager(deduction::regles::cases_communes);
        etape(poids_essai(profondeur));
    }
    r.part_restante = 1.0 - static_cast<double>(fixees) / r.cases;
    poids += POIDS_RECHERCHE * (r.cases - fixees);
    r.score = std::log2(1.0 + r.cases) * poids / r.cases;
    return r;
}

}  // namespace difficulte
