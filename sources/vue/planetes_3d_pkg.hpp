// Les dix corps du système solaire de la campagne, un par niveau, dans l'ordre des niveaux.
#pragma once

#include "objet_3d_pkg.hpp"
#include "sphere_3d.hpp"

#include <array>
#include <memory>
#include <string_view>

namespace planetes_3d_pkg {

inline constexpr int nombre_planetes = 10;

// Nom de texture du corps du niveau 1 à 10.
inline constexpr std::array<std::string_view, nombre_planetes> noms{
    "pluton", "neptune", "uranus", "saturne", "jupiter", "mars", "terre", "venus", "mercure", "soleil"};

using planete = std::shared_ptr<sphere_3d::sphere_3d_affichable>;

// Une planète sur la quadrique partagée, à son échelle et à sa place ; découverte ou non.
planete creer_planete(const sphere_3d::quadrique& sphere, int niveau, float echelle,
                      const objet_3d_pkg::coordonnee_3d& position, bool decouverte);

} // namespace planetes_3d_pkg
