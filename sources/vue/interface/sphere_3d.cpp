// Planète texturée tracée par GLU.
#include "sphere_3d.hpp"

#include "geometrie_pkg.hpp"

#include <GL/gl.h>
#include <GL/glu.h>

namespace sphere_3d {

namespace {
constexpr double rayon = 1.0;
constexpr int tranches = 20;
constexpr int piles = 20;
} // namespace

quadrique creer_quadrique() {
    return quadrique(gluNewQuadric(), [](GLUquadric* p) {
        if (p) {
            gluDeleteQuadric(p);
        }
    });
}

void sphere_3d_affichable::initialiser(quadrique sph, const std::string& txt) {
    if (est_initialise_) {
        return;
    }
    sphere_ = std::move(sph);
    texture_ = txt;
    est_initialise_ = true;
}

void sphere_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture(trouve_ ? texture_ : "inconnu");
    if (!sphere_) {
        return;  // GLU n'a pas pu créer la quadrique : la planète manque, le jeu continue
    }
    // Les pôles de GLU sont sur z : on les ramène en haut et en bas de l'écran.
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    gluQuadricTexture(sphere_.get(), GL_TRUE);
    gluSphere(sphere_.get(), rayon, tranches, piles);
    glPopMatrix();
}

} // namespace sphere_3d
