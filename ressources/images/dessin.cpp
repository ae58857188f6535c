// Primitives de dessin des textures : image en flottants, formes lissées par distance signée, écriture PNG.
#include "dessin.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <queue>
#include <stdexcept>

namespace images::dessin {

couleur rvb(int r, int g, int b, float a) {
    return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f, static_cast<float>(b) / 255.0f, a};
}

couleur melanger(const couleur& c1, const couleur& c2, float t) {
    return {c1.r + (c2.r - c1.r) * t, c1.g + (c2.g - c1.g) * t, c1.b + (c2.b - c1.b) * t, c1.a + (c2.a - c1.a) * t};
}

couleur nuancer(const couleur& c, float facteur) {
    return {c.r * facteur, c.g * facteur, c.b * facteur, c.a};
}

couleur avec_opacite(const couleur& c, float a) {
    return {c.r, c.g, c.b, a};
}

float borner(float v, float bas, float haut) {
    return std::clamp(v, bas, haut);
}

float transition(float bord0, float bord1, float v) {
    const float t = borner((v - bord0) / (bord1 - bord0));
    return t * t * (3.0f - 2.0f * t);
}

image::image(int largeur, int hauteur, bool alpha)
    : largeur_(largeur), hauteur_(hauteur), alpha_(alpha),
      pixels_(static_cast<std::size_t>(largeur) * hauteur, couleur{0.0f, 0.0f, 0.0f, alpha ? 0.0f : 1.0f}) {}

repere::repere(const image& im, float xmin, float ymin, float xmax, float ymax)
    : xmin_(xmin), ymax_(ymax), pas_x_((xmax - xmin) / static_cast<float>(im.largeur())),
      pas_y_((ymax - ymin) / static_cast<float>(im.hauteur())), pixel_(std::max(pas_x_, pas_y_)) {}

point repere::centre_pixel(int px, int py) const {
    return {xmin_ + (static_cast<float>(px) + 0.5f) * pas_x_, ymax_ - (static_cast<float>(py) + 0.5f) * pas_y_};
}

float disque(point p, point centre, float rayon) {
    return std::hypot(p.x - centre.x, p.y - centre.y) - rayon;
}

float boite(point p, point centre, float demi_largeur, float demi_hauteur, float rayon_coins) {
    const float qx = std::abs(p.x - centre.x) - demi_largeur + rayon_coins;
    const float qy = std::abs(p.y - centre.y) - demi_hauteur + rayon_coins;
    const float dehors = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return dehors + std::min(std::max(qx, qy), 0.0f) - rayon_coins;
}

float segment(point p, point a, point b) {
    const float abx = b.x - a.x, aby = b.y - a.y;
    const float t = borner(((p.x - a.x) * abx + (p.y - a.y) * aby) / (abx * abx + aby * aby));
    return std::hypot(p.x - a.x - t * abx, p.y - a.y - t * aby);
}

float polygone(point p, const std::vector<point>& sommets) {
    // Distance au contour le plus proche, signe donné par la règle pair-impair.
    float d = std::numeric_limits<float>::max();
    bool dedans = false;
    for (std::size_t i = 0, j = sommets.size() - 1; i < sommets.size(); j = i++) {
        const point& a = sommets[i];
        const point& b = sommets[j];
        d = std::min(d, segment(p, a, b));
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            dedans = !dedans;
        }
    }
    return dedans ? -d : d;
}

float couverture(float d, float pixel) {
    return borner(0.5f - d / pixel);
}

float biseau(const distance_signee& forme, point p, float largeur, float pixel) {
    const float d = forme(p);
    if (d > 0.0f || -d > largeur) {
        return 0.0f;
    }
    const float gx = forme({p.x + pixel, p.y}) - forme({p.x - pixel, p.y});
    const float gy = forme({p.x, p.y + pixel}) - forme({p.x, p.y - pixel});
    const float n = std::hypot(gx, gy);
    if (n < 1e-6f) {
        return 0.0f;
    }
    // Normale sortante (gx, gy) ; lumière venant du haut à gauche.
    const float eclairage = (-gx * 0.7071f + gy * 0.7071f) / n;
    const float profil = 1.0f - transition(largeur * 0.6f, largeur, -d);
    return eclairage * profil;
}

