// Dessin d'entrée du générateur : image texte ('#' peint, '.' non) ou image PNG.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace dessin {

// Refus d'un dessin, avec un message lisible.
struct dessin_invalide : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct dessin_peint {
    int cote = 0;
    std::vector<bool> cases;  // indice (x - 1) * cote + (y - 1), y = cote pour la ligne du haut
    bool peinte(int x, int y) const { return cases[static_cast<std::size_t>((x - 1) * cote + (y - 1))]; }
};

// Lit le fichier : PNG s'il en a la signature, image texte sinon. Côté de 2 à 42.
dessin_peint lire(const std::string& fichier);

}  // namespace dessin
