// Tracé des pièces d'interface.
#include "geometrie_pkg.hpp"

#include "gestionnaire_texture_pkg.hpp"

#include <GL/gl.h>

#include <cassert>

namespace geometrie_pkg {

namespace {
constexpr std::array<int, 6> indices_quad{0, 1, 2, 0, 2, 3};

std::array<sommet, 4> sommets_quad(float x_min, float y_min, float x_max, float y_max, float repetition) {
    return {{{x_min, y_min, 0, repetition},
             {x_max, y_min, repetition, repetition},
             {x_max, y_max, repetition, 0},
             {x_min, y_max, 0, 0}}};
}
} // namespace

void triangles(std::span<const sommet> sommets, std::span<const normale> normales, std::span<const int> indices) {
    assert((normales.empty() || normales.size() == sommets.size()) && "une normale par sommet, ou aucune");
    if (normales.empty()) {
        glNormal3f(0.0f, 0.0f, 1.0f);  // celle du repère, même si un tracé précédent l'a changée
    }
    glBegin(GL_TRIANGLES);
    for (const int i : indices) {
        const auto n = static_cast<std::size_t>(i);
        if (!normales.empty()) {
            glNormal3f(normales[n].x, normales[n].y, normales[n].z);
        }
        glTexCoord2f(sommets[n].s, sommets[n].t);
        glVertex3f(sommets[n].x, sommets[n].y, 0.0f);
    }
    glEnd();
}

void quad(float x_min, float y_min, float x_max, float y_max, float repetition) {
    triangles(sommets_quad(x_min, y_min, x_max, y_max, repetition), {}, indices_quad);
}

void quad(float x_min, float y_min, float x_max, float y_max, const normales_quad& normales) {
    triangles(sommets_quad(x_min, y_min, x_max, y_max, 1.0f), normales, indices_quad);
}

void lier_texture(std::string_view nom) {
    gestionnaire_texture_pkg::appliquer_textures(gestionnaire_texture_pkg::obtenir_textures(), nom);
}

} // namespace geometrie_pkg
