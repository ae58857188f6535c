// Grand panneau de droite des écrans de jeu, au bord gauche creusé vers l'intérieur.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

namespace panneau_droite_3d {

DECLARER_ERREUR(ERREUR_PANNEAU_DROITE_NON_INITIALISE, "PANNEAU_DROITE_3D.ERREUR_PANNEAU_DROITE_NON_INITIALISE");

class panneau_droite_3d_affichable
    : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_PANNEAU_DROITE_NON_INITIALISE> {
public:
    virtual void initialiser() { est_initialise_ = true; }

protected:
    void dessiner() override;
};

} // namespace panneau_droite_3d
