// Cadre complet des écrans de jeu : le cockpit à gauche et le panneau à droite.
#pragma once

#include "erreur_pkg.hpp"
#include "fond_droite_pkg.hpp"
#include "fond_gauche_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

#include <memory>

namespace fond_pkg {

DECLARER_ERREUR(ERREUR_FOND_NON_INITIALISE, "FOND_PKG.ERREUR_FOND_NON_INITIALISE");

class fond_affichable : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_FOND_NON_INITIALISE> {
public:
    virtual void initialiser();

protected:
    void dessiner() override;

private:
    std::shared_ptr<fond_gauche_pkg::fond_gauche_affichable> cockpit_;
    std::shared_ptr<fond_droite_pkg::fond_droite_affichable> panneau_;
};

} // namespace fond_pkg
