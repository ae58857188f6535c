// Sauvegarde et reprise d'une campagne entière (soixante parties, grilles livrées), dans un répertoire jetable.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <stdlib.h>
#include <unistd.h>

#include "campagne_pkg.hpp"
#include "niveau_pkg.hpp"

namespace {

namespace fs = std::filesystem;

// Répertoire de travail jetable, avec les grilles livrées de la campagne en lien, et la campagne d'un compte.
struct racine_de_mesure {
    fs::path ancien = fs::current_path();
    fs::path chemin;
    campagne_pkg::campagne campagne;

    racine_de_mesure() {
        std::string modele = (fs::temp_directory_path() / "tessaline-mesure-XXXXXX").string();
        chemin = mkdtemp(modele.data());
        fs::current_path(chemin);
        fs::create_directory_symlink(fs::path(TESSALINE_DONNEES) / "campagne", "campagne");
        campagne.initialiser_campagne();
        campagne.definir_nom("mesure");
    }
    ~racine_de_mesure() {
        fs::current_path(ancien);
        fs::remove_all(chemin);
    }
};

void sauvegarder(benchmark::State& etat) {
    racine_de_mesure racine;
    for (auto _ : etat) racine.campagne.sauvegarder_campagne();
}

void charger(benchmark::State& etat) {
    racine_de_mesure racine;
    racine.campagne.sauvegarder_campagne();
    for (auto _ : etat) {
        // Comme le jeu : une campagne neuve, bâtie sur les grilles livrées, puis la sauvegarde lue par-dessus.
        campagne_pkg::campagne lue;
        lue.initialiser_campagne();
        lue.definir_nom("mesure");
        lue.charger_campagne();
        benchmark::DoNotOptimize(lue);
    }
}

}  // namespace

BENCHMARK(sauvegarder)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(charger)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
