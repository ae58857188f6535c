// Page d'aide de la partie libre, montrée à la place de la grille.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"

namespace interface_libre_aide {

DECLARER_ERREUR(ERREUR_INTERFACE_LIBRE_AIDE_NON_INITIALISE,
                "INTERFACE_LIBRE_AIDE.ERREUR_INTERFACE_LIBRE_AIDE_NON_INITIALISE");

inline constexpr int nombre_lignes = 14;

class interface_libre_aide_affichable : public objet_3d_pkg::objet_affichable {
public:
    virtual void initialiser();
    void afficher() override;

private:
    bool est_initialise_ = false;
};

} // namespace interface_libre_aide
