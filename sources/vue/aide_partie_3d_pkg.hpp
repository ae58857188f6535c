// Page d'aide d'une partie (jeu libre, campagne) : des lignes blanches, montrées à la place de la grille,
// chacune réduite s'il le faut pour tenir dans la fenêtre du cadre.
#pragma once

#include "objet_3d_pkg.hpp"

#include <span>

namespace aide_partie_3d_pkg {

struct ligne {
    const char* texte;
    float echelle;
    float y;
};

// La largeur qu'une ligne peut prendre, centrée en x = -0,5, dans la fenêtre du cadre.
inline constexpr float largeur_ligne = 4.0f;

class aide_partie_affichable : public objet_3d_pkg::objet_affichable {
public:
    bool est_initialise() const { return est_initialise_; }

protected:
    // Une fois : une étiquette par ligne.
    void poser_lignes(std::span<const ligne> lignes);

private:
    bool est_initialise_ = false;
};

} // namespace aide_partie_3d_pkg
