// Fenêtre SDL2 et son contexte OpenGL.
#pragma once

#include "file_evenements_sdl_pkg.hpp"
#include "scene_pkg.hpp"

#include <SDL.h>

#include <string>

namespace fenetre_sdl_pkg {

class fenetre_sdl final : public scene_pkg::fenetre {
public:
    // La file reçoit les réglages de répétition des touches.
    explicit fenetre_sdl(file_evenements_sdl_pkg::file_evenements_sdl& file) : file_(file) {}
    ~fenetre_sdl() override;
    fenetre_sdl(const fenetre_sdl&) = delete;
    fenetre_sdl& operator=(const fenetre_sdl&) = delete;

    bool ouvrir(int largeur, int hauteur) override;
    bool changer_mode_video(int largeur, int hauteur) override;
    void echanger_tampons() override;
    void activer_repetition_touches(int delai_ms, int intervalle_ms) override;

private:
    // Un essai d'ouverture ; en cas d'échec, raison dit pourquoi et ce qui a été ouvert reste à fermer.
    bool essayer_ouvrir(int largeur, int hauteur, std::string& raison);
    void fermer();

    file_evenements_sdl_pkg::file_evenements_sdl& file_;
    bool video_demarree_ = false;
    SDL_Window* fenetre_ = nullptr;
    SDL_GLContext contexte_ = nullptr;
};

} // namespace fenetre_sdl_pkg
