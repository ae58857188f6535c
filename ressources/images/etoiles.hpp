// Fond d'étoiles du menu : image opaque raccordable, répétée 3 × 3 fois sur le plan qui tourne.
#pragma once

#include "dessin.hpp"

namespace images::etoiles {

dessin::image fond_etoile();

} // namespace images::etoiles
