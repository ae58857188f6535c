// Chaque pièce d'interface construite et posée face à l'œil, avec les points où chercher ses textures.
#pragma once

#include "objet_3d_pkg.hpp"
#include "sphere_3d.hpp"

#include <string>
#include <vector>

namespace pieces_de_test {

// Toutes les pièces sont à z = -5, où une unité couvre environ 145 pixels de la fenêtre 800 × 600.
inline constexpr float profondeur = -5.0f;

// Point de la scène (unités, origine au centre de la fenêtre) et texture attendue ; "" : rien, le fond noir.
struct echantillon {
    float x;
    float y;
    std::string texture;
};

struct piece_de_test {
    std::string nom;
    objet_3d_pkg::classe_objet_affichable objet;
    std::vector<echantillon> echantillons;
};

// Demande les textures des pièces et la police : à appeler fenêtre ouverte.
std::vector<piece_de_test> toutes_les_pieces(const sphere_3d::quadrique& quadrique);

// Pixel de la fenêtre (origine en haut à gauche) où tombe le point (x, y) de la scène à z = -5.
int colonne(float x);
int ligne(float y);

} // namespace pieces_de_test
