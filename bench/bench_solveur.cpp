// Mesure du solveur sur chaque grille livrée (campagne et jeu libre).
#include <filesystem>

#include <benchmark/benchmark.h>

#include "grille_libre_pkg.hpp"
#include "solveur_pkg.hpp"

namespace {

void resoudre_fichier(benchmark::State& etat, const std::filesystem::path& fichier) {
    grille_libre_pkg::grille_libre g;
    g.charger_grille_libre(fichier.parent_path().string() + "/", fichier.filename().string());
    const auto p = solveur_pkg::depuis_grille(*g.obtenir_grille());
    int solutions = 0;
    for (auto _ : etat) solutions = solveur_pkg::resoudre(p).nombre_solutions;
    etat.counters["solutions"] = solutions;
    etat.counters["cote"] = g.obtenir_grille()->taille();
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path donnees = TESSALINE_DONNEES;
    for (const auto* dossier : {"campagne/grilles", "grilles"}) {
        for (const auto& entree : std::filesystem::directory_iterator(donnees / dossier)) {
            benchmark::RegisterBenchmark(entree.path().filename().string().c_str(), resoudre_fichier, entree.path())
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
