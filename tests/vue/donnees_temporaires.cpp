// Racine de données jetable : répertoire temporaire, images écrites par SDL_image, police trouvée par fontconfig.
#include "donnees_temporaires.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace donnees_temporaires {

namespace fs = std::filesystem;

racine_donnees::racine_donnees() : precedent_(fs::current_path()) {
    std::string modele = (fs::temp_directory_path() / "tessaline_affichage_XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) {
        throw std::runtime_error("répertoire temporaire impossible");
    }
    racine_ = modele;
    fs::create_directory(racine_ / "textures");
    fs::create_directory(racine_ / "polices");
    fs::current_path(racine_);
}

racine_donnees::~racine_donnees() {
    std::error_code ignore;
    fs::current_path(precedent_, ignore);
    fs::remove_all(racine_, ignore);
}

void racine_donnees::ecrire_texture(const std::string& fichier, int largeur, int hauteur, bool alpha,
                                    const motif& couleur) const {
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> image(
        SDL_CreateRGBSurfaceWithFormat(0, largeur, hauteur, alpha ? 32 : 24,
                                       alpha ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24),
        &SDL_FreeSurface);
    const int octets = alpha ? 4 : 3;
    for (int y = 0; y < hauteur; ++y) {
        for (int x = 0; x < largeur; ++x) {
            const pixel p = couleur(x, y);
            auto* octet = static_cast<std::uint8_t*>(image->pixels) + y * image->pitch + x * octets;
            octet[0] = p.r;
            octet[1] = p.g;
            octet[2] = p.b;
            if (alpha) {
                octet[3] = p.a;
            }
        }
    }
    const std::string chemin = "textures/" + fichier;
    if (IMG_SavePNG(image.get(), chemin.c_str()) != 0) {
        throw std::runtime_error("écriture impossible : " + chemin);
    }
}

void racine_donnees::ecrire_fichier(const std::string& chemin_relatif, const std::string& contenu) const {
    std::ofstream(chemin_relatif, std::ios::binary) << contenu;
}

bool racine_donnees::copier_police_systeme() const {
    const std::unique_ptr<FILE, decltype(&pclose)> commande(popen("fc-match -f '%{file}' sans", "r"), &pclose);
    if (!commande) {
        return false;
    }
    std::string chemin;
    std::array<char, 256> morceau{};
    while (fgets(morceau.data(), static_cast<int>(morceau.size()), commande.get()) != nullptr) {
        chemin += morceau.data();
    }
    std::error_code erreur;
    return !chemin.empty() && fs::copy_file(chemin, "polices/FALLOUT.ttf", erreur);
}

} // namespace donnees_temporaires
