// Choix de l'objet touché dans un tampon de sélection.
#include "selection_pkg.hpp"

namespace selection_pkg {

std::uint32_t choisir_hit(std::span<const std::uint32_t> tampon, int succes) {
    constexpr std::size_t entete = 3;  // nombre de noms, profondeur min, profondeur max
    if (succes <= 0 || tampon.size() < entete) {
        return 0;
    }
    std::uint32_t hit = 0;
    std::uint32_t profondeur_minimale = tampon[1];
    std::size_t indice = 0;
    for (int numero = 1; numero <= succes; ++numero) {
        if (indice + entete > tampon.size()) {
            break;
        }
        const std::uint32_t nombre_noms = tampon[indice];
        const std::uint32_t profondeur = tampon[indice + 1];
        if (nombre_noms == 0) {
            // Décor sans nom : ne cache que ce qui est strictement derrière lui.
            if (profondeur < profondeur_minimale) {
                profondeur_minimale = profondeur;
                hit = 0;
            }
        } else {
            if (indice + entete + nombre_noms > tampon.size()) {
                break;
            }
            // À profondeur égale, un objet nommé l'emporte.
            if (profondeur <= profondeur_minimale) {
                profondeur_minimale = profondeur;
                hit = tampon[indice + entete];
            }
        }
        indice += entete + nombre_noms;
    }
    return hit;
}

} // namespace selection_pkg
