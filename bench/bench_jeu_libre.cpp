// Coût d'une image de l'écran du jeu libre complet (cadre, panneaux, grille de 42 × 42) et d'une touche suivie de son image.
#include "controleur_libre_pkg.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "mesure_images.hpp"
#include "scene_pkg.hpp"

#include <filesystem>
#include <iostream>

using mesure_images::images_de_chauffe;
using mesure_images::images_mesurees;
using mesure_images::mesurer;

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
