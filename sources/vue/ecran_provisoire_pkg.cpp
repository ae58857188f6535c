// Écran d'attente : une grille 5 × 5 dont les cases allumées dessinent un losange.
#include "ecran_provisoire_pkg.hpp"

#include <GL/gl.h>

#include <cstdlib>

namespace ecran_provisoire_pkg {

namespace {
constexpr int cote = 5;
constexpr float pas = 0.5f;
constexpr float marge = 0.04f;
constexpr float profondeur = -5.0f;

void carre(float x, float y, float demi_cote) {
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glVertex3f(x - demi_cote, y - demi_cote, 0.0f);
    glVertex3f(x + demi_cote, y - demi_cote, 0.0f);
    glVertex3f(x + demi_cote, y + demi_cote, 0.0f);
    glVertex3f(x - demi_cote, y + demi_cote, 0.0f);
    glEnd();
}
} // namespace

void ecran_provisoire::definir_teinte(float r, float g, float b) {
    r_ = r;
    g_ = g;
    b_ = b;
}

void ecran_provisoire::afficher() {
    preparer_affichage();
    glTranslatef(0.0f, 0.0f, profondeur);
    const float depart = -pas * (cote - 1) / 2.0f;
    for (int i = 0; i < cote; ++i) {
        for (int j = 0; j < cote; ++j) {
            const bool allumee = std::abs(i - cote / 2) + std::abs(j - cote / 2) <= cote / 2;
            if (allumee) {
                glColor4f(r_, g_, b_, 1.0f);
            } else {
                glColor4f(r_ * 0.25f, g_ * 0.25f, b_ * 0.25f, 1.0f);
            }
            carre(depart + pas * static_cast<float>(i), depart + pas * static_cast<float>(j), pas / 2.0f - marge);
        }
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    afficher_sous_objets();
    terminer_affichage();
}

} // namespace ecran_provisoire_pkg
