// Atlas des glyphes : les images des caractères rangées côte à côte dans quelques grandes textures.
#pragma once

#include "nom_gl_pkg.hpp"

#include <cstdint>
#include <vector>

struct SDL_Surface;

namespace atlas_glyphes_pkg {

// Place d'une image dans l'atlas : sa texture et ses coins en coordonnées de texture (t0 : ligne du haut).
struct place {
    std::uint32_t texture = 0;
    float s0 = 0.0f;
    float t0 = 0.0f;
    float s1 = 1.0f;
    float t1 = 1.0f;
};

// Côté d'une page, en pixels, et marge transparente autour de chaque image : le filtrage linéaire
// d'un bord ne prend jamais un pixel de la voisine.
inline constexpr int cote_page = 1024;
inline constexpr int marge = 2;

class atlas {
public:
    // Copie l'image RGBA (32 bits, ligne du haut en premier) dans la page courante, ou dans une nouvelle
    // quand elle n'y tient plus. Une image plus grande qu'une page n'a pas de place (texture 0).
    place ranger(const SDL_Surface& image);
    // Supprime toutes les pages.
    void vider() { pages_.clear(); }
    int nombre_pages() const { return static_cast<int>(pages_.size()); }

private:
    struct page {
        nom_gl_pkg::texture_gl texture;
        int x = marge;  // prochaine place libre sur l'étagère courante
        int y = marge;
        int hauteur_etagere = 0;
    };
    static page nouvelle_page();
    std::vector<page> pages_;
};

} // namespace atlas_glyphes_pkg
