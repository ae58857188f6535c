// Tracé des pièces d'interface : triangles texturés dans le plan z = 0 de l'objet, texture choisie par son nom.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace geometrie_pkg {

// Sommet du plan z = 0 et ses coordonnées de texture, t = 0 en haut de l'image.
struct sommet {
    float x, y;
    float s, t;
};

struct normale {
    float x, y, z;
};

// Normales d'un quadrilatère : gauche-bas, droite-bas, droite-haut, gauche-haut.
using normales_quad = std::array<normale, 4>;

// Normales biseautées des plaques : chaque coin penche vers l'extérieur.
inline constexpr normales_quad normales_biseau{{{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}};
// Normales des bandes : le bord gauche penche à gauche, le droit à droite.
inline constexpr normales_quad normales_bande{{{-1, 0, 1}, {1, 0, 1}, {1, 0, 1}, {-1, 0, 1}}};

// Triangles donnés par des triplets d'indices de sommets ; sans normales, celle du repère (0, 0, 1) vaut.
// Les polygones concaves sont découpés par leur propriétaire : OpenGL ne sait tracer que les convexes.
void triangles(std::span<const sommet> sommets, std::span<const normale> normales, std::span<const int> indices);

// Rectangle de (x_min, y_min) à (x_max, y_max), l'image entière répétée repetition fois dans chaque sens.
void quad(float x_min, float y_min, float x_max, float y_max, float repetition = 1.0f);
void quad(float x_min, float y_min, float x_max, float y_max, const normales_quad& normales);

// Lie la texture de ce nom pour les tracés qui suivent.
void lier_texture(std::string_view nom);

} // namespace geometrie_pkg
