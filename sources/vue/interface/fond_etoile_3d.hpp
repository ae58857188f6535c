// Champ d'étoiles du fond des pages : l'image répétée 3 × 3 fois, qui tourne lentement.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

namespace fond_etoile_3d {

DECLARER_ERREUR(ERREUR_FOND_ETOILE_NON_INITIALISE, "FOND_ETOILE_3D.ERREUR_FOND_ETOILE_NON_INITIALISE");

class fond_etoile_3d_affichable
    : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_FOND_ETOILE_NON_INITIALISE> {
public:
    virtual void initialiser() { est_initialise_ = true; }
    // Tourne de 0,1 degré autour de z à chaque image et en redemande une autre.
    void animer() override;

protected:
    void dessiner() override;
};

} // namespace fond_etoile_3d
