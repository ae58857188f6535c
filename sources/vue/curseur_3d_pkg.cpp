// Curseur du clavier sur la grille.
#include "curseur_3d_pkg.hpp"

#include "gestionnaire_texture_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>

#include <stdexcept>

namespace curseur_3d_pkg {

rectangle rectangle_curseur(int taille_grille, const case_simple_pkg::coordonnees& c) {
    // Demi-côté en flottant : pour un côté impair, les tuiles sont centrées sur des demi-unités.
    const float b = -static_cast<float>(taille_grille) / 2.0f - 1.0f;
    const float x = b + static_cast<float>(c.x);
    const float y = b + static_cast<float>(c.y);
    return {x, y, x + 1.0f, y + 1.0f};
}

curseur_affichable::curseur_affichable(int taille_grille) : taille_grille_(taille_grille) {
    if (taille_grille < 1) {
        throw std::out_of_range("curseur_3d : le côté de la grille doit être positif");
    }
}

void curseur_affichable::afficher() {
    if (scene_pkg::obtenir_mode_de_rendu_courant() != GL_RENDER) {
        return;
    }
    const rectangle r = rectangle_curseur(taille_grille_, coordonnees_actuelles_);
    preparer_affichage();
    gestionnaire_texture_pkg::appliquer_textures(gestionnaire_texture_pkg::obtenir_textures(), "curseur");
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(r.x_min, r.y_min, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(r.x_max, r.y_min, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(r.x_max, r.y_max, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(r.x_min, r.y_max, 0.0f);
    glEnd();
    terminer_affichage();
}

} // namespace curseur_3d_pkg
