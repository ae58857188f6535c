// Coût d'une image de l'écran du jeu libre complet (cadre, panneaux, grille de 42 × 42) et d'une touche suivie de son image.
#include "controleur_libre_pkg.hpp"
#include "jeu_sans_boucle.hpp"
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

    // La plus grande grille livrée, jouée comme dans le jeu : choisie depuis le jeu libre.
    jeu_sans_boucle::jeu jeu;
    jeu.app.aller_a(jeu_sans_boucle::etat_principal::LIBRE);
    auto& libre = jeu.mode<controleur_libre_pkg::controleur_libre>(jeu_sans_boucle::etat_principal::LIBRE);
    libre.lancer_jeu_pred("station_orbitale.xml");
    const auto image = [&] { jeu.app.dessiner(); };
    const auto partie = libre.obtenir_partie();
    if (!partie) return 1;
    std::cout << "Grille " << partie->obtenir_grille()->taille() << " × " << partie->obtenir_grille()->taille()
              << ", " << images_mesurees << " mesures après " << images_de_chauffe << " de chauffe" << std::endl;

    mesurer("image de l'écran de jeu", image);
    bool droite = true;
    mesurer("flèche puis image", [&] {
        libre.partie_en_cours().deplacer(droite ? grille_pkg::direction::droite : grille_pkg::direction::gauche);
        droite = !droite;
        image();
    });
    const auto ecran = libre.obtenir_affichage();
    mesurer("passe de sélection de l'écran de jeu", [&] { scene_pkg::afficher_mode_selection(ecran, 300, 300); });
    ecran->modifier_plan_vue();
    mesurer("image en vue rapprochée", image);
    return 0;
}
