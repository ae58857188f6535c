// Fenêtre SDL2 : ouverture, contexte OpenGL compatible avec le pipeline fixe, échange des tampons.
#include "fenetre_sdl_pkg.hpp"

#include <iostream>
#include <string>

namespace fenetre_sdl_pkg {

fenetre_sdl::~fenetre_sdl() {
    if (contexte_ != nullptr) {
        SDL_GL_DeleteContext(contexte_);
    }
    if (fenetre_ != nullptr) {
        SDL_DestroyWindow(fenetre_);
    }
    if (video_demarree_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

bool fenetre_sdl::ouvrir(int largeur, int hauteur) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::cout << "Impossible d'initialiser la video SDL : " << SDL_GetError() << std::endl;
        return false;
    }
    video_demarree_ = true;
    // Sans écran, SDL se rabat sur un pilote sans fenêtre visible : le jeu tournerait à vide.
    const std::string pilote = SDL_GetCurrentVideoDriver();
    if (pilote == "offscreen" || pilote == "dummy") {
        std::cout << "Aucun écran disponible (pilote vidéo SDL « " << pilote << " ») : le jeu a besoin d'une fenêtre."
                  << std::endl;
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    fenetre_ = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, largeur, hauteur,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (fenetre_ == nullptr) {
        std::cout << "Impossible d'ouvrir la fenetre : " << SDL_GetError() << std::endl;
        return false;
    }
    contexte_ = SDL_GL_CreateContext(fenetre_);
    if (contexte_ == nullptr) {
        std::cout << "Impossible de creer le contexte OpenGL : " << SDL_GetError() << std::endl;
        return false;
    }
    return true;
}

bool fenetre_sdl::changer_mode_video(int largeur, int hauteur) {
    if (fenetre_ == nullptr) {
        return false;
    }
    SDL_SetWindowResizable(fenetre_, SDL_TRUE);
    int l = 0;
    int h = 0;
    SDL_GetWindowSize(fenetre_, &l, &h);
    if (l != largeur || h != hauteur) {
        SDL_SetWindowSize(fenetre_, largeur, hauteur);
    }
    return true;
}

void fenetre_sdl::echanger_tampons() { SDL_GL_SwapWindow(fenetre_); }

void fenetre_sdl::activer_repetition_touches(int delai_ms, int intervalle_ms) {
    file_.definir_repetition(std::chrono::milliseconds(delai_ms), std::chrono::milliseconds(intervalle_ms));
}

} // namespace fenetre_sdl_pkg
