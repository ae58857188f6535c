// Cadre du cockpit : quatre triangles d'angle et trois barres autour de la grille.
#pragma once

#include "barre_3d.hpp"
#include "bord_triangle_3d.hpp"
#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

#include <array>
#include <memory>

namespace fond_gauche_pkg {

DECLARER_ERREUR(ERREUR_FOND_GAUCHE_NON_INITIALISE, "FOND_GAUCHE_PKG.ERREUR_FOND_GAUCHE_NON_INITIALISE");

class fond_gauche_affichable
    : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_FOND_GAUCHE_NON_INITIALISE> {
public:
    virtual void initialiser();

protected:
    void dessiner() override;

private:
    // Bas gauche, bas droit, haut gauche, haut droit.
    std::array<std::shared_ptr<bord_triangle_3d::bord_triangle_3d_affichable>, 4> triangles_;
    // Haut, bas, gauche.
    std::array<std::shared_ptr<barre_3d::barre_3d_affichable>, 3> barres_;
};

} // namespace fond_gauche_pkg
