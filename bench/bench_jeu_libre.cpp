// Coût d'une image de l'écran du jeu libre complet (cadre, panneaux, grille de 42 × 42) et d'une touche suivie de son image.
#include "controleur_libre_pkg.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "scene_pkg.hpp"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <iostream>
#include <vector>

namespace {

constexpr int images_de_chauffe = 20;
constexpr int images_mesurees = 200;

double mediane(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void mesurer(const char* quoi, const std::function<void()>& action) {
    for (int i = 0; i < images_de_chauffe; ++i) action();
    std::vector<double> ms;
    for (int i = 0; i < images_mesurees; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        action();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
    }
    std::cout << std::fixed << std::setprecision(2) << quoi << " : médiane " << mediane(ms) << " ms" << std::endl;
}

} // namespace

int main() {
    std::filesystem::current_path(TESSALINE_DONNEES);
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    scene_pkg::initialiser_fenetre(fenetre);

    // La plus grande grille livrée, jouée comme dans le jeu : choisie, puis chargée au premier dessin.
    controleur_libre_pkg::lancer_jeu_pred("station_orbitale.xml");
    controleur_libre_pkg::libre();
    const auto partie = controleur_libre_pkg::obtenir_partie();
    if (!partie) return 1;
    std::cout << "Grille " << partie->obtenir_grille()->taille() << " × " << partie->obtenir_grille()->taille()
              << ", " << images_mesurees << " mesures après " << images_de_chauffe << " de chauffe" << std::endl;

    mesurer("image de l'écran de jeu", controleur_libre_pkg::libre);
    bool droite = true;
    mesurer("flèche puis image", [&] {
        controleur_libre_pkg::deplacer_direction(droite ? grille_pkg::direction::droite : grille_pkg::direction::gauche);
        droite = !droite;
        controleur_libre_pkg::libre();
    });
    const auto ecran = controleur_libre_pkg::obtenir_affichage();
    mesurer("passe de sélection de l'écran de jeu", [&] { scene_pkg::afficher_mode_selection(ecran, 300, 300); });
    controleur_libre_pkg::changer_vue();
    mesurer("image en vue rapprochée", controleur_libre_pkg::libre);
    return 0;
}
