// Coût d'une image de l'écran de la campagne au dixième niveau (six faces de 30 × 30) : cube au repos, cube qui
// tourne d'une face à l'autre, passe de sélection.
#include "campagne_3d_pkg.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "mesure_images.hpp"
#include "scene_pkg.hpp"

#include <chrono>
#include <filesystem>
#include <iostream>

namespace {
// Horloge des animations avancée à la main : le cube est toujours à mi-chemin d'une rotation quand on le mesure.
class horloge_pas_a_pas : public horloge_pkg::horloge {
public:
    horloge_pkg::duree instant{std::chrono::seconds(1)};
    horloge_pkg::duree maintenant() const override { return instant; }
};
} // namespace

int main() {
    std::filesystem::current_path(TESSALINE_DONNEES);
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    scene_pkg::initialiser_fenetre(fenetre);
    horloge_pas_a_pas horloge;
    objet_3d_pkg::definir_horloge(horloge);
    auto& textures = gestionnaire_texture_pkg::obtenir_textures();
    gestionnaire_texture_pkg::initialiser_jeu_textures(textures);
    gestionnaire_texture_pkg::initialiser_aide_textures(textures);

    auto campagne = std::make_shared<campagne_pkg::campagne>();
    campagne->initialiser_campagne();
    for (int n = 2; n <= campagne_pkg::NOMBRE_NIVEAUX; ++n) campagne->avancer_niveau();
    const auto niveau = campagne->obtenir_niveau_courant();
    niveau->changer_partie_courante(1);
    auto ecran = std::make_shared<campagne_3d_pkg::campagne_affichable>();
    ecran->initialiser(campagne);
    ecran->mettre_a_jour_planete();
    const auto image = [&] {
        ecran->mettre_a_jour(coeur_jeu_pkg::etat::RECHERCHE);
        scene_pkg::afficher_scene(ecran);
    };
    std::cout << "Niveau " << campagne->obtenir_numero_niveau_courant() << ", faces de "
              << niveau->obtenir_partie(1)->obtenir_grille()->taille() << " × "
              << niveau->obtenir_partie(1)->obtenir_grille()->taille() << ", " << mesure_images::images_mesurees
              << " mesures après " << mesure_images::images_de_chauffe << " de chauffe" << std::endl;

    mesure_images::mesurer("image, cube au repos", image);
    mesure_images::mesurer("passe de sélection", [&] { scene_pkg::afficher_mode_selection(ecran, 340, 300); });
    // Un quart de tour entre la face 1 et la face 2 dure une seconde : chaque image avance de 2 ms, et la face
    // change de sens à chaque seconde pour que le cube tourne pendant toute la mesure.
    int face = 1;
    mesure_images::mesurer("image, cube qui tourne", [&] {
        if (!ecran->obtenir_niveau_3d()->obtenir_cube()->tourne()) {
            face = face == 1 ? 2 : 1;
            niveau->changer_partie_courante(face);
        }
        horloge.instant += std::chrono::milliseconds(2);
        image();
    });
    objet_3d_pkg::retablir_horloge_systeme();
    return 0;
}
