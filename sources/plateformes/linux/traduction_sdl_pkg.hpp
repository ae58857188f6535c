// Traduction des événements SDL2 en événements du jeu.
#pragma once

#include "evenement_pkg.hpp"

#include <SDL.h>

#include <vector>

namespace traduction_sdl_pkg {

// Symbole d'une touche d'après sa position, comme sur un clavier américain ; 0 si le jeu ne la connaît pas.
std::int32_t symbole_touche(SDL_Scancode position);

// F11 (appui ou relâchement) : la plate-forme bascule elle-même entre fenêtre et plein écran, le jeu n'en voit
// que le changement de taille.
bool est_touche_plein_ecran(const SDL_Event& e);

// Événements du jeu correspondant à un événement SDL2 : aucun pour ce que le jeu ignore
// (et pour les répétitions du système, le jeu répète lui-même), deux pour un cran de molette.
std::vector<evenement_pkg::evenement> traduire(const SDL_Event& e);

} // namespace traduction_sdl_pkg
