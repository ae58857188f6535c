// Horloge des tests (chronomètre, boucle, animations) : avance seulement quand le test le dit.
#pragma once

#include "horloge_pkg.hpp"

#include <chrono>

namespace horloge_reglable_pkg {

class horloge_reglable : public horloge_pkg::horloge {
public:
    horloge_pkg::duree instant = std::chrono::seconds(10);
    horloge_pkg::duree maintenant() const override { return instant; }
};

} // namespace horloge_reglable_pkg
