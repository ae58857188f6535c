// Glyphes de la police TrueType du jeu : un cache de 256 caractères latin-1 partagé par tous les textes.
#pragma once

#include "atlas_glyphes_pkg.hpp"
#include "erreur_pkg.hpp"

#include "surface_sdl_pkg.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace affichage_texte_pkg {

DECLARER_ERREUR(ERREUR_CHARGEMENT_FICHIER_POLICE, "AFFICHAGE_TEXTE_PKG.ERREUR_CHARGEMENT_FICHIER_POLICE");

// Couleur d'un texte : rouge, vert, bleu, alpha sur un octet chacun.
struct couleur_texte {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    std::uint8_t a = 255;
    bool operator==(const couleur_texte&) const = default;
};

inline constexpr couleur_texte blanc{255, 255, 255, 255};
inline constexpr couleur_texte noir{0, 0, 0, 255};
inline constexpr couleur_texte rouge{255, 0, 0, 255};
inline constexpr couleur_texte vert{0, 255, 0, 255};
inline constexpr couleur_texte jaune{255, 255, 0, 255};
inline constexpr couleur_texte jaune_pale{243, 243, 108, 255};  // étiquettes
inline constexpr couleur_texte bleu{11, 111, 230, 255};         // entrée de menu en surbrillance

// Un glyphe rendu : son caractère latin-1, sa taille en pixels, la page de l'atlas qui le porte (blanche,
// alpha seul) et sa place dans cette page.
struct caractere {
    char car = 0;
    int width = 0;
    int height = 0;
    std::uint32_t texture = 0;
    float s0 = 0.0f;  // coins en coordonnées de texture ; t0 est la ligne du haut
    float t0 = 0.0f;
    float s1 = 1.0f;
    float t1 = 1.0f;
};

inline constexpr int resolution_caracteres = 100;

// Copie du glyphe de c, rendu d'abord s'il n'est pas en cache. Sans police lisible, un glyphe vide (0 × 0).
caractere obtenir_caractere(char c);
std::uint32_t obtenir_texture_caractere(char c);

inline int largeur(const caractere& c) { return c.width; }
inline int hauteur(const caractere& c) { return c.height; }
inline std::uint32_t obtenir_texture(const caractere& c) { return c.texture; }
inline char obtenir_caractere(const caractere& c) { return c.car; }

// Oublie tous les glyphes et supprime l'atlas : chacun sera rendu de nouveau à sa prochaine utilisation.
void recharger_table_caracteres();

void changer_couleur(const couleur_texte& couleur);
// Police (nom de fichier sans répertoire ni extension) et style ; l'un et l'autre vident le cache.
void changer_police(const std::string& nom);
void changer_style(int style);

using image = surface_sdl_pkg::surface;

// Image RGBA du texte latin-1 à la taille resolution ; lève ERREUR_CHARGEMENT_FICHIER_POLICE.
image creer_surface(const std::string& texte, int resolution);
// Range l'image dans l'atlas des glyphes et rend sa place.
atlas_glyphes_pkg::place appliquer_surface(const image& la_surface);
// Remplit l'entrée du cache de le_caractere.
void generer_caractere(char le_caractere);

// Textes du jeu (UTF-8) vers les octets latin-1 qu'attend le rendu ; hors latin-1 ou mal formé : "?".
std::string utf8_vers_latin1(std::string_view texte);

// Nombre de glyphes rendus depuis le lancement (un glyphe partagé n'est rendu qu'une fois).
int nombre_glyphes_rendus();

} // namespace affichage_texte_pkg
