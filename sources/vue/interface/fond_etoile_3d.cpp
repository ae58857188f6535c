// Champ d'étoiles tournant : rotation à vitesse constante, une image par pixel d'avance au coin de l'écran.
#include "fond_etoile_3d.hpp"

#include "geometrie_pkg.hpp"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <numbers>

namespace fond_etoile_3d {

namespace {
constexpr float repetitions = 3.0f;
constexpr float demi_cote = 3.0f;
// Côté de l'image du fond (interface_fond_etoile.png) et son dernier niveau de mipmap.
constexpr double cote_image = 1024.0;
constexpr int dernier_niveau = 10;
// Au-delà, le menu n'était pas à l'écran : le champ repart de l'angle où il était, comme avant.
constexpr auto absence = std::chrono::milliseconds(250);

struct projection {
    std::array<GLdouble, 16> modele{};
    std::array<GLdouble, 16> vue{};
    std::array<GLint, 4> cadre{};

    projection() {
        glGetDoublev(GL_MODELVIEW_MATRIX, modele.data());
        glGetDoublev(GL_PROJECTION_MATRIX, vue.data());
        glGetIntegerv(GL_VIEWPORT, cadre.data());
    }
    // Position en pixels de la fenêtre d'un point du repère de l'objet.
    std::array<double, 2> pixel(double x, double y) const {
        GLdouble px = 0.0;
        GLdouble py = 0.0;
        GLdouble pz = 0.0;
        gluProject(x, y, 0.0, modele.data(), vue.data(), cadre.data(), &px, &py, &pz);
        return {px, py};
    }
};
} // namespace

int niveau_mipmap(double texels_par_pixel, int dernier) {
    // Règle d'OpenGL pour le filtrage au plus proche entre niveaux : le niveau le plus proche de log2, sans le
    // décalage de 0,5 que prend un agrandissement lissé.
    const double lambda = std::log2(texels_par_pixel);
    if (!(lambda > 0.5)) return 0;
    return std::min(static_cast<int>(std::ceil(lambda + 0.5)) - 1, dernier);
}

double degres_depuis(horloge_pkg::duree depuis, horloge_pkg::duree maintenant) {
    return std::chrono::duration<double>(maintenant - depuis).count() * vitesse_degres_par_seconde;
}

float pas_d_un_pixel(double rayon_pixels) {
    return static_cast<float>(180.0 / std::numbers::pi / std::max(rayon_pixels, 1.0));
}

void fond_etoile_3d_affichable::animer() {
    objet_affichable::animer();
    const horloge_pkg::duree maintenant = objet_3d_pkg::maintenant();
    if (!instant_angle_ || maintenant - derniere_image_ > absence) {
        instant_angle_ = maintenant;
    }
    derniere_image_ = maintenant;
    const auto avance = static_cast<float>(degres_depuis(*instant_angle_, maintenant));
    if (avance >= pas_pixel_degres_) {
        rotation_objet3d(std::fmod(obtenir_angle_rotation() + avance, 360.0f), {0.0f, 0.0f, 1.0f});
        instant_angle_ = maintenant;
    }
}

objet_3d_pkg::delai_image fond_etoile_3d_affichable::delai_prochaine_image() const {
    const objet_3d_pkg::delai_image sous_objets = objet_affichable::delai_prochaine_image();
    if (!instant_angle_) return horloge_pkg::duree::zero();
    // Moins d'un pixel d'avance ne change rien à l'écran : l'image suivante vient quand il y en aura un. Le pas est
    // celui que la dernière image a mesuré : demandé après elle, il vaut dès la première.
    const double reste = pas_pixel_degres_ - degres_depuis(*instant_angle_, objet_3d_pkg::maintenant());
    const auto attente = std::chrono::duration_cast<horloge_pkg::duree>(
        std::chrono::duration<double>(std::max(reste, 0.0) / vitesse_degres_par_seconde));
    return objet_3d_pkg::au_plus_tot(sous_objets, attente);
}

void fond_etoile_3d_affichable::dessiner() {
    const projection p;
    // Le champ reste parallèle à l'écran : toute l'image prend le même niveau de mipmap. Le choisir ici et filtrer
    // ce seul niveau au plus proche donne les mêmes pixels qu'OpenGL, sans son calcul de niveau à chaque pixel
    // (la moitié du coût du champ avec le rendu logiciel de Mesa).
    const auto centre = p.pixel(0.0, 0.0);
    const auto bord = p.pixel(1.0, 0.0);
    const double pixels_par_unite = std::max(std::hypot(bord[0] - centre[0], bord[1] - centre[1]), 1e-9);
    const double texels_par_unite = cote_image * repetitions / (2.0 * demi_cote);
    const int niveau = niveau_mipmap(texels_par_unite / pixels_par_unite, dernier_niveau);

    // Le champ couvre toute la vue : le point visible le plus loin du centre de rotation est un coin du cadre. Une
    // étoile y est un texel du niveau montré, d'un pixel au moins : l'image suivante attend qu'il ait avancé d'autant.
    double rayon = 0.0;
    for (const int coin : {0, 1, 2, 3}) {
        const double x = p.cadre[0] + (coin % 2 == 0 ? 0 : p.cadre[2]);
        const double y = p.cadre[1] + (coin < 2 ? 0 : p.cadre[3]);
        rayon = std::max(rayon, std::hypot(x - centre[0], y - centre[1]));
    }
    const double texel_en_pixels = pixels_par_unite * std::ldexp(1.0, niveau) / texels_par_unite;
    pas_pixel_degres_ = pas_d_un_pixel(rayon / std::max(texel_en_pixels, 1.0));

    // Image opaque dessinée la première : ni mélange ni profondeur n'y changent rien, et chacun coûte à chaque
    // pixel.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    geometrie_pkg::lier_texture("fond_etoile");
    GLint filtre = GL_NEAREST_MIPMAP_NEAREST;
    GLint base = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filtre);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, &base);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, niveau);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    geometrie_pkg::quad(-demi_cote, -demi_cote, demi_cote, demi_cote, repetitions);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, base);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filtre);
    glPopAttrib();
}

} // namespace fond_etoile_3d
