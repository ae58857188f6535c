// Solveur des grilles.
//
// Méthode. Une solution relie chaque case terminale de numéro N à une autre de même numéro par une
// marche de N cases exactement, dont les cases intérieures sont libres et ne sont pas des terminales ;
// les marches sont disjointes, les autres cases restent vides. Une terminale "1" est reliée d'office.
//
// La recherche alterne propagation et choix :
// - propagation : pour chaque terminale non reliée on énumère ses marches possibles (au plus deux).
//   Aucune : impasse. Une seule : elle est forcée et posée aussitôt (c'est ainsi que se traduisent les
//   routes imposées, les terminales qui n'ont plus qu'un partenaire possible et les cases que plus
//   aucune marche n'atteint). On recommence tant qu'une marche est posée.
// - choix : sinon, on branche sur la terminale la plus contrainte (le moins de marches possibles,
//   puis le plus petit numéro) et on essaie chacune de ses marches, avec retour arrière.
// L'énumération coupe toute marche qui ne peut plus finir sur un partenaire : il faut qu'un partenaire
// reste à une distance de Manhattan au plus égale aux pas restants, et de même parité.
// On s'arrête dès que le nombre de solutions voulu est atteint, ou à la limite de temps.
#include "solveur_pkg.hpp"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <unordered_map>

#include "case_terminale_pkg.hpp"

namespace solveur_pkg {

probleme depuis_grille(const grille_pkg::grille& g) {
    probleme p;
    p.taille = g.taille();
    for (int x = 1; x <= g.taille(); ++x) {
        for (int y = 1; y <= g.taille(); ++y) {
            const auto c = g.rend_case({x, y});
            if (case_terminale_pkg::est_case_terminale(c)) {
                p.terminales.push_back({{x, y}, static_cast<const case_terminale_pkg::case_terminale&>(*c).valeur()});
            }
        }
    }
    return p;
}

namespace {

constexpr int DX[4] = {0, 0, -1, 1};
constexpr int DY[4] = {1, -1, 0, 0};

struct abandon_recherche {};

// Marches candidates gardées à la fois pour une terminale : quelques dizaines de Mo au plus.
constexpr std::size_t CANDIDATS_MAX = 200'000;

class recherche {
public:
    recherche(const probleme& p, int maximum, std::chrono::steady_clock::duration limite, long long noeuds_max)
        : pb(p), t(p.taille), maximum(maximum), echeance(std::chrono::steady_clock::now() + limite), noeuds_max(noeuds_max) {
        libre.assign(static_cast<std::size_t>(t * t), 1);
        terminale_en.assign(static_cast<std::size_t>(t * t), -1);
        reliee.assign(p.terminales.size(), 0);
        for (std::size_t i = 0; i < p.terminales.size(); ++i) {
            const auto& c = p.terminales[i].position;
            terminale_en[indice(c.x, c.y)] = static_cast<int>(i);
            libre[indice(c.x, c.y)] = 0;
            meme_numero[p.terminales[i].numero].push_back(static_cast<int>(i));
        }
        sur_marche.assign(static_cast<std::size_t>(t * t), 0);
    }

    resultat executer() {
        resultat r;
        try {
            // Les "1" sont leurs propres chemins.
            for (std::size_t i = 0; i < pb.terminales.size(); ++i) {
                if (pb.terminales[i].numero == 1) {
                    reliee[i] = 1;
                    posees.push_back({pb.terminales[i].position});
                }
            }
            chercher();
        } catch (const abandon_recherche&) {
            r.abandon = true;
        }
        r.nombre_solutions = solutions;
        r.premiere_solution = premiere;
        r.noeuds = noeuds;
        return r;
    }

private:
    std::size_t indice(int x, int y) const { return static_cast<std::size_t>((x - 1) * t + (y - 1)); }
    bool dedans(int x, int y) const { return x >= 1 && x <= t && y >= 1 && y <= t; }

    void surveiller() {
        if (++noeuds > noeuds_max) throw abandon_recherche{};
        if ((noeuds & 1023) == 0 && std::chrono::steady_clock::now() > echeance) throw abandon_recherche{};
    }

    // Marches possibles de la terminale s, jusqu'à plafond ; chaque marche trouvée va à recevoir.
    int enumerer(int s, int plafond, const std::function<void(const route&)>& recevoir) {
        const terminale& depart = pb.terminales[static_cast<std::size_t>(s)];
        const int pas = depart.numero - 1;
        partenaires.clear();
        for (const int i : meme_numero[depart.numero]) {
            const terminale& autre = pb.terminales[static_cast<std::size_t>(i)];
            if (i == s || reliee[static_cast<std::size_t>(i)]) continue;
            const int d = std::abs(autre.position.x - depart.position.x) + std::abs(autre.position.y - depart.position.y);
            if (d <= pas && (pas - d) % 2 == 0) partenaires.push_back(i);
        }
        if (partenaires.empty()) return 0;
        trouvees = 0;
        marche.assign(1, depart.position);
        prolonger(s, pas, plafond, recevoir);
        return trouvees;
    }

