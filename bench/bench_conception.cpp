// Mesure du générateur de conception : 42 × 42 tout peint en complexité 14 (le pire cas de l'éditeur),
// avec les nombres aléatoires fixés du contenu livré ; médiane de trois passages.
#include <fstream>

#include <benchmark/benchmark.h>

#include "conception.hpp"

namespace {

std::vector<float> aleas_du_contenu() {
    std::ifstream flux(TESSALINE_CONTENU "/aleas.txt");
    std::vector<float> suite;
    for (float u = 0.0f; flux >> u;) suite.push_back(u);
    return suite.empty() ? std::vector<float>{0.5f} : suite;
}

void concevoir_plein(benchmark::State& etat, int cote, int complexite) {
    const dessin::dessin_peint d{cote, std::vector<bool>(static_cast<std::size_t>(cote * cote), true)};
    const auto suite = aleas_du_contenu();
    std::size_t chemins = 0;
    for (auto _ : etat) {
        aleatoire_pkg::source_suite source(suite);
        chemins = conception::concevoir(d, complexite, source).size();
    }
    etat.counters["chemins"] = static_cast<double>(chemins);
}

}  // namespace

BENCHMARK_CAPTURE(concevoir_plein, plein_42_c14, 42, 14)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
