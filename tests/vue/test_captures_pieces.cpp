// Captures des pièces d'interface avec les vraies images du jeu, à regarder : une image PNG par pièce.
#include "capture_ecran.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "pieces_de_test.hpp"
#include "racine_de_scene.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

using capture_ecran::enregistrer_image;

TEST(CapturesPieces, ChaquePieceAvecLesImagesDuJeu) {
    const fs::path donnees = TESSALINE_DONNEES;
    if (!fs::exists(donnees / "textures")) {
        GTEST_SKIP() << "pas encore d'images dans " << donnees / "textures";
    }
    const fs::path captures = TESSALINE_CAPTURES;
    fs::create_directories(captures);
    const fs::path precedent = fs::current_path();
    fs::current_path(donnees);

    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    scene_pkg::initialiser_fenetre(fenetre);
    auto& t = gestionnaire_texture_pkg::obtenir_textures();
    gestionnaire_texture_pkg::initialiser_jeu_textures(t);
    for (int planete = 0; planete < 10; ++planete) {
        gestionnaire_texture_pkg::initialiser_planetes_textures(t, 9);
    }
    const sphere_3d::quadrique quadrique = sphere_3d::creer_quadrique();
    auto scene = std::make_shared<racine_de_scene::racine>();

    for (const auto& piece : pieces_de_test::toutes_les_pieces(quadrique)) {
        scene->ajouter_sous_objet(piece.objet);
        scene_pkg::afficher_scene(scene);
        EXPECT_TRUE(enregistrer_image(captures / (piece.nom + ".png"))) << piece.nom << " : image toute noire";
        scene->supprimer_sous_objet(piece.objet);
    }
    fs::current_path(precedent);
}

} // namespace
