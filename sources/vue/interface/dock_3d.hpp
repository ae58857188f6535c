// Plaque de fond du dock, derrière ses boutons.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

namespace dock_3d {

DECLARER_ERREUR(ERREUR_DOCK_NON_INITIALISE, "DOCK_3D.ERREUR_DOCK_NON_INITIALISE");

class dock_3d_affichable : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_DOCK_NON_INITIALISE> {
public:
    virtual void initialiser() { est_initialise_ = true; }

protected:
    void dessiner() override;
};

} // namespace dock_3d
