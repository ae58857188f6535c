// Ligne de texte : une bande de quadrilatères texturés, un par glyphe, sans crénage.
#include "objet_texte_pkg.hpp"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

namespace objet_texte_pkg {

namespace {
// L'ombre, en unités du texte (sa hauteur) : un peu à droite, un peu en dessous, juste derrière.
constexpr objet_3d_pkg::coordonnee_3d decalage_ombre{0.05f, -0.05f, -0.002f};
} // namespace

using affichage_texte_pkg::caractere;

mesures_texte mesurer(std::string_view latin1, const source_glyphes& glyphe) {
    mesures_texte m;
    for (const char c : latin1) {
        const caractere g = glyphe(c);
        m.w += g.width;
        m.h = std::max(m.h, g.height);
    }
    return m;
}

quad_glyphe placer_glyphe(const caractere& g, int position, const mesures_texte& m) {
    const auto h = static_cast<float>(m.h);
    const float ratio = static_cast<float>(m.w) / h;
    return {-ratio / 2.0f + static_cast<float>(position) / h,
            -ratio / 2.0f + static_cast<float>(g.width + position) / h,
            static_cast<float>(g.height) / 2.0f / h};
}

ajustement ajuster_largeur(std::string_view latin1, float echelle, float largeur_max, const source_glyphes& glyphe) {
    const mesures_texte m = mesurer(latin1, glyphe);
    const auto largeur = [&](int pixels, float reduction) {
        return echelle * reduction * static_cast<float>(pixels) / static_cast<float>(m.h);
    };
    if (largeur_max <= 0.0f || m.h == 0 || largeur(m.w, 1.0f) <= largeur_max) {
        return {std::string(latin1), 1.0f};
    }
    const float reduction = largeur_max / largeur(m.w, 1.0f);
    if (reduction >= reduction_minimale) {
        return {std::string(latin1), reduction};
    }
    // Trop long même réduit : le plus long début, plus court que le texte et sans blanc à sa fin, qui tient avec
    // « ... ». Les largeurs des débuts se cumulent une fois : un nom tapé de deux mille caractères se mesurait de
    // nouveau pour chaque caractère retiré, à chaque caractère tapé.
    const int points = mesurer(points_de_suite, glyphe).w;
    std::vector<int> largeur_debut(latin1.size() + 1, 0);
    for (std::size_t k = 0; k < latin1.size(); ++k) largeur_debut[k + 1] = largeur_debut[k] + glyphe(latin1[k]).width;
    std::size_t garde = latin1.size() - 1;
    while (garde > 0 && (latin1[garde - 1] == ' ' ||
                         largeur(largeur_debut[garde] + points, reduction_minimale) > largeur_max)) {
        --garde;
    }
    return {std::string(latin1.substr(0, garde)) + std::string(points_de_suite), reduction_minimale};
}

texte_affichable::texte_affichable(const std::string& texte, const couleur_texte& couleur)
    : couleur_(couleur), texte_(texte) {}

void texte_affichable::definir_texte(const std::string& t) {
    if (t != texte_) {
        texte_ = t;
        est_genere_ = false;
    }
}

void texte_affichable::definir_resolution(int r) {
    resolution_ = r;
    est_genere_ = false;
}

void texte_affichable::definir_largeur_max(float largeur) {
    largeur_max_ = largeur;
    est_genere_ = false;
}

float texte_affichable::obtenir_largeur_affichee() const {
    return mesures_.h == 0 ? 0.0f
                           : obtenir_echelle() * ajuste_.reduction * static_cast<float>(mesures_.w) /
                                 static_cast<float>(mesures_.h);
}

void texte_affichable::mettre_a_jour() {
    if (est_genere_) {
        return;
    }
    affichage_texte_pkg::changer_couleur(affichage_texte_pkg::blanc);
    // Conversion faite une fois par changement de texte, pas à chaque image.
    latin1_ = affichage_texte_pkg::utf8_vers_latin1(texte_);
    ajuster();
    est_genere_ = true;
}

void texte_affichable::ajuster() {
    const source_glyphes glyphe = [](char c) { return affichage_texte_pkg::obtenir_caractere(c); };
    ajuste_ = ajuster_largeur(latin1_, obtenir_echelle(), largeur_max_, glyphe);
    mesures_ = mesurer(ajuste_.montre, glyphe);
    echelle_ajustee_ = obtenir_echelle();
}

void texte_affichable::tracer_glyphes(float r, float g, float b, const objet_3d_pkg::coordonnee_3d& decalage) {
    // Les glyphes d'une même page de l'atlas se dessinent d'un seul tenant.
    std::uint32_t page = 0;
    bool ouvert = false;
    int position = 0;
    for (const char c : ajuste_.montre) {
        const caractere glyphe = affichage_texte_pkg::obtenir_caractere(c);
        const quad_glyphe q = placer_glyphe(glyphe, position, mesures_);
        if (!ouvert || glyphe.texture != page) {
            if (ouvert) {
                glEnd();
            }
            page = glyphe.texture;
            glBindTexture(GL_TEXTURE_2D, page);
            glBegin(GL_QUADS);
            ouvert = true;
        }
        glColor4f(r, g, b, 1.0f);
        glNormal3f(0.0f, 0.0f, 1.0f);
        const float x = decalage.x;
        const float y = decalage.y;
        const float z = decalage.z;
        glTexCoord2f(glyphe.s0, glyphe.t1);
        glVertex3f(q.gauche + x, -q.demi + y, z);
        glTexCoord2f(glyphe.s1, glyphe.t1);
        glVertex3f(q.droite + x, -q.demi + y, z);
        glTexCoord2f(glyphe.s1, glyphe.t0);
        glVertex3f(q.droite + x, q.demi + y, z);
        glTexCoord2f(glyphe.s0, glyphe.t0);
        glVertex3f(q.gauche + x, q.demi + y, z);
        position += glyphe.width;
    }
    if (ouvert) {
        glEnd();
    }
}

void texte_affichable::afficher() {
    mettre_a_jour();
    if (largeur_max_ > 0.0f && obtenir_echelle() != echelle_ajustee_) {
        ajuster();  // une entrée en surbrillance grossit son texte
    }
    const float r = couleur_.r / 255.0f;
    const float g = couleur_.g / 255.0f;
    const float b = couleur_.b / 255.0f;
    const float a = couleur_.a / 255.0f;
    preparer_affichage();
    glScalef(ajuste_.reduction, ajuste_.reduction, ajuste_.reduction);
    if (glIsEnabled(GL_BLEND) == GL_TRUE) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    // Texte vide ou police absente : rien à dessiner (et pas de division par une hauteur nulle).
    if (mesures_.h > 0) {
        const GLfloat matiere[] = {r, g, b, a};
        glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, matiere);
        // Un glyphe oublié (changement de taille) est rendu ici, pas entre glBegin et glEnd où OpenGL
        // refuserait de remplir sa texture.
        for (const char c : ajuste_.montre) {
            affichage_texte_pkg::obtenir_caractere(c);
        }
        if (ombre_) tracer_glyphes(0.0f, 0.0f, 0.0f, decalage_ombre);
        tracer_glyphes(r, g, b, {});
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    terminer_affichage();
}

} // namespace objet_texte_pkg
