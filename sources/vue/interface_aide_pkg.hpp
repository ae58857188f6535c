// Page d'aide d'un écran de jeu, montrée à la place de la grille : des lignes blanches données par l'écran.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <span>

namespace interface_aide_pkg {

DECLARER_ERREUR(ERREUR_INTERFACE_AIDE_NON_INITIALISE, "INTERFACE_AIDE_PKG.ERREUR_INTERFACE_AIDE_NON_INITIALISE");

struct ligne {
    const char* texte;
    float echelle;
    float y;
};

// Toutes les lignes tiennent dans la fenêtre du cadre : entre y = 1,42 et y = -1,38 (492 pixels sur 600), chacune
// dans 4 unités de large autour de x = -0,5.
inline constexpr float echelle_titre = 0.25f;
inline constexpr float echelle_ligne = 0.14f;

class interface_aide_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Une seule fois.
    virtual void initialiser(std::span<const ligne> lignes);
    void afficher() override;

private:
    bool est_initialise_ = false;
};

} // namespace interface_aide_pkg
