// Création et suppression des noms OpenGL, et numéro du contexte courant.
#include "nom_gl_pkg.hpp"

#include <GL/gl.h>

namespace nom_gl_pkg {

namespace {
std::uint32_t contexte = 1;
} // namespace

void changer_de_contexte() {
    ++contexte;
    genre_texture::vivants = 0;
    genre_liste::vivants = 0;
}

std::uint32_t contexte_courant() { return contexte; }

std::uint32_t genre_texture::creer() {
    GLuint nom = 0;
    glGenTextures(1, &nom);
    return nom;
}

void genre_texture::supprimer(std::uint32_t nom) {
    const GLuint n = nom;
    glDeleteTextures(1, &n);
}

std::uint32_t genre_liste::creer() { return glGenLists(1); }

void genre_liste::supprimer(std::uint32_t nom) { glDeleteLists(nom, 1); }

} // namespace nom_gl_pkg
