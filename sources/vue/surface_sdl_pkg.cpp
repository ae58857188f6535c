// Libération des images SDL.
#include "surface_sdl_pkg.hpp"

#include <SDL.h>

namespace surface_sdl_pkg {

void liberer_surface::operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }

} // namespace surface_sdl_pkg
