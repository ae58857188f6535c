// Page d'aide de la partie libre, montrée à la place de la grille.
#pragma once

#include "aide_partie_3d_pkg.hpp"
#include "erreur_pkg.hpp"

namespace interface_libre_aide {

DECLARER_ERREUR(ERREUR_INTERFACE_LIBRE_AIDE_NON_INITIALISE,
                "INTERFACE_LIBRE_AIDE.ERREUR_INTERFACE_LIBRE_AIDE_NON_INITIALISE");

inline constexpr int nombre_lignes = 14;

class interface_libre_aide_affichable
    : public aide_partie_3d_pkg::aide_partie_affichable<ERREUR_INTERFACE_LIBRE_AIDE_NON_INITIALISE> {
public:
    virtual void initialiser();
};

} // namespace interface_libre_aide
