// Triangle d'angle du cadre du cockpit, sous sa forme normale ou en miroir.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

namespace bord_triangle_3d {

DECLARER_ERREUR(ERREUR_TRIANGLE_NON_INITIALISE, "BORD_TRIANGLE_3D.ERREUR_TRIANGLE_NON_INITIALISE");

class bord_triangle_3d_affichable
    : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_TRIANGLE_NON_INITIALISE> {
public:
    virtual void initialiser() { est_initialise_ = true; }
    // Passe de la forme normale à la forme en miroir, et retour.
    virtual void inverser_sens() { symetrique_ = !symetrique_; }
    bool est_symetrique() const { return symetrique_; }

protected:
    void dessiner() override;

private:
    bool symetrique_ = false;
};

} // namespace bord_triangle_3d
