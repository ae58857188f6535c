// Solveur : petits puzzles faits main (0, 1, plusieurs solutions) et comptes identiques à une recherche
// exhaustive sans propagation sur des puzzles au hasard.
#include <functional>
#include <set>
#include <random>

#include <gtest/gtest.h>

#include "editeur_pkg.hpp"
#include "solveur_pkg.hpp"

using solveur_pkg::probleme;

namespace {

probleme puzzle(int taille, std::vector<solveur_pkg::terminale> terminales) { return {taille, std::move(terminales)}; }

TEST(Solveur, PuzzlesFaitsMain) {
    struct cas { const char* nom; probleme p; int solutions; };
    const cas table[] = {
        {"rien a relier", puzzle(3, {}), 1},
        {"un seul 1", puzzle(2, {{{1, 1}, 1}}), 1},
        {"2 voisins", puzzle(2, {{{1, 1}, 2}, {{1, 2}, 2}}), 1},
        {"2 sans partenaire", puzzle(2, {{{1, 1}, 2}}), 0},
        {"2 trop loin", puzzle(3, {{{1, 1}, 2}, {{3, 3}, 2}}), 0},
        {"3 en ligne", puzzle(3, {{{1, 2}, 3}, {{3, 2}, 3}}), 1},
        {"3 en coin : deux routes", puzzle(3, {{{1, 1}, 3}, {{2, 2}, 3}}), 2},
        {"3 en coin, un 1 bloque une route", puzzle(3, {{{1, 1}, 3}, {{2, 2}, 3}, {{2, 1}, 1}}), 1},
        {"3 en coin, les deux routes bloquees", puzzle(2, {{{1, 1}, 3}, {{2, 2}, 3}, {{2, 1}, 1}, {{1, 2}, 1}}), 0},
        {"parite impossible", puzzle(3, {{{1, 1}, 3}, {{2, 1}, 3}}), 0},
        {"4 voisins : un seul detour", puzzle(3, {{{1, 1}, 4}, {{2, 1}, 4}}), 1},
        {"quatre 3 : plusieurs appariements", puzzle(3, {{{1, 2}, 3}, {{3, 2}, 3}, {{2, 1}, 3}, {{2, 3}, 3}}), 5},
        {"trois partenaires possibles", puzzle(3, {{{2, 2}, 2}, {{1, 2}, 2}, {{3, 2}, 2}}), 0},
        {"4 autour d'un 1", puzzle(3, {{{1, 1}, 4}, {{3, 1}, 4}, {{2, 1}, 1}}), 0},
        {"5 autour d'un 1", puzzle(3, {{{1, 1}, 5}, {{3, 1}, 5}, {{2, 1}, 1}}), 1},
    };
    for (const cas& c : table) {
        const auto r = solveur_pkg::resoudre(c.p, 5);
        EXPECT_EQ(r.nombre_solutions, c.solutions) << c.nom;
        EXPECT_FALSE(r.abandon) << c.nom;
        if (c.solutions > 0) {
            // Une solution couvre chaque terminale une fois, par des marches disjointes de la bonne longueur.
            std::set<std::pair<int, int>> vues;
            for (const auto& route : r.premiere_solution) {
                for (const auto& cellule : route) EXPECT_TRUE(vues.insert({cellule.x, cellule.y}).second) << c.nom;
            }
            for (const auto& t : c.p.terminales) EXPECT_EQ(vues.count({t.position.x, t.position.y}), 1u) << c.nom;
        }
    }
}

// Recherche exhaustive : première terminale non reliée, toutes ses marches, sans rien couper.
int compter_exhaustivement(const probleme& p) {
    const int t = p.taille;
    std::vector<int> terminale(static_cast<std::size_t>(t * t + 1), -1);
    const auto idx = [t](int x, int y) { return static_cast<std::size_t>((x - 1) * t + (y - 1)); };
    for (std::size_t i = 0; i < p.terminales.size(); ++i) terminale[idx(p.terminales[i].position.x, p.terminales[i].position.y)] = static_cast<int>(i);
    std::vector<bool> prise(static_cast<std::size_t>(t * t), false), reliee(p.terminales.size(), false);
    std::function<int()> compter = [&]() -> int {
        int s = -1;
        for (std::size_t i = 0; i < p.terminales.size() && s < 0; ++i)
            if (!reliee[i]) s = static_cast<int>(i);
        if (s < 0) return 1;
        const auto& depart = p.terminales[static_cast<std::size_t>(s)];
        if (depart.numero == 1) {
            reliee[static_cast<std::size_t>(s)] = true;
            const int n = compter();
            reliee[static_cast<std::size_t>(s)] = false;
            return n;
        }
        int total = 0;
        std::function<void(int, int, int)> marcher = [&](int x, int y, int restant) {
            const int dx[4] = {0, 0, -1, 1}, dy[4] = {1, -1, 0, 0};
            for (int k = 0; k < 4; ++k) {
                const int nx = x + dx[k], ny = y + dy[k];
                if (nx < 1 || ny < 1 || nx > t || ny > t) continue;
                const std::size_t i = idx(nx, ny);
                const int autre = terminale[i];
                if (autre >= 0) {
                    if (restant == 1 && autre != s && !reliee[static_cast<std::size_t>(autre)] &&
                        p.terminales[static_cast<std::size_t>(autre)].numero == depart.numero) {
                        reliee[static_cast<std::size_t>(s)] = reliee[static_cast<std::size_t>(autre)] = true;
                        total += compter();
                        reliee[static_cast<std::size_t>(s)] = reliee[static_cast<std::size_t>(autre)] = false;
                    }
                } else if (restant > 1 && !prise[i]) {
                    prise[i] = true;
                    marcher(nx, ny, restant - 1);
                    prise[i] = false;
                }
            }
        };
        marcher(depart.position.x, depart.position.y, depart.numero - 1);
        return total;
    };
    return compter();
}

TEST(Solveur, CommeLaRechercheExhaustiveSurDesPuzzlesAuHasard) {
    std::mt19937 alea(7);
    int avec_plusieurs = 0, sans = 0;
    for (int essai = 0; essai < 400; ++essai) {
        const int t = 3 + static_cast<int>(alea() % 3);
        probleme p{t, {}};
        std::set<std::pair<int, int>> prises;
        const int paires = 1 + static_cast<int>(alea() % 4);
        for (int k = 0; k < paires; ++k) {
            const int n = 1 + static_cast<int>(alea() % 5);
            for (int bout = 0; bout < (n == 1 ? 1 : 2); ++bout) {
                const int x = 1 + static_cast<int>(alea() % static_cast<unsigned>(t)), y = 1 + static_cast<int>(alea() % static_cast<unsigned>(t));
                if (prises.insert({x, y}).second) p.terminales.push_back({{x, y}, n});
            }
        }
        const int attendu = compter_exhaustivement(p);
        const auto r = solveur_pkg::resoudre(p, 1000);
        ASSERT_EQ(r.nombre_solutions, std::min(attendu, 1000)) << "essai " << essai;
        avec_plusieurs += attendu > 1;
        sans += attendu == 0;
    }
    // Le tirage couvre les trois cas.
    EXPECT_GT(avec_plusieurs, 20);
    EXPECT_GT(sans, 20);
}

TEST(Solveur, CommeLaRechercheExhaustiveSurDesGrillesDeLEditeur) {
    std::mt19937 alea(11);
    for (int essai = 0; essai < 150; ++essai) {
        const int t = 3 + static_cast<int>(alea() % 4);
        editeur_pkg::editeur e;
        e.initialiser(t, "g");
        for (int x = 1; x <= t; ++x)
            for (int y = 1; y <= t; ++y)
                if (alea() % 4 == 0) e.obtenir_grille()->rend_case({x, y})->liberer();
        aleatoire_pkg::source_suite source({std::uniform_real_distribution<float>(0.0f, 1.0f)(alea), 0.3f, 0.8f});
        e.generation_des_chemins(4 + static_cast<int>(alea() % 4), e.obtenir_grille(), source);
        const probleme p = solveur_pkg::depuis_grille(*e.obtenir_grille());
        ASSERT_EQ(solveur_pkg::resoudre(p, 1000).nombre_solutions, std::min(compter_exhaustivement(p), 1000)) << "essai " << essai;
    }
}

TEST(Solveur, AbandonALaLimite) {
    // Deux "14" dans une grande grille vide : des millions de marches, rien ne force.
    probleme p{30, {{{10, 10}, 14}, {{11, 12}, 14}, {{20, 20}, 14}, {{21, 22}, 14}}};
    const auto r = solveur_pkg::resoudre(p, 1'000'000'000, std::chrono::milliseconds(50));
    EXPECT_TRUE(r.abandon);
}

// Deux « 30 » dans un 42 × 42 vide : des milliards de marches. La recherche s'arrête à sa borne de mémoire
// (les marches en attente d'essai) et le dit, au lieu de réserver des gigaoctets puis d'abandonner.
TEST(Solveur, TropDeMarchesEnAttenteArreteALaLimiteDeMemoire) {
    probleme p{42, {{{10, 10}, 30}, {{13, 10}, 30}}};
    const auto r = solveur_pkg::resoudre(p);
    EXPECT_TRUE(r.abandon);
    EXPECT_EQ(r.cause, solveur_pkg::arret::memoire);
    EXPECT_EQ(r.nombre_solutions, 0);
}

// Une marche de 39 999 cases : énumération et retour arrière tiennent leur pile dans des tableaux, la pile
// d'appels ne déborde pas ; la recherche s'arrête à sa limite de nœuds.
TEST(Solveur, UneMarcheTresLongueNeDebordePasLaPile) {
    const probleme p{200, {{{1, 1}, 39999}, {{2, 2}, 39999}}};
    solveur_pkg::limites l;
    l.noeuds = 300'000;
    const auto r = solveur_pkg::resoudre(p, l);
    EXPECT_TRUE(r.abandon);
    EXPECT_EQ(r.cause, solveur_pkg::arret::noeuds);
}

TEST(Solveur, UneRechercheQuiFinitNeSignaleAucunArret) {
    const auto r = solveur_pkg::resoudre({2, {{{1, 1}, 3}, {{2, 2}, 3}}});
    EXPECT_FALSE(r.abandon);
    EXPECT_EQ(r.cause, solveur_pkg::arret::aucun);
    EXPECT_EQ(r.nombre_solutions, 2);
}

}  // namespace
