// Page des crédits (mode CREDITS) : quatre lignes « rôle :: nom » et la plaque « menu ».
#pragma once

#include "page_3d_pkg.hpp"

#include <memory>

namespace credit_3d_pkg {

class credit_affichable : public page_3d_pkg::page_affichable {
public:
    // Construit les lignes et la plaque la première fois ; ensuite sans effet.
    virtual void initialiser();

private:
    bool est_initialise_ = false;
};

// Procédure de dessin du mode : construit la page au premier passage, active son récepteur de souris.
void page_credit();
void activer();
void desactiver();
bool est_actif();
// La page, nulle tant qu'elle n'a pas été dessinée.
std::shared_ptr<credit_affichable> obtenir_page();

} // namespace credit_3d_pkg
