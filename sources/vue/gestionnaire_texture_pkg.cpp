// Table des textures : images PNG décodées par SDL_image, envoyées à OpenGL avec leurs mipmaps.
#include "gestionnaire_texture_pkg.hpp"

#include "entetes_media_pkg.hpp"
#include "lecture_fichier_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "surface_sdl_pkg.hpp"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace gestionnaire_texture_pkg {

namespace {

using enum groupe_texture;

// Groupe par groupe, dans l'ordre où les images sont chargées.
constexpr std::array<description_texture, 36> table{{
    {"fleche", "/interface_fleche_navigation.png", 23, true, base, -1},
    {"fond_etoile", "/interface_fond_etoile.png", 39, false, base, -1},
    {"bouton_ancien", "/interface_bouton_validation.png", 1, true, base, -1},
    {"bouton_ancien_actif", "/interface_bouton_validation_actif.png", 40, true, base, -1},
    {"bouton_rond", "/bouton_rond.png", 4, true, base, -1},
    {"bouton_rond_actif", "/bouton_rond_actif.png", 42, true, base, -1},
    {"case", "/case.png", 2, false, jeu, -1},
    {"curseur", "/curseur.png", 38, true, jeu, -1},
    {"case_terminale", "/caseterm.png", 7, false, jeu, -1},
    {"case_terminale_occupe", "/casetermoccup.png", 8, false, jeu, -1},
    {"case_occupe", "/caseoccup.png", 9, false, jeu, -1},
    {"triangle", "/interface_triangle.png", 10, true, jeu, -1},
    {"barre", "/interface_barre.png", 11, true, jeu, -1},
    {"panneau_droite", "/interface_panneau_droite.png", 12, true, jeu, -1},
    {"bouton_cockpit", "/interface_bouton_cockpit.png", 16, true, jeu, -1},
    {"bouton_cockpit_actif", "/interface_bouton_cockpit_actif.png", 17, true, jeu, -1},
    {"dock", "/interface_dock.png", 18, true, jeu, -1},
    {"bouton_dock", "/interface_bouton_dock.png", 19, true, jeu, -1},
    {"bouton_dock_actif", "/interface_bouton_dock_actif.png", 22, true, jeu, -1},
    {"rond_rouge", "/interface_rond_rouge.png", 20, true, jeu, -1},
    {"rond_vert", "/interface_rond_vert.png", 21, true, jeu, -1},
    {"fleche_actif", "/interface_fleche_navigation_actif.png", 41, true, jeu, -1},
    {"fond_score", "/interface_fond_score.png", 43, true, jeu, -1},
    {"recherche", "/recherche.png", 6, true, aide, -1},
    {"inconnu", "/systeme_inconnu.png", 34, false, planete, 0},
    {"pluton", "/systeme_pluton.png", 24, false, planete, 0},
    {"neptune", "/systeme_neptune.png", 25, false, planete, 1},
    {"uranus", "/systeme_uranus.png", 26, false, planete, 2},
    {"saturne", "/systeme_saturne.png", 27, false, planete, 3},
    {"jupiter", "/systeme_jupiter.png", 28, false, planete, 4},
    {"mars", "/systeme_mars.png", 29, false, planete, 5},
    {"terre", "/systeme_terre.png", 30, false, planete, 6},
    {"venus", "/systeme_venus.png", 31, false, planete, 7},
    {"mercure", "/systeme_mercure.png", 32, false, planete, 8},
    {"soleil", "/systeme_soleil.png", 33, false, planete, 9},
    {"reset", "", 0, false, aucun, -1},
}};

constexpr int nombre_planetes = 10;

textures tex;
// Contexte OpenGL dans lequel chaque groupe a été chargé (0 : jamais) ; un nouveau contexte les recharge.
std::uint32_t jeu_charge_dans = 0;
std::uint32_t aide_charge_dans = 0;
std::array<std::uint32_t, nombre_planetes> planete_chargee_dans{};

bool charge(std::uint32_t contexte) { return contexte == nom_gl_pkg::contexte_courant(); }

// Pixels rangés sans bourrage de fin de ligne, ligne du haut d'abord (l'ordre de SDL).
std::vector<unsigned char> pixels_serres(const SDL_Surface& image, int octets_par_pixel) {
    const auto largeur_ligne = static_cast<std::size_t>(image.w) * static_cast<std::size_t>(octets_par_pixel);
    std::vector<unsigned char> pixels(largeur_ligne * static_cast<std::size_t>(image.h));
    const auto* source = static_cast<const unsigned char*>(image.pixels);
    for (int y = 0; y < image.h; ++y) {
        std::copy_n(source + static_cast<std::ptrdiff_t>(y) * image.pitch, largeur_ligne,
                    pixels.begin() + static_cast<std::ptrdiff_t>(largeur_ligne * static_cast<std::size_t>(y)));
    }
    return pixels;
}

// Côté maximal d'une texture : au-delà, le décodage seul coûterait des centaines de Mo.
constexpr std::uint32_t COTE_MAX_TEXTURE = 4096;

// Une ligne par image et par cause, dite une fois : le groupe de base, rechargé à chaque changement de taille de
// la fenêtre, ne répète pas un message déjà écrit (une image abîmée en donnait des dizaines).
void signaler(const std::string& chemin_et_cause) {
    static std::set<std::string> deja_dits;
    const std::string message = "Texture non chargée : " + chemin_et_cause;
    if (deja_dits.insert(message).second) std::cout << message << std::endl;
}

// L'image lue par la lecture sûre, sa taille vérifiée dans l'en-tête avant de la décoder ; nulle si refusée, la
// cause étant alors dite.
surface_sdl_pkg::surface decoder(const std::string& chemin) {
    std::string contenu;
    try {
        contenu = lecture_fichier_pkg::lire_fichier(chemin, lecture_fichier_pkg::TAILLE_MAX_IMAGE);
    } catch (const lecture_fichier_pkg::ERREUR_LECTURE_REFUSEE& e) {
        signaler(e.what());  // nomme le fichier
        return surface_sdl_pkg::surface(nullptr);
    }
    const auto taille = entetes_media_pkg::dimensions_png(contenu);
    if (!taille) {
        signaler(chemin + " : pas une image PNG");
        return surface_sdl_pkg::surface(nullptr);
    }
    if (taille->largeur > COTE_MAX_TEXTURE || taille->hauteur > COTE_MAX_TEXTURE) {
        signaler(chemin + " : image de " + std::to_string(taille->largeur) + " × " + std::to_string(taille->hauteur) +
                             " pixels, plus grande que " + std::to_string(COTE_MAX_TEXTURE) + " × " +
                             std::to_string(COTE_MAX_TEXTURE));
        return surface_sdl_pkg::surface(nullptr);
    }
    SDL_RWops* flux = SDL_RWFromConstMem(contenu.data(), static_cast<int>(contenu.size()));
    if (flux == nullptr) return surface_sdl_pkg::surface(nullptr);
    surface_sdl_pkg::surface image(IMG_LoadPNG_RW(flux));
    SDL_RWclose(flux);
    if (!image) signaler(chemin + " : image PNG illisible (" + IMG_GetError() + ")");
    return image;
}

void charger(textures& t, const std::string& texfile, int numt, bool alpha) {
    const std::string chemin = emplacements_pkg::obtenir_chemin_texture(texfile);
    const surface_sdl_pkg::surface decodee = decoder(chemin);
    const surface_sdl_pkg::surface image(decodee ? SDL_ConvertSurfaceFormat(decodee.get(), alpha ? SDL_PIXELFORMAT_RGBA32
                                                                                   : SDL_PIXELFORMAT_RGB24, 0)
                                : nullptr);
    if (decodee && !image) signaler(chemin + " : conversion impossible (" + SDL_GetError() + ")");
    if (!image) {
        // L'emplacement ne lie alors aucune texture : l'objet se dessine sans image et le jeu continue.
        t.les_textures.at(static_cast<std::size_t>(numt)).liberer();
        return;
    }
    // L'ancienne texture de l'emplacement est supprimée en étant remplacée.
    nom_gl_pkg::texture_gl& texture = t.les_textures.at(static_cast<std::size_t>(numt));
    texture = nom_gl_pkg::texture_gl::creer();
    glBindTexture(GL_TEXTURE_2D, texture.nom());
    if (!alpha) {
        // Images opaques (cases, planètes, fond) sans lissage ; les transparentes gardent le lissage par défaut.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
    }
    const int octets = alpha ? 4 : 3;
    const std::vector<unsigned char> pixels = pixels_serres(*image, octets);
    GLint alignement = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignement);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (gluBuild2DMipmaps(GL_TEXTURE_2D, octets, image->w, image->h, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE,
                          pixels.data()) != 0) {
        std::cout << "ERREUR : gluBuild2DMipmaps" << std::endl;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignement);
}

