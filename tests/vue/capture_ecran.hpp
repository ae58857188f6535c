// Capture de l'image présentée dans un fichier PNG, pour les tests qui laissent des images à regarder.
#pragma once

#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>

namespace capture_ecran {

// Image présentée, ligne du haut d'abord comme l'attend SDL ; vrai si au moins un pixel n'est pas noir.
inline bool enregistrer_image(const std::filesystem::path& fichier) {
    const int l = scene_pkg::obtenir_largeur();
    const int h = scene_pkg::obtenir_hauteur();
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> image(
        SDL_CreateRGBSurfaceWithFormat(0, l, h, 24, SDL_PIXELFORMAT_RGB24), &SDL_FreeSurface);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    bool dessine = false;
    for (int y = 0; y < h; ++y) {
        auto* rangee = static_cast<std::uint8_t*>(image->pixels) + y * image->pitch;
        glReadPixels(0, h - 1 - y, l, 1, GL_RGB, GL_UNSIGNED_BYTE, rangee);
        for (int i = 0; i < l * 3 && !dessine; ++i) {
            dessine = rangee[i] != 0;
        }
    }
    EXPECT_EQ(IMG_SavePNG(image.get(), fichier.string().c_str()), 0) << fichier;
    return dessine;
}

} // namespace capture_ecran
