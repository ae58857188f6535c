// Chronomètre d'une partie : cumule la durée des passages du joueur sur une grille.
#pragma once

#include "horloge_pkg.hpp"

#include <memory>

namespace timer_pkg {

using duree = horloge_pkg::duree;

class temps {
public:
    // Horloge monotone par défaut : pas de durée négative au passage de minuit.
    explicit temps(const horloge_pkg::horloge& source = horloge_pkg::horloge_systeme()) : source(&source) {}

    void initialiser_timer();
    // Valeur de départ en secondes, de 0 à un milliard ; au-delà d'un jour elle est gardée. En double précision :
    // toute valeur entière écrite dans un fichier se relit exactement (un float arrondissait au-delà de 2^24 s).
    void initialiser_timer(double valeur_de_depart);
    void demarrer_chrono();
    void arreter_chrono();
    void initialiser_chrono();
    void mettre_a_jour_temps();

    duree obtenir_temps_passe() const { return temps_passe; }
    duree obtenir_dernier_temps() const { return dernier_temps; }
    duree obtenir_chrono() const { return chrono; }
    bool est_actif() const { return chrono_actif; }

private:
    const horloge_pkg::horloge* source;
    duree temps_passe{0};
    duree chrono{0};
    bool chrono_actif = false;
    duree dernier_temps{0};
};

using temps_ptr = std::shared_ptr<temps>;

// Durée en secondes entières, arrondie au plus proche, moitiés loin de zéro.
long long secondes_arrondies(duree d);

}  // namespace timer_pkg
