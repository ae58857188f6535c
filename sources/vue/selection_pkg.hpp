// Choix de l'objet touché parmi les enregistrements d'une passe de sélection OpenGL.
#pragma once

#include <cstdint>
#include <span>

namespace selection_pkg {

// tampon : les enregistrements (nombre de noms, profondeur min, profondeur max, noms...) ;
// succes : le nombre d'enregistrements rendu par OpenGL, négatif en cas de débordement.
// Rend le premier nom (le plus extérieur) de l'enregistrement le plus proche, ou 0 quand
// rien de cliquable n'est touché ou qu'une surface sans nom est strictement devant.
std::uint32_t choisir_hit(std::span<const std::uint32_t> tampon, int succes);

} // namespace selection_pkg