namespace {

void poser_pixel(couleur& fond, const couleur& c) {
    const float a = borner(c.a);
    if (a <= 0.0f) {
        return;
    }
    const float sortie = a + fond.a * (1.0f - a);
    const float part_fond = fond.a * (1.0f - a);
    fond.r = (c.r * a + fond.r * part_fond) / sortie;
    fond.g = (c.g * a + fond.g * part_fond) / sortie;
    fond.b = (c.b * a + fond.b * part_fond) / sortie;
    fond.a = sortie;
}

// Les pixels transparents prennent la couleur du bord le plus proche : le filtrage linéaire et les mipmaps
// mélangent ces couleurs invisibles avec le bord, qui garderait sinon un liseré sombre.
void etendre_couleurs(image& im) {
    const int l = im.largeur();
    const int h = im.hauteur();
    std::vector<bool> connu(static_cast<std::size_t>(l) * h, false);
    std::queue<std::pair<int, int>> file;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < l; ++x) {
            if (im.pixel(x, y).a > 0.5f / 255.0f) {
                connu[static_cast<std::size_t>(y) * l + x] = true;
                file.emplace(x, y);
            }
        }
    }
    constexpr int voisins[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    while (!file.empty()) {
        const auto [x, y] = file.front();
        file.pop();
        for (const auto& v : voisins) {
            const int nx = x + v[0];
            const int ny = y + v[1];
            if (nx < 0 || ny < 0 || nx >= l || ny >= h || connu[static_cast<std::size_t>(ny) * l + nx]) {
                continue;
            }
            connu[static_cast<std::size_t>(ny) * l + nx] = true;
            const couleur& source = im.pixel(x, y);
            im.pixel(nx, ny) = {source.r, source.g, source.b, 0.0f};
            file.emplace(nx, ny);
        }
    }
}

std::uint8_t octet(float v) {
    return static_cast<std::uint8_t>(std::lround(borner(v) * 255.0f));
}

struct liberer_surface {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

} // namespace

void poser(image& im, const repere& r, const peinture& p) {
    for (int y = 0; y < im.hauteur(); ++y) {
        for (int x = 0; x < im.largeur(); ++x) {
            poser_pixel(im.pixel(x, y), p(r.centre_pixel(x, y)));
        }
    }
}

void remplir(image& im, const repere& r, const distance_signee& forme, const peinture& p) {
    poser(im, r, [&](point q) {
        const float c = couverture(forme(q), r.pixel());
        if (c <= 0.0f) {
            return couleur{0.0f, 0.0f, 0.0f, 0.0f};
        }
        const couleur teinte = p(q);
        return avec_opacite(teinte, teinte.a * c);
    });
}

void halo(image& im, const repere& r, const distance_signee& forme, const couleur& c, float portee) {
    poser(im, r, [&](point q) {
        const float d = forme(q);
        if (d <= 0.0f) {
            return couleur{0.0f, 0.0f, 0.0f, 0.0f};
        }
        return avec_opacite(c, c.a * std::exp(-d / portee) * borner(d / r.pixel()));
    });
}

void enregistrer_png(const image& im, const std::string& chemin) {
    image copie = im;
    if (copie.alpha()) {
        etendre_couleurs(copie);
    }
    const int canaux = copie.alpha() ? 4 : 3;
    const Uint32 format = copie.alpha() ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24;
    std::unique_ptr<SDL_Surface, liberer_surface> surface(
        SDL_CreateRGBSurfaceWithFormat(0, copie.largeur(), copie.hauteur(), canaux * 8, format));
    if (!surface) {
        throw std::runtime_error("surface impossible pour " + chemin + " : " + SDL_GetError());
    }
    for (int y = 0; y < copie.hauteur(); ++y) {
        auto* ligne = static_cast<std::uint8_t*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        for (int x = 0; x < copie.largeur(); ++x) {
            const couleur& c = copie.pixel(x, y);
            std::uint8_t* sortie = ligne + static_cast<std::ptrdiff_t>(x) * canaux;
            sortie[0] = octet(c.r);
            sortie[1] = octet(c.g);
            sortie[2] = octet(c.b);
            if (canaux == 4) {
                sortie[3] = octet(c.a);
            }
        }
    }
    // Écrite à côté puis renommée : un lecteur ne voit jamais une image à moitié écrite.
    const std::string provisoire = chemin + ".partiel";
    if (IMG_SavePNG(surface.get(), provisoire.c_str()) != 0) {
        throw std::runtime_error("écriture impossible de " + chemin + " : " + IMG_GetError());
    }
    std::error_code erreur;
    std::filesystem::rename(provisoire, chemin, erreur);
    if (erreur) {
        throw std::runtime_error("écriture impossible de " + chemin + " : " + erreur.message());
    }
}

} // namespace images::dessin
