// Générateur de conception.
//
// On part de la couverture la plus simple, chaque case peinte seule : sa solution est unique. Puis on
// soude deux chemins voisins bout à bout (un bout de l'un touche un bout de l'autre, la somme des
// longueurs reste dans la complexité) et on garde la soudure seulement si la solution reste unique.
//
// Par tours : toutes les soudures possibles sont rangées les plus courtes d'abord (les cases seules en
// priorité), dans un ordre tiré au hasard à longueur égale ; chacune, sur des chemins que le tour n'a pas
// encore touchés, passe d'abord une preuve rapide sur une fenêtre (les chemins proches restent libres,
// les autres cases peintes sont bouchées) : une seconde solution dans la fenêtre en est une de la
// grille, la soudure est refusée. Les soudures du tour sont ensuite validées ensemble par une preuve
// exacte (unicite.cpp) ; si elle échoue, on garde le plus long début du tour qui passe et l'on refuse la
// soudure suivante. On s'arrête quand un tour ne soude plus rien.
//
// Tout se décide sur des nombres de nœuds du solveur, jamais sur le temps : le résultat est le même
// d'une exécution et d'une machine à l'autre.
#include "conception.hpp"

#include <algorithm>
#include <set>
#include <tuple>

#include "case_terminale_pkg.hpp"
#include "unicite.hpp"

