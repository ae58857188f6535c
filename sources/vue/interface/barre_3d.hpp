// Barre du cadre du cockpit : une bande texturée aux bords arrondis par l'éclairage.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

namespace barre_3d {

DECLARER_ERREUR(ERREUR_BARRE_NON_INITIALISE, "BARRE_3D.ERREUR_BARRE_NON_INITIALISE");

class barre_3d_affichable : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_BARRE_NON_INITIALISE> {
public:
    virtual void initialiser() { est_initialise_ = true; }

protected:
    void dessiner() override;
};

} // namespace barre_3d
