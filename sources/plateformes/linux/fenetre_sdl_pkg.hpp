// Fenêtre SDL2 et son contexte OpenGL.
#pragma once

#include "file_evenements_sdl_pkg.hpp"
#include "scene_pkg.hpp"

#include <SDL.h>

#include <string>

namespace fenetre_sdl_pkg {

class fenetre_sdl final : public scene_pkg::fenetre {
public:
    // La file reçoit les réglages de répétition des touches et la bascule du plein écran (F11).
    explicit fenetre_sdl(file_evenements_sdl_pkg::file_evenements_sdl& file);
    ~fenetre_sdl() override;
    fenetre_sdl(const fenetre_sdl&) = delete;
    fenetre_sdl& operator=(const fenetre_sdl&) = delete;

    bool ouvrir(int largeur, int hauteur) override;
    bool changer_mode_video(int largeur, int hauteur) override;
    void echanger_tampons() override;
    void activer_repetition_touches(int delai_ms, int intervalle_ms) override;

    // Passe du plein écran (toute la taille du bureau) à la fenêtre, qui reprend sa taille d'avant, ou
    // l'inverse ; SDL annonce ensuite la nouvelle taille comme un redimensionnement. Faux si refusé.
    bool basculer_plein_ecran();
    bool est_plein_ecran() const;

private:
    // Un essai d'ouverture ; en cas d'échec, raison dit pourquoi et ce qui a été ouvert reste à fermer.
    bool essayer_ouvrir(int largeur, int hauteur, std::string& raison);
    void fermer();

    file_evenements_sdl_pkg::file_evenements_sdl& file_;
    bool video_demarree_ = false;
    SDL_Window* fenetre_ = nullptr;
    SDL_GLContext contexte_ = nullptr;
    // Place et taille de la fenêtre avant le plein écran, rendues en le quittant.
    int x_fenetree_ = SDL_WINDOWPOS_UNDEFINED;
    int y_fenetree_ = SDL_WINDOWPOS_UNDEFINED;
    int largeur_fenetree_ = 800;
    int hauteur_fenetree_ = 600;
};

} // namespace fenetre_sdl_pkg
