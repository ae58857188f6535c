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
// On s'arrête dès que le nombre de solutions voulu est atteint, ou à une limite : temps, nœuds, ou mémoire
// (cases des marches gardées en attente d'essai).
//
// Ni l'énumération ni le retour arrière ne sont récursifs : leurs piles sont des tableaux, dont la hauteur
// suit le numéro des terminales et leur nombre, si bien qu'une grande grille ne déborde jamais la pile.
#include "solveur_pkg.hpp"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
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

struct abandon_recherche {
    arret cause;
};

class recherche {
public:
    recherche(const probleme& p, const limites& l)
        : pb(p), t(p.taille), lim(l), echeance(std::chrono::steady_clock::now() + l.temps) {
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
        } catch (const abandon_recherche& a) {
            r.abandon = true;
            r.cause = a.cause;
        }
        r.nombre_solutions = solutions;
        r.premiere_solution = premiere;
        r.noeuds = noeuds;
        return r;
    }

private:
    // Un niveau du retour arrière : les marches forcées qu'il a posées, les essais de sa terminale choisie.
    struct niveau {
        int posees_ici = 0;
        std::vector<route> essais;
        std::size_t suivant = 0;
        bool essai_pose = false;
        long long cases = 0;  // cases des essais, comptées dans cases_en_attente
    };

    std::size_t indice(int x, int y) const { return static_cast<std::size_t>((x - 1) * t + (y - 1)); }
    bool dedans(int x, int y) const { return x >= 1 && x <= t && y >= 1 && y <= t; }

    void surveiller() {
        if (++noeuds > lim.noeuds) throw abandon_recherche{arret::noeuds};
        if ((noeuds & 1023) == 0 && std::chrono::steady_clock::now() > echeance) throw abandon_recherche{arret::temps};
    }

    // Marches possibles de la terminale s, jusqu'à plafond ; chaque marche trouvée va à recevoir.
    // Parcours en profondeur sur une pile : pour chaque case de la marche, la prochaine direction à essayer.
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
        directions.assign(1, 0);
        surveiller();
        while (!directions.empty()) {
            const int k = directions.back();
            if (k >= 4 || trouvees >= plafond) {
                directions.pop_back();
                if (marche.size() > 1) {
                    sur_marche[indice(marche.back().x, marche.back().y)] = 0;
                    marche.pop_back();
                }
                continue;
            }
            ++directions.back();
            const int restant = pas - static_cast<int>(marche.size() - 1);
            const int x = marche.back().x + DX[k], y = marche.back().y + DY[k];
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
            directions.push_back(0);
            surveiller();
        }
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

    // Propagation puis choix de la terminale la plus contrainte, dont les marches deviennent les essais du niveau.
    niveau ouvrir_niveau() {
        niveau n;
        if (!propager(n.posees_ici)) return n;
        int choisie = -1, moins = 0;
        for (std::size_t s = 0; s < pb.terminales.size(); ++s) {
            if (reliee[s]) continue;
            const int nombre = enumerer(static_cast<int>(s), 8, [](const route&) {});
            const bool meilleure = choisie < 0 || nombre < moins ||
                                   (nombre == moins && pb.terminales[s].numero < pb.terminales[static_cast<std::size_t>(choisie)].numero);
            if (meilleure) choisie = static_cast<int>(s), moins = nombre;
        }
        if (choisie < 0) {
            if (++solutions == 1) premiere = posees;
            return n;
        }
        // Les essais d'un niveau attendent sur la pile : leur mémoire est bornée, tous niveaux confondus.
        enumerer(choisie, std::numeric_limits<int>::max(), [&](const route& r) {
            n.cases += static_cast<long long>(r.size());
            if (cases_en_attente + n.cases > lim.cases_en_attente) throw abandon_recherche{arret::memoire};
            n.essais.push_back(r);
        });
        cases_en_attente += n.cases;
        return n;
    }

    void chercher() {
        std::vector<niveau> pile;
        pile.push_back(ouvrir_niveau());
        while (!pile.empty()) {
            niveau& n = pile.back();
            if (n.essai_pose) {
                retirer();
                n.essai_pose = false;
            }
            if (n.suivant < n.essais.size() && solutions < lim.maximum) {
                poser(n.essais[n.suivant++]);
                n.essai_pose = true;
                pile.push_back(ouvrir_niveau());
            } else {
                for (; n.posees_ici > 0; --n.posees_ici) retirer();
                cases_en_attente -= n.cases;
                pile.pop_back();
            }
        }
    }

    const probleme& pb;
    int t;
    limites lim;
    std::chrono::steady_clock::time_point echeance;
    std::vector<std::uint8_t> libre, sur_marche;
    std::vector<int> terminale_en;
    std::unordered_map<int, std::vector<int>> meme_numero;  // terminales par numéro
    std::vector<std::uint8_t> reliee;
    std::vector<route> posees;
    std::vector<int> partenaires;
    route marche;
    std::vector<int> directions;  // pour chaque case de la marche, la prochaine direction à essayer
    int trouvees = 0;
    int solutions = 0;
    std::vector<route> premiere;
    long long noeuds = 0;
    long long cases_en_attente = 0;
};

}  // namespace

resultat resoudre(const probleme& p, int maximum, std::chrono::steady_clock::duration limite, long long noeuds_max) {
    return resoudre(p, limites{maximum, limite, noeuds_max});
}

resultat resoudre(const probleme& p, const limites& l) { return recherche(p, l).executer(); }

}  // namespace solveur_pkg
