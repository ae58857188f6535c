// Générateur de conception.
//
// On part de la couverture la plus simple, chaque case peinte seule : sa solution est unique. Puis on
// soude deux chemins voisins bout à bout (un bout de l'un touche un bout de l'autre, la somme des
// longueurs reste dans la complexité) et on garde la soudure seulement si le solveur prouve encore une
// solution unique. Les soudures sont essayées les plus courtes d'abord (les cases seules en priorité),
// dans un ordre tiré au hasard à longueur égale, par lots de chemins distincts validés d'une seule
// preuve (un lot refusé est coupé en deux), jusqu'à ce qu'aucune ne passe plus.
#include "conception.hpp"

#include <algorithm>
#include <set>
#include <tuple>

#include "case_terminale_pkg.hpp"

namespace conception {

using solveur_pkg::route;

namespace {

solveur_pkg::probleme probleme_de(int cote, const std::vector<route>& chemins) {
    solveur_pkg::probleme p{cote, {}};
    for (const auto& c : chemins) {
        if (c.empty()) continue;
        const int n = static_cast<int>(c.size());
        p.terminales.push_back({c.front(), n});
        if (n > 1) p.terminales.push_back({c.back(), n});
    }
    return p;
}

bool unique(int cote, const std::vector<route>& chemins) {
    // Une preuve trop longue compte comme un refus ; la limite en nœuds garde le résultat reproductible.
    const auto r = solveur_pkg::resoudre(probleme_de(cote, chemins), 2, std::chrono::hours(1), 200'000);
    return !r.abandon && r.nombre_solutions == 1;
}

// a se termine par la case qui touche le début de b : le chemin soudé les met bout à bout.
route souder(route a, const case_simple_pkg::coordonnees& bout_a, route b, const case_simple_pkg::coordonnees& bout_b) {
    if (a.front() == bout_a && a.size() > 1) std::reverse(a.begin(), a.end());
    if (b.back() == bout_b && b.size() > 1) std::reverse(b.begin(), b.end());
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct soudure {
    int a, b;
    case_simple_pkg::coordonnees bout_a, bout_b;
    int priorite;
    float tirage;
};

using refus = std::set<std::tuple<int, int, int, int, int, int>>;

std::vector<route> avec_soudures(const std::vector<route>& chemins, const std::vector<soudure>& lot) {
    std::vector<route> essai = chemins;
    for (const soudure& s : lot) {
        essai[static_cast<std::size_t>(s.a)] = souder(chemins[static_cast<std::size_t>(s.a)], s.bout_a,
                                                      chemins[static_cast<std::size_t>(s.b)], s.bout_b);
        essai[static_cast<std::size_t>(s.b)].clear();
    }
    return essai;
}

// Essaie le lot d'un coup ; s'il échoue, chaque moitié à son tour (recherche par groupes : la plupart
// des soudures passent, une seule preuve en valide beaucoup). Rend le nombre de soudures gardées.
int essayer_lot(const std::vector<soudure>& lot, std::vector<route>& chemins, std::vector<int>& chemin_de,
                refus& refusees, int t) {
    if (lot.empty()) return 0;
    if (unique(t, avec_soudures(chemins, lot))) {
        for (const soudure& s : lot) {
            // Le chemin soudé prend un nouveau numéro : les refus qui le concernaient sont caducs.
            const int nouveau = static_cast<int>(chemins.size());
            chemins.push_back(souder(chemins[static_cast<std::size_t>(s.a)], s.bout_a,
                                     chemins[static_cast<std::size_t>(s.b)], s.bout_b));
            chemins[static_cast<std::size_t>(s.a)].clear();
            chemins[static_cast<std::size_t>(s.b)].clear();
            for (const auto& c : chemins.back()) chemin_de[static_cast<std::size_t>((c.x - 1) * t + (c.y - 1))] = nouveau;
        }
        return static_cast<int>(lot.size());
    }
    if (lot.size() == 1) {
        const soudure& s = lot.front();
        refusees.insert({s.a, s.b, s.bout_a.x, s.bout_a.y, s.bout_b.x, s.bout_b.y});
        return 0;
    }
    const auto milieu = lot.begin() + static_cast<std::ptrdiff_t>(lot.size() / 2);
    const int premiers = essayer_lot({lot.begin(), milieu}, chemins, chemin_de, refusees, t);
    return premiers + essayer_lot({milieu, lot.end()}, chemins, chemin_de, refusees, t);
}

}  // namespace

std::vector<route> concevoir(const dessin::dessin_peint& d, int complexite, aleatoire_pkg::source_uniforme& alea) {
    const int t = d.cote;
    std::vector<route> chemins;
    std::vector<int> chemin_de(static_cast<std::size_t>(t * t), -1);
    const auto idx = [t](int x, int y) { return static_cast<std::size_t>((x - 1) * t + (y - 1)); };
    for (int x = 1; x <= t; ++x) {
        for (int y = 1; y <= t; ++y) {
            if (!d.peinte(x, y)) continue;
            chemin_de[idx(x, y)] = static_cast<int>(chemins.size());
            chemins.push_back({{x, y}});
        }
    }
    // Soudures refusées entre deux chemins qui n'ont pas changé depuis.
    refus refusees;
    for (bool soude = true; soude;) {
        soude = false;
        std::vector<soudure> possibles;
        for (int a = 0; a < static_cast<int>(chemins.size()); ++a) {
            const route& ca = chemins[static_cast<std::size_t>(a)];
            if (ca.empty()) continue;
            for (const auto& bout : {ca.front(), ca.back()}) {
                for (const auto& [dx, dy] : {std::pair{0, 1}, {0, -1}, {1, 0}, {-1, 0}}) {
                    const int x = bout.x + dx, y = bout.y + dy;
                    if (x < 1 || y < 1 || x > t || y > t) continue;
                    const int b = chemin_de[idx(x, y)];
                    if (b <= a) continue;  // chaque paire une fois, et pas soi-même
                    const route& cb = chemins[static_cast<std::size_t>(b)];
                    const case_simple_pkg::coordonnees voisin{x, y};
                    if (!(cb.front() == voisin || cb.back() == voisin)) continue;
                    if (static_cast<int>(ca.size() + cb.size()) > complexite) continue;
                    if (refusees.count({a, b, bout.x, bout.y, x, y})) continue;
                    possibles.push_back({a, b, bout, voisin, static_cast<int>(std::min(ca.size(), cb.size())), 0.0f});
                }
            }
        }
        for (auto& s : possibles) s.tirage = alea.un_pourcentage();
        std::sort(possibles.begin(), possibles.end(), [](const soudure& g, const soudure& h) {
            return std::tie(g.priorite, g.tirage) < std::tie(h.priorite, h.tirage);
        });
        // Un lot de soudures sur des chemins tous différents, essayé d'un seul appel au solveur.
        std::vector<soudure> lot;
        std::set<int> touches;
        for (const soudure& s : possibles) {
            if (lot.size() >= 32) break;
            if (touches.count(s.a) || touches.count(s.b)) continue;
            touches.insert(s.a);
            touches.insert(s.b);
            lot.push_back(s);
        }
        soude = essayer_lot(lot, chemins, chemin_de, refusees, t) > 0;
    }
    std::vector<route> resultat;
    for (auto& c : chemins) {
        if (c.empty()) continue;
        // Départ au bout le premier dans l'ordre de balayage.
        if (std::tie(c.back().x, c.back().y) < std::tie(c.front().x, c.front().y)) std::reverse(c.begin(), c.end());
        resultat.push_back(c);
    }
    std::sort(resultat.begin(), resultat.end(), [](const route& g, const route& h) {
        return std::tie(g.front().x, g.front().y) < std::tie(h.front().x, h.front().y);
    });
    return resultat;
}

void poser_chemins(grille_pkg::grille& g, const std::vector<route>& chemins) {
    g.liberer_cases();  // les cases peintes de l'éditeur sont occupées
    for (const auto& c : chemins) {
        const int n = static_cast<int>(c.size());
        g.definir_case(std::make_shared<case_terminale_pkg::case_terminale>(n), c.front());
        g.definir_case(std::make_shared<case_terminale_pkg::case_terminale>(n), c.back());
    }
    for (const auto& c : chemins) {
        auto chemin = std::make_shared<grille_pkg::chemin>();
        chemin->initialiser(g, g.rend_case(c.front()));
        for (std::size_t i = 1; i < c.size(); ++i) {
            const int dx = c[i].x - c[i - 1].x, dy = c[i].y - c[i - 1].y;
            chemin->avancer(dx == 1 ? grille_pkg::direction::droite : dx == -1 ? grille_pkg::direction::gauche
                            : dy == 1 ? grille_pkg::direction::haut : grille_pkg::direction::bas);
        }
        g.ajouter_chemin_solution(chemin);
    }
    g.liberer_cases();
}

}  // namespace conception