    bool partenaire_atteignable(int x, int y, int restant) const {
        for (const int i : partenaires) {
            const auto& c = pb.terminales[static_cast<std::size_t>(i)].position;
            const int d = std::abs(c.x - x) + std::abs(c.y - y);
            if (d <= restant && (restant - d) % 2 == 0) return true;
        }
        return false;
    }

    void prolonger(int s, int restant, int plafond, const std::function<void(const route&)>& recevoir) {
        surveiller();
        const coordonnees c = marche.back();
        for (int k = 0; k < 4 && trouvees < plafond; ++k) {
            const int x = c.x + DX[k], y = c.y + DY[k];
            if (!dedans(x, y)) continue;
            const std::size_t i = indice(x, y);
            if (const int autre = terminale_en[i]; autre >= 0) {
                // Une terminale ne peut être que la dernière case, et un partenaire éligible.
                if (restant == 1 && autre != s &&
                    std::find(partenaires.begin(), partenaires.end(), autre) != partenaires.end()) {
                    marche.push_back({x, y});
                    ++trouvees;
                    recevoir(marche);
                    marche.pop_back();
                }
                continue;
            }
            if (restant == 1 || !libre[i] || sur_marche[i] || !partenaire_atteignable(x, y, restant - 1)) continue;
            sur_marche[i] = 1;
            marche.push_back({x, y});
            prolonger(s, restant - 1, plafond, recevoir);
            marche.pop_back();
            sur_marche[i] = 0;
        }
    }

    void poser(const route& r) {
        for (std::size_t i = 1; i + 1 < r.size(); ++i) libre[indice(r[i].x, r[i].y)] = 0;
        reliee[static_cast<std::size_t>(terminale_en[indice(r.front().x, r.front().y)])] = 1;
        reliee[static_cast<std::size_t>(terminale_en[indice(r.back().x, r.back().y)])] = 1;
        posees.push_back(r);
    }

    void retirer() {
        const route r = posees.back();
        posees.pop_back();
        for (std::size_t i = 1; i + 1 < r.size(); ++i) libre[indice(r[i].x, r[i].y)] = 1;
        reliee[static_cast<std::size_t>(terminale_en[indice(r.front().x, r.front().y)])] = 0;
        reliee[static_cast<std::size_t>(terminale_en[indice(r.back().x, r.back().y)])] = 0;
    }

    // Rend faux sur une impasse ; les marches forcées posées sont comptées dans posees_ici.
    bool propager(int& posees_ici) {
        for (bool change = true; change;) {
            change = false;
            for (std::size_t s = 0; s < pb.terminales.size(); ++s) {
                if (reliee[s]) continue;
                route unique;
                const int n = enumerer(static_cast<int>(s), 2, [&](const route& r) { unique = r; });
                if (n == 0) return false;
                if (n == 1) {
                    poser(unique);
                    ++posees_ici;
                    change = true;
                }
            }
        }
        return true;
    }

    void chercher() {
        int posees_ici = 0;
        if (propager(posees_ici)) {
            // La terminale la plus contrainte.
            int choisie = -1, moins = 0;
            for (std::size_t s = 0; s < pb.terminales.size(); ++s) {
                if (reliee[s]) continue;
                const int n = enumerer(static_cast<int>(s), 8, [](const route&) {});
                const bool meilleure = choisie < 0 || n < moins ||
                                       (n == moins && pb.terminales[s].numero < pb.terminales[static_cast<std::size_t>(choisie)].numero);
                if (meilleure) choisie = static_cast<int>(s), moins = n;
            }
            if (choisie < 0) {
                if (++solutions == 1) premiere = posees;
            } else {
                std::vector<route> essais;
                enumerer(choisie, 1 << 30, [&](const route& r) {
                    // Un grand chiffre dans une grille ouverte a des milliards de marches : passé cette borne, on
                    // abandonne plutôt que d'épuiser la mémoire.
                    if (essais.size() >= CANDIDATS_MAX) throw abandon_recherche{};
                    essais.push_back(r);
                });
                for (const route& r : essais) {
                    if (solutions >= maximum) break;
                    poser(r);
                    chercher();
                    retirer();
                }
            }
        }
        for (; posees_ici > 0; --posees_ici) retirer();
    }

    const probleme& pb;
    int t;
    int maximum;
    std::chrono::steady_clock::time_point echeance;
    long long noeuds_max;
    std::vector<std::uint8_t> libre, sur_marche;
    std::vector<int> terminale_en;
    std::unordered_map<int, std::vector<int>> meme_numero;  // terminales par numéro
    std::vector<std::uint8_t> reliee;
    std::vector<route> posees;
    std::vector<int> partenaires;
    route marche;
    int trouvees = 0;
    int solutions = 0;
    std::vector<route> premiere;
    long long noeuds = 0;
};

}  // namespace

resultat resoudre(const probleme& p, int maximum, std::chrono::steady_clock::duration limite, long long noeuds_max) {
    return recherche(p, maximum, limite, noeuds_max).executer();
}

}  // namespace solveur_pkg
