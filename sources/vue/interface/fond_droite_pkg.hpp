// Partie droite du cadre des écrans de jeu : le grand panneau.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "panneau_droite_3d.hpp"
#include "piece_pkg.hpp"

#include <memory>

namespace fond_droite_pkg {

DECLARER_ERREUR(ERREUR_FOND_DROITE_NON_INITIALISE, "FOND_DROITE_PKG.ERREUR_FOND_DROITE_NON_INITIALISE");

class fond_droite_affichable
    : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_FOND_DROITE_NON_INITIALISE> {
public:
    virtual void initialiser();

protected:
    void dessiner() override { panneau_->afficher(); }

private:
    std::shared_ptr<panneau_droite_3d::panneau_droite_3d_affichable> panneau_;
};

} // namespace fond_droite_pkg
