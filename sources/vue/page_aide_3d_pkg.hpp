// Page d'aide générale (mode AIDE) : dix-huit lignes de texte et la plaque « menu ».
#pragma once

#include "page_3d_pkg.hpp"

#include <memory>

namespace page_aide_3d_pkg {

class page_aide_affichable : public page_3d_pkg::page_affichable {
public:
    // Construit les textes et la plaque la première fois ; ensuite sans effet.
    virtual void initialiser();

private:
    bool est_initialise_ = false;
};

// Procédure de dessin du mode : construit la page au premier passage, active son récepteur de souris.
void page_aide();
void activer();
void desactiver();
bool est_actif();
// La page, nulle tant qu'elle n'a pas été dessinée.
std::shared_ptr<page_aide_affichable> obtenir_page();

} // namespace page_aide_3d_pkg
