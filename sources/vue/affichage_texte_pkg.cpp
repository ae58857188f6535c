// Rendu des glyphes par SDL_ttf en images blanches à canal alpha, rangées dans l'atlas et gardées en cache.
#include "affichage_texte_pkg.hpp"

#include "lecture_fichier_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "texte_utf8_pkg.hpp"

#include <GL/gl.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>

namespace affichage_texte_pkg {

namespace {

std::array<std::optional<caractere>, 256> caracteres_generes;
atlas_glyphes_pkg::atlas atlas;
std::string nom_police = "FALLOUT";
int style_police = TTF_STYLE_NORMAL;
couleur_texte couleur_police = blanc;
int valeur_max_couleur_ttf = 0;
int glyphes_rendus = 0;
// Aucune police utilisable (ni celle du jeu, ni celle de secours) : signalé une fois, puis les textes ne dessinent
// rien.
bool police_indisponible = false;
// Celle que le jeu prend quand la sienne est absente ou abîmée.
const std::string police_de_secours = "SECOURS";

struct fermer_police {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
using police = std::unique_ptr<TTF_Font, fermer_police>;

std::size_t indice(char c) { return static_cast<unsigned char>(c); }

void oublier_glyphes() {
    caracteres_generes.fill(std::nullopt);
    atlas.vider();
    police_indisponible = false;
}

// Étire l'alpha pour que le pixel le plus opaque du premier glyphe non vide vaille 255, et teinte le glyphe. Un
// glyphe sans encre (une espace) reste transparent ; une police qui n'en dessine aucun est écartée avant.
void normaliser_pixels(SDL_Surface& surface) {
    auto* pixels = static_cast<std::uint8_t*>(surface.pixels);
    auto pixel = [&](int x, int y) { return pixels + static_cast<std::ptrdiff_t>(y) * surface.pitch + x * 4; };
    if (valeur_max_couleur_ttf == 0) {
        for (int y = 0; y < surface.h; ++y) {
            for (int x = 0; x < surface.w; ++x) {
                valeur_max_couleur_ttf = std::max<int>(valeur_max_couleur_ttf, pixel(x, y)[3]);
            }
        }
    }
    for (int y = 0; y < surface.h; ++y) {
        for (int x = 0; x < surface.w; ++x) {
            std::uint8_t* p = pixel(x, y);
            if (p[0] == 0 && p[1] == 0 && p[2] == 0) {
                continue;
            }
            p[0] = couleur_police.r;
            p[1] = couleur_police.g;
            p[2] = couleur_police.b;
            if (valeur_max_couleur_ttf == 0) {
                p[3] = 0;
            } else {
                // Un glyphe plus opaque que le premier ne doit pas déborder de l'octet.
                const double etire = std::floor(p[3] * 255.0 / valeur_max_couleur_ttf);
                p[3] = static_cast<std::uint8_t>(std::min(etire, 255.0));
            }
        }
    }
}

} // namespace

caractere obtenir_caractere(char c) {
    const std::optional<caractere>& entree = caracteres_generes.at(indice(c));
    if (!entree) {
        if (police_indisponible) {
            return caractere{c, 0, 0, 0};
        }
        try {
            generer_caractere(c);
        } catch (const ERREUR_CHARGEMENT_FICHIER_POLICE&) {
            // Déjà dit, une fois, quand la police a été choisie.
            police_indisponible = true;
            return caractere{c, 0, 0, 0};
        }
    }
    return *entree;
}

std::uint32_t obtenir_texture_caractere(char c) { return obtenir_caractere(c).texture; }

void recharger_table_caracteres() { oublier_glyphes(); }

void changer_couleur(const couleur_texte& couleur) { couleur_police = couleur; }

void changer_police(const std::string& nom) {
    nom_police = nom;
    oublier_glyphes();
}

void changer_style(int style) {
    if (style != style_police) {
        style_police = style;
        oublier_glyphes();
    }
}

namespace {
// Ce qui empêche la police lue dans contenu de servir : illisible pour SDL_ttf, ou sans encre (un fichier tronqué
// s'ouvre parfois, puis ne dessine que des glyphes vides) ; rien quand elle dessine un « A ».
std::optional<std::string> defaut_de_police(const std::string& contenu) {
    SDL_RWops* flux = SDL_RWFromConstMem(contenu.data(), static_cast<int>(contenu.size()));
    const police essai(flux != nullptr ? TTF_OpenFontRW(flux, 1, resolution_caracteres) : nullptr);
    if (!essai) return std::string("police illisible (") + TTF_GetError() + ")";
    const image rendue(TTF_RenderText_Blended(essai.get(), "A", SDL_Color{255, 255, 255, 255}));
    const image rgba(rendue ? SDL_ConvertSurfaceFormat(rendue.get(), SDL_PIXELFORMAT_RGBA32, 0) : nullptr);
    if (!rgba) return std::string("aucun glyphe rendu (") + TTF_GetError() + ")";
    const auto* pixels = static_cast<const std::uint8_t*>(rgba->pixels);
    for (int y = 0; y < rgba->h; ++y) {
        for (int x = 0; x < rgba->w; ++x) {
            if (pixels[static_cast<std::ptrdiff_t>(y) * rgba->pitch + x * 4 + 3] != 0) return std::nullopt;
        }
    }
    return std::string("glyphes vides");
}

// Le contenu de la police choisie si elle sert, sinon celui de la police de secours. Le fichier est lu une fois par
// la lecture sûre (un tube nommé à sa place bloquerait), puis gardé : chaque glyphe ouvre la police dans ce contenu,
// qui doit vivre autant qu'elle. Le choix, fait une fois par police demandée, est dit en une ligne ; sans police
// utilisable, ERREUR_CHARGEMENT_FICHIER_POLICE.
const std::string& contenu_police() {
    static std::string choisie_pour;
    static std::string contenu;
    static std::optional<std::string> echec;
    if (choisie_pour != nom_police) {
        choisie_pour = nom_police;
        echec.reset();
        std::string causes;
        for (const std::string& nom : {nom_police, police_de_secours}) {
            const std::string chemin = emplacements_pkg::obtenir_chemin_police(nom);
            std::optional<std::string> defaut;
            try {
                contenu = lecture_fichier_pkg::lire_fichier(chemin, lecture_fichier_pkg::TAILLE_MAX_POLICE);
                defaut = defaut_de_police(contenu);
            } catch (const lecture_fichier_pkg::ERREUR_LECTURE_REFUSEE& e) {
                defaut = e.detail();
            }
            if (!defaut) {
                if (!causes.empty()) {
                    std::cout << "Police inutilisable, " << causes << " ; police de secours : " << chemin << std::endl;
                }
                return contenu;
            }
            causes += (causes.empty() ? "" : " ; ");
            causes += defaut->starts_with(chemin) ? *defaut : chemin + " : " + *defaut;
        }
        contenu.clear();
        echec = "aucune police utilisable, " + causes;
        std::cout << "Les textes ne seront pas affichés : " << *echec << std::endl;
    }
    if (echec) throw ERREUR_CHARGEMENT_FICHIER_POLICE(*echec);
    return contenu;
}
} // namespace

image creer_surface(const std::string& texte, int resolution) {
    if (TTF_WasInit() == 0 && TTF_Init() != 0) {
        throw ERREUR_CHARGEMENT_FICHIER_POLICE(std::string("SDL_ttf : ") + TTF_GetError());
    }
    const std::string& contenu = contenu_police();
    SDL_RWops* flux = SDL_RWFromConstMem(contenu.data(), static_cast<int>(contenu.size()));
    const police la_police(flux != nullptr ? TTF_OpenFontRW(flux, 1, resolution) : nullptr);
    if (!la_police) {
        throw ERREUR_CHARGEMENT_FICHIER_POLICE(std::string("SDL_ttf : ") + TTF_GetError());
    }
    TTF_SetFontStyle(la_police.get(), style_police);
    const SDL_Color couleur{couleur_police.r, couleur_police.g, couleur_police.b, couleur_police.a};
    // TTF_RenderText_* lit des octets latin-1, comme le cache.
    const image rendue(TTF_RenderText_Blended(la_police.get(), texte.c_str(), couleur));
    if (!rendue) {
        return nullptr;  // texte sans largeur (caractère nul)
    }
    // Octets rouge, vert, bleu, alpha dans cet ordre, quel que soit le processeur.
    image rgba(SDL_ConvertSurfaceFormat(rendue.get(), SDL_PIXELFORMAT_RGBA32, 0));
    if (rgba) {
        normaliser_pixels(*rgba);
    }
    return rgba;
}

atlas_glyphes_pkg::place appliquer_surface(const image& la_surface) { return atlas.ranger(*la_surface); }

void generer_caractere(char le_caractere) {
    changer_couleur(blanc);
    const image surface = creer_surface(std::string(1, le_caractere), resolution_caracteres);
    caractere glyphe{le_caractere, 0, 0, 0};
    if (surface) {
        // Un glyphe peut naître au milieu du dessin d'un objet texturé : sa texture liée est rendue.
        GLint liee = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &liee);
        const atlas_glyphes_pkg::place place = appliquer_surface(surface);
        glyphe = {le_caractere, surface->w, surface->h, place.texture, place.s0, place.t0, place.s1, place.t1};
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(liee));
    }
    caracteres_generes.at(indice(le_caractere)) = glyphe;
    ++glyphes_rendus;
}

std::string utf8_vers_latin1(std::string_view texte) {
    std::string latin1;
    latin1.reserve(texte.size());
    for (const char32_t c : texte_utf8_pkg::decoder(texte)) latin1 += c <= 0xFF ? static_cast<char>(c) : '?';
    return latin1;
}

int nombre_glyphes_rendus() { return glyphes_rendus; }

} // namespace affichage_texte_pkg
