// Mesure de la génération des chemins : grilles entièrement peintes et disque troué, complexité 14.
#include <random>

#include <benchmark/benchmark.h>

#include "editeur_pkg.hpp"

namespace {

grille_pkg::grille_ptr grille_peinte(int cote, bool (*peinte)(int, int, int)) {
    auto g = std::make_shared<grille_pkg::grille>(cote);
    g->initialiser("mesure");
    for (int x = 1; x <= cote; ++x)
        for (int y = 1; y <= cote; ++y)
            if (peinte(cote, x, y)) g->rend_case({x, y})->occuper();
    return g;
}

bool pleine(int, int, int) { return true; }

// Disque de rayon 12 centré dans un 30 × 30, percé de trois trous de rayon 2.
bool disque_troue(int, int x, int y) {
    const auto dans = [&](double cx, double cy, double r) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
    return dans(15.5, 15.5, 12) && !dans(11, 12, 2) && !dans(20, 13, 2) && !dans(15, 21, 2);
}

void mesurer(benchmark::State& etat, int cote, bool (*peinte)(int, int, int)) {
    std::mt19937 alea(1);
    std::vector<float> suite(1000);
    for (float& u : suite) u = std::uniform_real_distribution<float>(0.0f, 1.0f)(alea);
    std::size_t chemins = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        auto g = grille_peinte(cote, peinte);
        aleatoire_pkg::source_suite source(suite);
        etat.ResumeTiming();
        editeur_pkg::editeur().generation_des_chemins(14, g, source);
        chemins = static_cast<std::size_t>(grille_pkg::listes_chemins::taille_liste(g->obtenir_solution()));
    }
    etat.counters["chemins"] = static_cast<double>(chemins);
}

}  // namespace

BENCHMARK_CAPTURE(mesurer, pleine_16, 16, pleine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mesurer, pleine_24, 24, pleine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mesurer, pleine_42, 42, pleine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mesurer, disque_troue_30, 30, disque_troue)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
