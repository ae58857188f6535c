// Chronomètre : passages comptés à l'arrêt seulement, sur une horloge qui ne recule jamais.
#include "timer_pkg.hpp"

#include <cmath>
#include <stdexcept>

namespace timer_pkg {

void temps::initialiser_timer() {
    temps_passe = chrono = dernier_temps = duree{0};
    chrono_actif = false;
}

void temps::initialiser_timer(double valeur_de_depart) {
    // Les lecteurs de fichiers bornent la valeur ; ici c'est une erreur de programmation.
    if (!(valeur_de_depart >= 0.0) || valeur_de_depart > 1.0e9) {
        throw std::out_of_range("initialiser_timer : valeur de départ hors limites");
    }
    temps_passe = chrono = dernier_temps = duree{std::llround(valeur_de_depart * 1.0e9)};
    chrono_actif = false;
}

void temps::demarrer_chrono() {
    if (chrono_actif) return;
    chrono_actif = true;
    chrono = source->maintenant();
}

void temps::arreter_chrono() {
    if (!chrono_actif) return;
    dernier_temps = source->maintenant() - chrono;
    temps_passe += dernier_temps;
    chrono = duree{0};
    chrono_actif = false;
}

void temps::initialiser_chrono() {
    chrono = duree{0};
    chrono_actif = false;
}

void temps::mettre_a_jour_temps() { temps_passe += chrono; }

long long secondes_arrondies(duree d) {
    return std::llround(std::chrono::duration<double>(d).count());
}

}  // namespace timer_pkg
