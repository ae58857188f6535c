// Page des options du son : deux entrées qui disent si musique et bruitages sont allumés.
#pragma once

#include "entrees_menu_pkg.hpp"
#include "page_3d_pkg.hpp"

#include <string>

namespace option_son_3d_pkg {

class page_option_affichable : public page_3d_pkg::page_affichable {
public:
    // Construit le titre, les deux entrées et la plaque la première fois, libellés d'après les options données ;
    // ensuite sans effet.
    virtual void initialiser(bool musique, bool bruitage);
    // Réécrit les deux libellés d'après les options données.
    virtual void mettre_a_jour(bool musique, bool bruitage);

    // La musique en ligne 1, les bruitages en ligne 2.
    entrees_menu_pkg::entrees_menu& entrees() { return entrees_; }

private:
    bool est_initialise_ = false;
    entrees_menu_pkg::entrees_menu entrees_;
};

// Ce que rapportent ses deux entrées.
inline const std::string action_musique = "mmusique";
inline const std::string action_bruitage = "mbruitage";
inline constexpr int ligne_musique = 1;
inline constexpr int ligne_bruitage = 2;

} // namespace option_son_3d_pkg
