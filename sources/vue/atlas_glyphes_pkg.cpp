// Atlas des glyphes : rangement en étagères, une texture par page, copie des images par glTexSubImage2D.
//
// Un glyphe par texture obligeait à changer de texture à chaque caractère dessiné ; avec le rendu logiciel,
// chaque changement garde une copie de l'état des textures pour toute l'image (plusieurs dizaines de Mo par
// image pour une page d'aide). Avec l'atlas, un texte se dessine d'un seul tenant.
#include "atlas_glyphes_pkg.hpp"

#include <GL/gl.h>
#include <SDL.h>

#include <iostream>

namespace atlas_glyphes_pkg {

namespace {
// Réglages de lecture des pixels, rendus tels qu'ils étaient.
class lecture_pixels {
public:
    explicit lecture_pixels(int longueur_ligne) {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignement_);
        glGetIntegerv(GL_UNPACK_ROW_LENGTH, &longueur_);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, longueur_ligne);
    }
    ~lecture_pixels() {
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignement_);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, longueur_);
    }
    lecture_pixels(const lecture_pixels&) = delete;
    lecture_pixels& operator=(const lecture_pixels&) = delete;

private:
    GLint alignement_ = 4;
    GLint longueur_ = 0;
};
} // namespace

atlas::page atlas::nouvelle_page() {
    page p;
    p.texture = nom_gl_pkg::texture_gl::creer();
    glBindTexture(GL_TEXTURE_2D, p.texture.nom());
    const std::vector<std::uint8_t> transparent(static_cast<std::size_t>(cote_page) * cote_page * 4, 0);
    {
        const lecture_pixels lecture(cote_page);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, cote_page, cote_page, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     transparent.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return p;
}

place atlas::ranger(const SDL_Surface& image) {
    if (image.w > cote_page - 2 * marge || image.h > cote_page - 2 * marge) {
        std::cout << "Glyphe trop grand pour l'atlas : " << image.w << " x " << image.h << std::endl;
        return {};
    }
    if (pages_.empty()) {
        pages_.push_back(nouvelle_page());
    }
    page* p = &pages_.back();
    if (p->x + image.w + marge > cote_page) {  // étagère pleine : la suivante
        p->x = marge;
        p->y += p->hauteur_etagere + marge;
        p->hauteur_etagere = 0;
    }
    if (p->y + image.h + marge > cote_page) {  // page pleine
        pages_.push_back(nouvelle_page());
        p = &pages_.back();
    }
    glBindTexture(GL_TEXTURE_2D, p->texture.nom());
    {
        const lecture_pixels lecture(image.pitch / 4);
        glTexSubImage2D(GL_TEXTURE_2D, 0, p->x, p->y, image.w, image.h, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels);
    }
    constexpr auto cote = static_cast<float>(cote_page);
    const place resultat{p->texture.nom(), static_cast<float>(p->x) / cote, static_cast<float>(p->y) / cote,
                         static_cast<float>(p->x + image.w) / cote, static_cast<float>(p->y + image.h) / cote};
    p->x += image.w + marge;
    p->hauteur_etagere = std::max(p->hauteur_etagere, image.h);
    return resultat;
}

} // namespace atlas_glyphes_pkg
