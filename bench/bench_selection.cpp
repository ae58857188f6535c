// Coût d'une image et d'une passe de sélection sur une grille de 42 × 42 cases cliquables.
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int cote = 42;

class case_cliquable : public objet_3d_recepteur_pkg::objet_3d_recepteur {
public:
    explicit case_cliquable(objet_3d_pkg::coordonnee_3d position) {
        positionner_objet3d(position);
        initialiser();
    }
    void afficher() override {
        preparer_affichage();
        glColor3f(0.4f, 0.6f, 0.9f);
        glBegin(GL_QUADS);
        glVertex3f(-0.45f, -0.45f, 0.0f);
        glVertex3f(0.45f, -0.45f, 0.0f);
        glVertex3f(0.45f, 0.45f, 0.0f);
        glVertex3f(-0.45f, 0.45f, 0.0f);
        glEnd();
        terminer_affichage();
    }
};

class grille : public objet_3d_pkg::objet_affichable {
public:
    grille() {
        const float depart = -(cote - 1) / 2.0f;
        for (int i = 0; i < cote; ++i) {
            for (int j = 0; j < cote; ++j) {
                ajouter_sous_objet(std::make_shared<case_cliquable>(
                    objet_3d_pkg::coordonnee_3d{depart + static_cast<float>(i), depart + static_cast<float>(j), 0.0f}));
            }
        }
        positionner_objet3d({0.0f, 0.0f, -55.0f});
    }
    void afficher() override {
        preparer_affichage();
        afficher_sous_objets();
        terminer_affichage();
    }
};

struct contexte {
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    std::shared_ptr<grille> scene;
    contexte() {
        scene_pkg::initialiser_fenetre(fenetre);
        scene = std::make_shared<grille>();
    }
};

contexte& le_contexte() {
    static contexte c;
    return c;
}

void image(benchmark::State& etat) {
    auto& c = le_contexte();
    for (auto _ : etat) {
        scene_pkg::afficher_scene(c.scene);
    }
}
BENCHMARK(image)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void passe_de_selection(benchmark::State& etat) {
    auto& c = le_contexte();
    for (auto _ : etat) {
        scene_pkg::afficher_mode_selection(c.scene, 400, 300);
        benchmark::DoNotOptimize(scene_pkg::obtenir_identifiant_hit());
    }
    etat.counters["objet"] = scene_pkg::obtenir_identifiant_hit();
}
BENCHMARK(passe_de_selection)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
