// Horloge monotone du jeu (chronomètre, boucle, animations), remplaçable dans les tests.
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

// L'horloge du système, pour qui n'en reçoit pas d'autre.
inline const horloge& horloge_systeme() {
    static const horloge_monotone monotone;
    return monotone;
}

} // namespace horloge_pkg
