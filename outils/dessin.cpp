// Lecture des dessins : image texte ou PNG (pixel peint s'il est opaque et plus sombre que le gris moyen).
#include "dessin.hpp"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <sstream>

#include <SDL_image.h>

#include "fichier_xml_pkg.hpp"
#include "lecture_fichier_pkg.hpp"

namespace dessin {

namespace {

constexpr int COTE_MINIMUM = 2;
constexpr int COTE_MAXIMUM = 42;

void verifier_cote(int cote, const std::string& fichier) {
    if (cote < COTE_MINIMUM || cote > COTE_MAXIMUM) {
        throw dessin_invalide(fichier + " : côté " + std::to_string(cote) + " hors de 2 à 42");
    }
}

dessin_peint lire_texte(std::istream& flux, const std::string& fichier) {
    std::string ligne;
    int cote = 0;
    if (!std::getline(flux, ligne)) throw dessin_invalide(fichier + " : fichier vide");
    try {
        std::size_t lu = 0;
        cote = std::stoi(ligne, &lu);
        if (ligne.find_first_not_of(" \t\r", lu) != std::string::npos) throw dessin_invalide("");
    } catch (const std::exception&) {
        throw dessin_invalide(fichier + " : la première ligne doit être le côté, pas \"" + fichier_xml_pkg::extrait(ligne) +
                              "\"");
    }
    verifier_cote(cote, fichier);
    dessin_peint d{cote, std::vector<bool>(static_cast<std::size_t>(cote * cote), false)};
    for (int rang = 0; rang < cote; ++rang) {
        if (!std::getline(flux, ligne)) throw dessin_invalide(fichier + " : il manque des lignes (" + std::to_string(rang) + " sur " + std::to_string(cote) + ")");
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (static_cast<int>(ligne.size()) != cote) {
            throw dessin_invalide(fichier + " : la ligne " + std::to_string(rang + 2) + " a " + std::to_string(ligne.size()) +
                                  " caractères au lieu de " + std::to_string(cote));
        }
        for (int colonne = 0; colonne < cote; ++colonne) {
            const char c = ligne[static_cast<std::size_t>(colonne)];
            if (c != '#' && c != '.') {
                throw dessin_invalide(fichier + " : caractère '" + std::string(1, c) + "' ligne " + std::to_string(rang + 2) +
                                      " (seuls '#' et '.' sont permis)");
            }
            // La première ligne du dessin est la ligne du haut : y = cote.
            d.cases[static_cast<std::size_t>(colonne * cote + (cote - 1 - rang))] = c == '#';
        }
    }
    while (std::getline(flux, ligne)) {
        if (ligne.find_first_not_of(" \t\r") != std::string::npos) throw dessin_invalide(fichier + " : lignes en trop après le dessin");
    }
    return d;
}

struct liberer_surface {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using surface = std::unique_ptr<SDL_Surface, liberer_surface>;

dessin_peint lire_png(const std::string& contenu, const std::string& fichier) {
    // La règle du côté s'applique à l'en-tête, avant de décoder : une image qui annonce 65535 × 65535 pixels
    // demanderait 17 Go.
    const auto taille = lecture_fichier_pkg::dimensions_png(contenu);
    if (!taille) throw dessin_invalide(fichier + " : en-tête PNG illisible");
    if (std::max(taille->largeur, taille->hauteur) > static_cast<std::uint32_t>(COTE_MAXIMUM)) {
        throw dessin_invalide(fichier + " : image de " + std::to_string(taille->largeur) + " × " +
                              std::to_string(taille->hauteur) + " pixels, côté hors de 2 à 42");
    }
    SDL_RWops* flux = SDL_RWFromConstMem(contenu.data(), static_cast<int>(contenu.size()));
    const surface brute(flux != nullptr ? IMG_LoadPNG_RW(flux) : nullptr);
    if (flux != nullptr) SDL_RWclose(flux);
    if (!brute) throw dessin_invalide(fichier + " : image illisible (" + IMG_GetError() + ")");
    const surface rgba(SDL_ConvertSurfaceFormat(brute.get(), SDL_PIXELFORMAT_RGBA32, 0));
    if (!rgba) throw dessin_invalide(fichier + " : conversion impossible (" + SDL_GetError() + ")");
    const int cote = std::max(rgba->w, rgba->h);
    verifier_cote(cote, fichier);
    dessin_peint d{cote, std::vector<bool>(static_cast<std::size_t>(cote * cote), false)};
    for (int ligne = 0; ligne < rgba->h; ++ligne) {
        const auto* pixels = static_cast<const unsigned char*>(rgba->pixels) + ligne * rgba->pitch;
        for (int colonne = 0; colonne < rgba->w; ++colonne) {
            const unsigned char* p = pixels + 4 * colonne;
            const double luminance = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
            // Posée depuis le coin haut gauche : la ligne du haut de l'image est la ligne y = cote.
            d.cases[static_cast<std::size_t>(colonne * cote + (cote - 1 - ligne))] = p[3] >= 128 && luminance < 128.0;
        }
    }
    return d;
}

}  // namespace

dessin_peint lire(const std::string& fichier) {
    std::string contenu;
    try {
        contenu = lecture_fichier_pkg::lire_fichier(fichier, lecture_fichier_pkg::TAILLE_MAX_IMAGE);
    } catch (const lecture_fichier_pkg::ERREUR_LECTURE_REFUSEE& e) {
        throw dessin_invalide(e.detail());
    }
    if (contenu.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) return lire_png(contenu, fichier);
    std::istringstream flux(contenu);
    return lire_texte(flux, fichier);
}

}  // namespace dessin
