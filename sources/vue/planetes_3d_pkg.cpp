// Les corps de la campagne : création d'une planète du niveau donné.
#include "planetes_3d_pkg.hpp"

#include <string>

namespace planetes_3d_pkg {

planete creer_planete(const sphere_3d::quadrique& sphere, int niveau, float echelle,
                      const objet_3d_pkg::coordonnee_3d& position, bool decouverte) {
    auto p = std::make_shared<sphere_3d::sphere_3d_affichable>();
    p->initialiser(sphere, std::string(noms.at(static_cast<std::size_t>(niveau - 1))));
    p->definir_echelle(echelle);
    p->positionner_objet3d(position);
    if (decouverte) p->mettre_trouve();
    return p;
}

} // namespace planetes_3d_pkg
