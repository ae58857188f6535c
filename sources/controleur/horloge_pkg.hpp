// Horloge monotone du jeu, remplaçable dans les tests.
#pragma once

#include <chrono>

namespace horloge_pkg {

using duree = std::chrono::nanoseconds;

class horloge {
public:
    virtual ~horloge() = default;
    // Temps écoulé depuis une origine fixe, jamais décroissant.
    virtual duree maintenant() const = 0;
};

class horloge_monotone final : public horloge {
public:
    duree maintenant() const override {
        return std::chrono::duration_cast<duree>(std::chrono::steady_clock::now().time_since_epoch());
    }
};

} // namespace horloge_pkg
