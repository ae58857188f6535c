// Page d'aide de l'éditeur, montrée à la place de la grille.
#pragma once

#include "aide_partie_3d_pkg.hpp"
#include "erreur_pkg.hpp"

namespace interface_editeur_aide {

DECLARER_ERREUR(ERREUR_INTERFACE_EDITEUR_AIDE_NON_INITIALISE,
                "INTERFACE_EDITEUR_AIDE.ERREUR_INTERFACE_EDITEUR_AIDE_NON_INITIALISE");

class interface_editeur_aide_affichable
    : public aide_partie_3d_pkg::aide_partie_affichable<ERREUR_INTERFACE_EDITEUR_AIDE_NON_INITIALISE> {
public:
    virtual void initialiser();
};

} // namespace interface_editeur_aide
