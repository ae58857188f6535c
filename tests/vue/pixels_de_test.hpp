// Pixels lus dans la fenêtre des tests d'affichage : couleurs franches des images de test et comparaison tolérante.
#pragma once

#include "donnees_temporaires.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>

#include <array>
#include <functional>
#include <string>

namespace pixels_de_test {

using donnees_temporaires::pixel;

inline constexpr pixel rouge{255, 0, 0};
inline constexpr pixel vert{0, 255, 0};
inline constexpr pixel bleu{0, 0, 255};
inline constexpr pixel jaune{255, 255, 0};
inline constexpr pixel magenta{255, 0, 255};
inline constexpr pixel cyan{0, 255, 255};
inline constexpr pixel gris{128, 128, 128};
inline constexpr pixel noir{0, 0, 0};

// Un canal plein reste franc malgré l'éclairage (> 100) ; un canal vide reste sombre (< 60).
inline bool ressemble(const pixel& lu, const pixel& attendu) {
    auto canal = [](std::uint8_t l, std::uint8_t a) { return a == 255 ? l > 100 : l < 60; };
    return canal(lu.r, attendu.r) && canal(lu.g, attendu.g) && canal(lu.b, attendu.b);
}

inline std::string texte(const pixel& p) {
    return '(' + std::to_string(p.r) + ", " + std::to_string(p.g) + ", " + std::to_string(p.b) + ')';
}

// Pixel (x, y) de l'image qui vient d'être dessinée, origine en haut à gauche.
inline pixel lire(int x, int y) {
    std::array<GLubyte, 4> p{};
    glReadPixels(x, scene_pkg::obtenir_hauteur() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return {p[0], p[1], p[2], p[3]};
}

// Nombre de pixels du rectangle (x, y, largeur, hauteur) de l'image dessinée qui vérifient le prédicat.
inline int compter(int x0, int y0, int largeur, int hauteur, const std::function<bool(const pixel&)>& predicat) {
    int n = 0;
    for (int y = y0; y < y0 + hauteur; ++y) {
        for (int x = x0; x < x0 + largeur; ++x) {
            n += predicat(lire(x, y)) ? 1 : 0;
        }
    }
    return n;
}

} // namespace pixels_de_test
