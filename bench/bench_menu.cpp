// Coût d'une image du menu principal (champ d'étoiles qui tourne et entrées) : temps réel et temps de processeur
// du processus entier, fils de rendu de Mesa compris.
#include "jeu_sans_boucle.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "mesure_images.hpp"
#include "scene_pkg.hpp"

#include <filesystem>
#include <iomanip>
#include <iostream>
#include <vector>

int main() {
    std::filesystem::current_path(TESSALINE_DONNEES);
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    scene_pkg::initialiser_fenetre(fenetre);
    jeu_sans_boucle::jeu jeu;
    const auto image = [&] { jeu.app.dessiner(); };

    mesure_images::mesurer("image du menu", image);
    // Par paquets de dix images : le temps de processeur n'est compté qu'au tic près.
    std::vector<double> par_image;
    for (int paquet = 0; paquet < mesure_images::images_mesurees / 10; ++paquet) {
        const double debut = mesure_images::temps_processeur_ms();
        for (int i = 0; i < 10; ++i) image();
        par_image.push_back((mesure_images::temps_processeur_ms() - debut) / 10.0);
    }
    std::cout << std::fixed << std::setprecision(2)
              << "processeur par image du menu : médiane " << mesure_images::mediane(par_image) << " ms" << std::endl;
    return 0;
}
