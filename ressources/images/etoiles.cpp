// Fond d'étoiles du menu : image opaque raccordable, répétée 3 × 3 fois sur le plan qui tourne.
//
// Tout se replie sur les bords : la nébuleuse vient d'un bruit périodique et chaque étoile est dessinée
// modulo la taille de l'image, si bien que les copies voisines se raccordent sans couture. L'image est
// agrandie sans lissage et tourne : les étoiles sont de petites taches floues plutôt que des pixels isolés,
// pour ne pas scintiller.
#include "etoiles.hpp"

#include "bruit.hpp"

#include <cmath>

namespace images::etoiles {

using namespace dessin;

namespace {

constexpr int cote = 1024;

struct etoile {
    float x, y;
    float eclat;
    float etalement;
    couleur teinte;
    bool aigrettes;
};

couleur temperature(float t) {
    if (t < 0.25f) {
        return rvb(170, 195, 255);
    }
    if (t < 0.7f) {
        return rvb(245, 248, 255);
    }
    if (t < 0.9f) {
        return rvb(255, 236, 190);
    }
    return rvb(255, 190, 140);
}

void nebuleuse(image& im) {
    constexpr int periode = 4;
    for (int y = 0; y < cote; ++y) {
        for (int x = 0; x < cote; ++x) {
            const float u = static_cast<float>(x) / cote * periode;
            const float v = static_cast<float>(y) / cote * periode;
            const float densite = transition(0.05f, 0.75f, bruit::octaves(u, v, 0.0f, 201, 6, periode, periode) + 0.3f);
            const float nuance = 0.5f + 0.5f * bruit::octaves(u, v, 4.0f, 202, 3, periode, periode);
            const couleur gaz = melanger(rvb(70, 25, 95), rvb(15, 85, 110), transition(0.3f, 0.7f, nuance));
            const couleur vide = rvb(2, 3, 9);
            im.pixel(x, y) = melanger(vide, gaz, 0.6f * densite * densite);
        }
    }
}

void ajouter(couleur& c, const couleur& lumiere, float intensite) {
    c.r = std::min(1.0f, c.r + lumiere.r * intensite);
    c.g = std::min(1.0f, c.g + lumiere.g * intensite);
    c.b = std::min(1.0f, c.b + lumiere.b * intensite);
}

void dessiner(image& im, const etoile& e) {
    const int portee = static_cast<int>(std::ceil(e.aigrettes ? 18.0f : e.etalement * 4.0f));
    const int cx = static_cast<int>(std::floor(e.x));
    const int cy = static_cast<int>(std::floor(e.y));
    for (int dy = -portee; dy <= portee; ++dy) {
        for (int dx = -portee; dx <= portee; ++dx) {
            const float ex = static_cast<float>(cx + dx) + 0.5f - e.x;
            const float ey = static_cast<float>(cy + dy) + 0.5f - e.y;
            const float r2 = ex * ex + ey * ey;
            float intensite = e.eclat * std::exp(-r2 / (2.0f * e.etalement * e.etalement));
            if (e.aigrettes) {
                // Aigrettes en croix, qui s'effacent avec la distance.
                const float croix = std::exp(-std::abs(ex) * 2.5f) + std::exp(-std::abs(ey) * 2.5f);
                intensite += 0.35f * e.eclat * croix * std::exp(-std::sqrt(r2) / 6.0f);
            }
            const int px = ((cx + dx) % cote + cote) % cote;
            const int py = ((cy + dy) % cote + cote) % cote;
            ajouter(im.pixel(px, py), e.teinte, intensite);
        }
    }
}

} // namespace

image fond_etoile() {
    image im(cote, cote, false);
    nebuleuse(im);
    bruit::tirage hasard(2024);
    // Beaucoup d'étoiles pâles, quelques moyennes, une poignée de brillantes.
    const struct {
        int nombre;
        float eclat_min, eclat_max, etalement;
        bool aigrettes;
    } populations[] = {{2600, 0.12f, 0.45f, 0.75f, false}, {380, 0.5f, 0.9f, 1.0f, false}, {28, 0.9f, 1.0f, 1.5f, true}};
    for (const auto& population : populations) {
        for (int i = 0; i < population.nombre; ++i) {
            etoile e{};
            e.x = hasard.uniforme() * cote;
            e.y = hasard.uniforme() * cote;
            e.eclat = hasard.entre(population.eclat_min, population.eclat_max);
            e.etalement = population.etalement * hasard.entre(0.85f, 1.2f);
            e.teinte = temperature(hasard.uniforme());
            e.aigrettes = population.aigrettes;
            dessiner(im, e);
        }
    }
    return im;
}

} // namespace images::etoiles
