// Planète du panneau de campagne : une sphère texturée, « inconnu » tant qu'elle n'est pas découverte.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

#include <memory>
#include <string>

struct GLUquadric;

namespace sphere_3d {

DECLARER_ERREUR(ERREUR_SPHERE_NON_INITIALISE, "SPHERE_3D.ERREUR_SPHERE_NON_INITIALISE");

// Quadrique GLU partagée par les planètes d'un panneau, libérée avec la dernière qui la tient.
using quadrique = std::shared_ptr<GLUquadric>;
quadrique creer_quadrique();

class sphere_3d_affichable : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_SPHERE_NON_INITIALISE> {
public:
    // sph : la quadrique du propriétaire ; txt : le nom de texture de la planète.
    virtual void initialiser(quadrique sph, const std::string& txt);
    // La planète est découverte : elle montre désormais sa propre texture.
    virtual void mettre_trouve() { trouve_ = true; }
    bool est_trouve() const { return trouve_; }

protected:
    void dessiner() override;

private:
    quadrique sphere_;
    std::string texture_;
    bool trouve_ = false;
};

} // namespace sphere_3d