void charger(textures& t, const description_texture& d) {
    charger(t, std::string(d.fichier), d.emplacement, d.alpha);
}

void charger_groupe(textures& t, groupe_texture groupe) {
    for (const description_texture& d : table) {
        if (d.groupe == groupe) {
            charger(t, d);
        }
    }
}

void charger_planete(textures& t, int numero) {
    for (const description_texture& d : table) {
        if (d.groupe == planete && d.planete == numero) {
            charger(t, d);
        }
    }
}

} // namespace

std::span<const description_texture> table_textures() { return table; }

int emplacement_texture(std::string_view nom) {
    const auto trouvee = std::ranges::find(table, nom, &description_texture::nom);
    if (trouvee == table.end()) {
        throw TEXTURE_NON_EXISTANTE(std::string(nom));
    }
    return trouvee->emplacement;
}

textures& obtenir_textures() { return tex; }

void initialiser(textures& t) {
    charger_groupe(t, base);
    reset_texture_courante(t);
}

void initialiser_jeu_textures(textures& t) {
    if (!charge(jeu_charge_dans)) {
        charger_groupe(t, jeu);
        jeu_charge_dans = nom_gl_pkg::contexte_courant();
    }
    reset_texture_courante(t);
}

void initialiser_aide_textures(textures& t) {
    if (!charge(aide_charge_dans)) {
        charger_groupe(t, aide);
        aide_charge_dans = nom_gl_pkg::contexte_courant();
    }
    reset_texture_courante(t);
}

