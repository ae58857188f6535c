// Racine de scène pour les tests d'affichage : ne dessine que ses sous-objets.
#pragma once

#include "objet_3d_pkg.hpp"

namespace racine_de_scene {

class racine : public objet_3d_pkg::objet_affichable {
public:
    void afficher() override {
        preparer_affichage();
        afficher_sous_objets();
        terminer_affichage();
    }
};

} // namespace racine_de_scene
