// Fond des scores du panneau de droite.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

namespace fond_score_3d {

DECLARER_ERREUR(ERREUR_FOND_SCORE_NON_INITIALISE, "FOND_SCORE_3D.ERREUR_FOND_SCORE_NON_INITIALISE");

class fond_score_3d_affichable : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_FOND_SCORE_NON_INITIALISE> {
public:
    virtual void initialiser() { est_initialise_ = true; }

protected:
    void dessiner() override;
};

} // namespace fond_score_3d
