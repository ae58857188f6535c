// Page d'aide de la campagne, montrée à la place du cube.
#pragma once

#include "aide_partie_3d_pkg.hpp"
#include "erreur_pkg.hpp"

namespace interface_partie_aide {

DECLARER_ERREUR(ERREUR_INTERFACE_PARTIE_AIDE_NON_INITIALISE,
                "INTERFACE_PARTIE_AIDE.ERREUR_INTERFACE_PARTIE_AIDE_NON_INITIALISE");

class interface_partie_aide_affichable
    : public aide_partie_3d_pkg::aide_partie_affichable<ERREUR_INTERFACE_PARTIE_AIDE_NON_INITIALISE> {
public:
    virtual void initialiser();
};

} // namespace interface_partie_aide
