// Page des crédits : quatre lignes « rôle :: nom » et la plaque « menu ».
#pragma once

#include "page_3d_pkg.hpp"

namespace credit_3d_pkg {

class credit_affichable : public page_3d_pkg::page_affichable {
public:
    // Construit les lignes et la plaque la première fois ; ensuite sans effet.
    virtual void initialiser();

private:
    bool est_initialise_ = false;
};

} // namespace credit_3d_pkg
