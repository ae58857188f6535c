// Page d'aide générale : dix-huit lignes de texte et la plaque « menu ».
#pragma once

#include "page_3d_pkg.hpp"

namespace page_aide_3d_pkg {

class page_aide_affichable : public page_3d_pkg::page_affichable {
public:
    // Construit les textes et la plaque la première fois ; ensuite sans effet.
    virtual void initialiser();

private:
    bool est_initialise_ = false;
};

} // namespace page_aide_3d_pkg
