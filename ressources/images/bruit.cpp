// Bruits déterministes des textures : bruit de gradient, somme d'octaves, bruit cellulaire, tirages reproductibles.
#include "bruit.hpp"

#include <cmath>
#include <limits>

namespace images::bruit {

std::uint32_t hacher(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t graine) {
    std::uint32_t h = graine * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h = (h << 17) | (h >> 15);
    h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

namespace {

// Les douze directions des arêtes d'un cube, comme dans le bruit de Perlin amélioré.
constexpr float directions[12][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0}, {1, 0, 1}, {-1, 0, 1},
                                     {1, 0, -1}, {-1, 0, -1}, {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};

float lisser(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

std::int32_t replier(std::int32_t i, int periode) {
    if (periode <= 0) {
        return i;
    }
    const std::int32_t r = i % periode;
    return r < 0 ? r + periode : r;
}

float contribution(std::int32_t ix, std::int32_t iy, std::int32_t iz, float fx, float fy, float fz,
                   std::uint32_t graine, int periode_x, int periode_y) {
    const float* d = directions[hacher(replier(ix, periode_x), replier(iy, periode_y), iz, graine) % 12];
    return d[0] * fx + d[1] * fy + d[2] * fz;
}

float interpoler(float a, float b, float t) {
    return a + (b - a) * t;
}

} // namespace

float gradient(float x, float y, float z, std::uint32_t graine, int periode_x, int periode_y) {
    const float bx = std::floor(x), by = std::floor(y), bz = std::floor(z);
    const auto ix = static_cast<std::int32_t>(bx);
    const auto iy = static_cast<std::int32_t>(by);
    const auto iz = static_cast<std::int32_t>(bz);
    const float fx = x - bx, fy = y - by, fz = z - bz;
    float coins[8];
    for (int k = 0; k < 8; ++k) {
        const int dx = k & 1, dy = (k >> 1) & 1, dz = (k >> 2) & 1;
        coins[k] = contribution(ix + dx, iy + dy, iz + dz, fx - static_cast<float>(dx), fy - static_cast<float>(dy),
                                fz - static_cast<float>(dz), graine, periode_x, periode_y);
    }
    const float u = lisser(fx), v = lisser(fy), w = lisser(fz);
    const float bas = interpoler(interpoler(coins[0], coins[1], u), interpoler(coins[2], coins[3], u), v);
    const float haut = interpoler(interpoler(coins[4], coins[5], u), interpoler(coins[6], coins[7], u), v);
    return interpoler(bas, haut, w);
}

float octaves(float x, float y, float z, std::uint32_t graine, int nombre, int periode_x, int periode_y) {
    float somme = 0.0f, amplitude = 1.0f, total = 0.0f, frequence = 1.0f;
    for (int o = 0; o < nombre; ++o) {
        somme += amplitude * gradient(x * frequence, y * frequence, z * frequence, graine + static_cast<std::uint32_t>(o),
                                      periode_x << o, periode_y << o);
        total += amplitude;
        amplitude *= 0.5f;
        frequence *= 2.0f;
    }
    return somme / total;
}

cellule cellulaire(float x, float y, float z, std::uint32_t graine) {
    const auto ix = static_cast<std::int32_t>(std::floor(x));
    const auto iy = static_cast<std::int32_t>(std::floor(y));
    const auto iz = static_cast<std::int32_t>(std::floor(z));
    cellule c{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(), 0};
    for (int dz = -1; dz <= 1; ++dz) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const std::uint32_t h = hacher(ix + dx, iy + dy, iz + dz, graine);
                const float gx = static_cast<float>(ix + dx) + static_cast<float>(h & 0x3FF) / 1024.0f;
                const float gy = static_cast<float>(iy + dy) + static_cast<float>((h >> 10) & 0x3FF) / 1024.0f;
                const float gz = static_cast<float>(iz + dz) + static_cast<float>((h >> 20) & 0x3FF) / 1024.0f;
                const float d = std::sqrt((x - gx) * (x - gx) + (y - gy) * (y - gy) + (z - gz) * (z - gz));
                if (d < c.premier) {
                    c.second = c.premier;
                    c.premier = d;
                    c.identifiant = h;
                } else if (d < c.second) {
                    c.second = d;
                }
            }
        }
    }
    return c;
}

float tirage::uniforme() {
    // SplitMix64 : court, rapide et de bonne qualité pour des tirages de décor.
    etat_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = etat_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) / static_cast<float>(1ull << 24);
}

} // namespace images::bruit