namespace conception {

using case_simple_pkg::coordonnees;
using solveur_pkg::route;

namespace {

constexpr long long NOEUDS_FENETRE = 20'000;
constexpr int RAYON_FENETRE = 4;  // chemins libres : ceux qui passent à au plus quatre pas du chemin soudé
constexpr int MARGE_FENETRE = 2;  // cases de plus autour d'eux, où une autre solution pourrait passer

// a se termine par la case qui touche le début de b : le chemin soudé les met bout à bout.
route souder(route a, const coordonnees& bout_a, route b, const coordonnees& bout_b) {
    if (a.front() == bout_a && a.size() > 1) std::reverse(a.begin(), a.end());
    if (b.back() == bout_b && b.size() > 1) std::reverse(b.begin(), b.end());
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct soudure {
    int a, b;
    coordonnees bout_a, bout_b;
    int priorite;
    float tirage;
    auto cle() const { return std::tuple{a, b, bout_a.x, bout_a.y, bout_b.x, bout_b.y}; }
};

// Les chemins en cours, repérés par un numéro ; un chemin soudé prend un nouveau numéro (les refus qui
// concernaient ses morceaux deviennent caducs), ses morceaux restent vides.
class chantier {
public:
    chantier(const dessin::dessin_peint& d, int complexite) : t(d.cote), complexite(complexite), chemin_de(indices(t * t), -1) {
        for (int x = 1; x <= t; ++x) {
            for (int y = 1; y <= t; ++y) {
                if (!d.peinte(x, y)) continue;
                chemin_de[indice({x, y})] = static_cast<int>(chemins.size());
                chemins.push_back({{x, y}});
            }
        }
    }

    std::vector<soudure> possibles(const std::set<decltype(soudure{}.cle())>& refusees) const {
        std::vector<soudure> r;
        for (int a = 0; a < static_cast<int>(chemins.size()); ++a) {
            const route& ca = chemins[indices(a)];
            if (ca.empty()) continue;
            for (const auto& bout : {ca.front(), ca.back()}) {
                for (const auto& [dx, dy] : {std::pair{0, 1}, {0, -1}, {1, 0}, {-1, 0}}) {
                    const coordonnees voisin{bout.x + dx, bout.y + dy};
                    if (!dedans(voisin)) continue;
                    const int b = chemin_de[indice(voisin)];
                    if (b <= a) continue;  // chaque paire une fois, et pas soi-même
                    const route& cb = chemins[indices(b)];
                    if (!(cb.front() == voisin || cb.back() == voisin)) continue;
                    if (static_cast<int>(ca.size() + cb.size()) > complexite) continue;
                    const soudure s{a, b, bout, voisin, static_cast<int>(std::min(ca.size(), cb.size())), 0.0f};
                    if (!refusees.count(s.cle())) r.push_back(s);
                }
            }
        }
        return r;
    }

    // Pose la soudure et rend le numéro du chemin soudé.
    int poser(const soudure& s) {
        const int nouveau = static_cast<int>(chemins.size());
        chemins.push_back(souder(chemins[indices(s.a)], s.bout_a, chemins[indices(s.b)], s.bout_b));
        posees.push_back({s.a, s.b, std::move(chemins[indices(s.a)]), std::move(chemins[indices(s.b)])});
        chemins[indices(s.a)].clear();
        chemins[indices(s.b)].clear();
        for (const auto& c : chemins.back()) chemin_de[indice(c)] = nouveau;
        return nouveau;
    }

    void defaire() {
        auto& p = posees.back();
        chemins.pop_back();
        for (const auto& c : p.route_a) chemin_de[indice(c)] = p.a;
        for (const auto& c : p.route_b) chemin_de[indice(c)] = p.b;
        chemins[indices(p.a)] = std::move(p.route_a);
        chemins[indices(p.b)] = std::move(p.route_b);
        posees.pop_back();
    }

    std::size_t nombre_posees() const { return posees.size(); }
    void oublier_posees() { posees.clear(); }

    // Preuve rapide : les chemins qui passent près du chemin soudé restent libres dans un carré autour
    // d'eux, toute autre case peinte du carré est bouchée par un « 1 ».
    bool unique_dans_fenetre(int soude) {
        ++marque_courante;
        marque.resize(chemins.size(), 0);
        std::vector<int> libres;
        for (const auto& c : chemins[indices(soude)]) {
            for (int dx = -RAYON_FENETRE; dx <= RAYON_FENETRE; ++dx) {
                for (int dy = std::abs(dx) - RAYON_FENETRE; dy <= RAYON_FENETRE - std::abs(dx); ++dy) {
                    const coordonnees v{c.x + dx, c.y + dy};
                    if (!dedans(v)) continue;
                    const int id = chemin_de[indice(v)];
                    if (id >= 0 && marque[indices(id)] != marque_courante) marque[indices(id)] = marque_courante, libres.push_back(id);
                }
            }
        }
        int xmin = t, ymin = t, xmax = 1, ymax = 1;
        for (const int id : libres) {
            for (const auto& c : chemins[indices(id)]) {
                xmin = std::min(xmin, c.x), xmax = std::max(xmax, c.x), ymin = std::min(ymin, c.y), ymax = std::max(ymax, c.y);
            }
        }
        const unicite::cadre f = unicite::carre_autour(t, std::max(1, xmin - MARGE_FENETRE), std::max(1, ymin - MARGE_FENETRE),
                                                       std::min(t, xmax + MARGE_FENETRE), std::min(t, ymax + MARGE_FENETRE));
        solveur_pkg::probleme p{f.cote, {}};
        for (const int id : libres) {
            const route& r = chemins[indices(id)];
            const int n = static_cast<int>(r.size());
            p.terminales.push_back({f.local(r.front()), n});
            if (n > 1) p.terminales.push_back({f.local(r.back()), n});
        }
        for (int x = f.x0; x < f.x0 + f.cote; ++x) {
            for (int y = f.y0; y < f.y0 + f.cote; ++y) {
                const int id = chemin_de[indice({x, y})];
                if (id >= 0 && marque[indices(id)] != marque_courante) p.terminales.push_back({f.local({x, y}), 1});
            }
        }
        const auto r = solveur_pkg::resoudre(p, 2, std::chrono::hours(1), NOEUDS_FENETRE);
        return !r.abandon && r.nombre_solutions == 1;
    }

    bool unique() const { return unicite::prouver_unique(unicite::probleme_de(t, chemins), unicite::NOEUDS_PAR_GROUPE); }

    std::vector<route> chemins;

private:
    static std::size_t indices(int i) { return static_cast<std::size_t>(i); }
    std::size_t indice(const coordonnees& c) const { return static_cast<std::size_t>((c.x - 1) * t + (c.y - 1)); }
    bool dedans(const coordonnees& c) const { return c.x >= 1 && c.y >= 1 && c.x <= t && c.y <= t; }

    struct posee {
        int a, b;
        route route_a, route_b;
    };
    int t, complexite;
    std::vector<int> chemin_de;
    std::vector<posee> posees;  // soudures du tour en cours, pour revenir en arrière
    std::vector<int> marque;
    int marque_courante = 0;
};

}  // namespace

std::vector<route> concevoir(const dessin::dessin_peint& d, int complexite, aleatoire_pkg::source_uniforme& alea) {
    chantier c(d, complexite);
    std::set<decltype(soudure{}.cle())> refusees;  // entre chemins qui n'ont pas changé depuis
    for (;;) {
        std::vector<soudure> possibles = c.possibles(refusees);
        for (auto& s : possibles) s.tirage = alea.un_pourcentage();
        std::sort(possibles.begin(), possibles.end(), [](const soudure& g, const soudure& h) {
            return std::tie(g.priorite, g.tirage) < std::tie(h.priorite, h.tirage);
        });
        std::vector<std::uint8_t> touche(c.chemins.size(), 0);
        std::vector<soudure> tour;
        for (const soudure& s : possibles) {
            if (touche[static_cast<std::size_t>(s.a)] || touche[static_cast<std::size_t>(s.b)]) continue;
            if (c.unique_dans_fenetre(c.poser(s))) {
                touche[static_cast<std::size_t>(s.a)] = touche[static_cast<std::size_t>(s.b)] = 1;
                tour.push_back(s);
            } else {
                c.defaire();
                refusees.insert(s.cle());
            }
        }
        if (tour.empty()) break;
        if (!c.unique()) {
            // Le début vide du tour passe (la grille d'avant était unique), le tour entier non : on cherche
            // par dichotomie le plus long début qui passe, et l'on refuse la soudure qui le suit.
            std::size_t passe = 0, echoue = tour.size();
            while (echoue - passe > 1) {
                const std::size_t milieu = (passe + echoue) / 2;
                while (c.nombre_posees() > milieu) c.defaire();
                while (c.nombre_posees() < milieu) c.poser(tour[c.nombre_posees()]);
                (c.unique() ? passe : echoue) = milieu;
            }
            while (c.nombre_posees() > passe) c.defaire();
            while (c.nombre_posees() < passe) c.poser(tour[c.nombre_posees()]);
            refusees.insert(tour[passe].cle());
        }
        c.oublier_posees();
    }
    std::vector<route> resultat;
    for (auto& r : c.chemins) {
        if (r.empty()) continue;
        // Départ au bout le premier dans l'ordre de balayage.
        if (std::tie(r.back().x, r.back().y) < std::tie(r.front().x, r.front().y)) std::reverse(r.begin(), r.end());
        resultat.push_back(r);
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
