// Cadre complet des écrans de jeu.
#include "fond_pkg.hpp"

namespace fond_pkg {

void fond_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    cockpit_ = std::make_shared<fond_gauche_pkg::fond_gauche_affichable>();
    cockpit_->initialiser();
    panneau_ = std::make_shared<fond_droite_pkg::fond_droite_affichable>();
    panneau_->initialiser();
    est_initialise_ = true;
}

void fond_affichable::dessiner() {
    cockpit_->afficher();
    panneau_->afficher();
}

} // namespace fond_pkg