void initialiser_textures_partie(textures& t) {
    initialiser_jeu_textures(t);
    initialiser_aide_textures(t);
}

void initialiser_planetes_textures(textures& t, int niv) {
    // Une planète par appel : la première qui manque parmi celles déjà atteintes.
    for (int k = 0; k < nombre_planetes && k <= niv; ++k) {
        std::uint32_t& chargee_dans = planete_chargee_dans.at(static_cast<std::size_t>(k));
        if (!charge(chargee_dans)) {
            charger_planete(t, k);
            chargee_dans = nom_gl_pkg::contexte_courant();
            break;
        }
    }
    reset_texture_courante(t);
}

void appliquer_textures(const textures& t, std::string_view nom) {
    glBindTexture(GL_TEXTURE_2D, t.nom(emplacement_texture(nom)));
}

void reset_texture_courante(textures&) { glBindTexture(GL_TEXTURE_2D, 0); }

void liberer(textures& t) {
    for (nom_gl_pkg::texture_gl& texture : t.les_textures) {
        texture.liberer();
    }
}

void inittexture(textures& t, const std::string& texfile, int numt) { charger(t, texfile, numt, false); }

void inittexture_alpha(textures& t, const std::string& texfile, int numt) { charger(t, texfile, numt, true); }

} // namespace gestionnaire_texture_pkg
