// Partie droite du cadre : le panneau agrandi, calé à droite.
#include "fond_droite_pkg.hpp"

namespace fond_droite_pkg {

void fond_droite_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    panneau_ = std::make_shared<panneau_droite_3d::panneau_droite_3d_affichable>();
    panneau_->initialiser();
    panneau_->definir_echelle(1.37f);
    panneau_->positionner_objet3d({1.97f, 0.0f, 0.0f});
    est_initialise_ = true;
}

} // namespace fond_droite_pkg
