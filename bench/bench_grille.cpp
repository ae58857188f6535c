// Coût d'une image et d'une passe de sélection pour une grille de 42 × 42 cases à l'échelle du jeu libre.
#include "case_term_3d_pkg.hpp"
#include "curseur_3d_pkg.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "grille_3d_pkg.hpp"
#include "mesure_images.hpp"
#include "racine_de_scene.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <iostream>
#include <memory>
#include <vector>

namespace {

constexpr int cote = 42;
constexpr int images_de_chauffe = 20;
constexpr int images_mesurees = 200;

// Comme l'écran du jeu libre pour une grille de plus de 16 cases : échelle 10 / côté, 17 unités devant l'œil.
const objet_3d_pkg::coordonnee_3d position_jeu_libre{-2.0f, 0.0f, -17.0f};
const float echelle_jeu_libre = 10.0f / static_cast<float>(cote);

// Une case terminale sur sept, une case sur deux occupée en damier (la texture change à chaque tuile),
// une ligne de loupes d'aide.
grille_pkg::grille_ptr grille_de_mesure() {
    auto g = std::make_shared<grille_pkg::grille>(cote);
    g->initialiser("mesure");
    for (int x = 1; x <= cote; ++x) {
        for (int y = 1; y <= cote; ++y) {
            if ((x * cote + y) % 7 == 0) {
                g->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(1 + (x + y) % 14), {x, y});
            }
            if ((x + y) % 2 == 0) {
                g->rend_case({x, y})->occuper();
            }
        }
    }
    return g;
}

struct statistiques {
    double mediane, p10, p90;
};

statistiques resumer(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    auto rang = [&](double q) { return ms.at(static_cast<std::size_t>(q * static_cast<double>(ms.size() - 1))); };
    return {rang(0.5), rang(0.1), rang(0.9)};
}

// Durée murale et temps processeur de chaque répétition : sur une machine chargée, le second varie moins.
void mesurer(const char* quoi, const std::function<void()>& action) {
    for (int i = 0; i < images_de_chauffe; ++i) {
        action();
    }
    std::vector<double> mural;
    std::vector<double> processeur;
    for (int i = 0; i < images_mesurees; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        const double debut_processeur = mesure_images::temps_processeur_ms();
        action();
        processeur.push_back(mesure_images::temps_processeur_ms() - debut_processeur);
        mural.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
    }
    for (const auto& [genre, valeurs] :
         {std::pair{"durée murale", &mural}, std::pair{"temps processeur", &processeur}}) {
        const statistiques s = resumer(*valeurs);
        std::cout << std::fixed << std::setprecision(2) << quoi << ", " << genre << " : médiane " << s.mediane
                  << " ms (p10 " << s.p10 << ", p90 " << s.p90 << ")" << std::endl;
    }
}

// Pixel de la fenêtre où tombe le centre de la case c.
std::pair<int, int> pixel_de(const case_simple_pkg::coordonnees& c) {
    GLdouble modele[16];
    GLdouble projection[16];
    GLint vue[4];
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(position_jeu_libre.x, position_jeu_libre.y, position_jeu_libre.z);
    glScalef(echelle_jeu_libre, echelle_jeu_libre, echelle_jeu_libre);
    glGetDoublev(GL_MODELVIEW_MATRIX, modele);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, vue);
    const auto centre = grille_3d_pkg::position_tuile(cote, c);
    GLdouble x = 0;
    GLdouble y = 0;
    GLdouble z = 0;
    gluProject(centre.x, centre.y, 0.0, modele, projection, vue, &x, &y, &z);
    return {static_cast<int>(x), scene_pkg::obtenir_hauteur() - 1 - static_cast<int>(y)};
}

} // namespace

int main() {
    // Les vraies images du jeu, produites par la construction.
    std::filesystem::current_path(TESSALINE_DONNEES);
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    scene_pkg::initialiser_fenetre(fenetre);
    auto& t = gestionnaire_texture_pkg::obtenir_textures();
    gestionnaire_texture_pkg::initialiser_jeu_textures(t);
    gestionnaire_texture_pkg::initialiser_aide_textures(t);

    auto g3d = std::make_shared<grille_3d_pkg::grille_affichable>(grille_de_mesure());
    g3d->initialiser();
    for (int x = 5; x <= 15; ++x) {
        g3d->obtenir_case_affichable({x, 20})->modifier_aide(true);
    }
    auto curseur = std::make_shared<curseur_3d_pkg::curseur_affichable>(cote);
    curseur->mettre_a_jour({21, 21});
    auto scene = std::make_shared<racine_de_scene::racine>();
    for (const objet_3d_pkg::classe_objet_affichable& o : {objet_3d_pkg::classe_objet_affichable(curseur),
                                                           objet_3d_pkg::classe_objet_affichable(g3d)}) {
        o->positionner_objet3d(position_jeu_libre);
        o->definir_echelle(echelle_jeu_libre);
        scene->ajouter_sous_objet(o);
    }

    const auto [x, y] = pixel_de({30, 12});
    std::cout << "Grille " << cote << " × " << cote << ", échelle " << echelle_jeu_libre << ", " << images_mesurees
              << " mesures après " << images_de_chauffe << " de chauffe ; " << glGetString(GL_RENDERER) << std::endl;
    mesurer("image", [&] { scene_pkg::afficher_scene(scene); });
    mesurer("passe de sélection", [&] { scene_pkg::afficher_mode_selection(scene, x, y); });

    const bool case_trouvee =
        scene_pkg::obtenir_identifiant_hit() == g3d->obtenir_case_affichable({30, 12})->obtenir_identifiant();
    std::cout << "Case (30, 12) trouvée par la sélection : " << (case_trouvee ? "oui" : "NON") << std::endl;
    return case_trouvee ? 0 : 1;
}
