// Menu principal : titre, sept entrées empilées et champ d'étoiles, avec la ligne du clavier.
#pragma once

#include "entrees_menu_pkg.hpp"
#include "fond_etoile_3d.hpp"
#include "objet_3d_pkg.hpp"

#include <memory>

namespace menu_3d_pkg {

inline constexpr int nombre_entrees = 7;

class menu_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Construit le menu la première fois ; ensuite sans effet.
    virtual void initialiser();

    // Le champ d'étoiles, puis les entrées et le titre.
    void afficher() override;

    bool est_initialise() const { return est_initialise_; }
    // Les sept entrées et la ligne du clavier, qui survit aux changements de mode.
    entrees_menu_pkg::entrees_menu& entrees() { return entrees_; }

private:
    bool est_initialise_ = false;
    std::shared_ptr<fond_etoile_3d::fond_etoile_3d_affichable> fond_;
    entrees_menu_pkg::entrees_menu entrees_;
};

} // namespace menu_3d_pkg
