// Image SDL décodée (picture PNG, glyphe rendu) libérée automatiquement.
#pragma once

#include <memory>

struct SDL_Surface;

namespace surface_sdl_pkg {

struct liberer_surface {
    void operator()(SDL_Surface* s) const;
};
using surface = std::unique_ptr<SDL_Surface, liberer_surface>;

} // namespace surface_sdl_pkg
