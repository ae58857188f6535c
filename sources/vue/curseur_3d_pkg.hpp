// Curseur du clavier sur la grille : un cadre posé sur la tuile de la case courante, invisible pour la souris.
#pragma once

#include "case_simple_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <memory>

namespace curseur_3d_pkg {

// Rectangle du curseur dans le repère de la grille : il recouvre exactement la tuile de la case.
struct rectangle {
    float x_min, y_min, x_max, y_max;
};

rectangle rectangle_curseur(int taille_grille, const case_simple_pkg::coordonnees& c);

class curseur_affichable : public objet_3d_pkg::objet_affichable {
public:
    // taille_grille : côté de la grille, positif.
    explicit curseur_affichable(int taille_grille);

    virtual void mettre_a_jour(const case_simple_pkg::coordonnees& nouvelle_coord) {
        coordonnees_actuelles_ = nouvelle_coord;
    }
    virtual void finir_curseur() {}
    // Dessiné seulement pour une image : en passe de sélection, la souris doit atteindre la tuile dessous.
    void afficher() override;

    int obtenir_taille_grille() const { return taille_grille_; }
    case_simple_pkg::coordonnees obtenir_coordonnees() const { return coordonnees_actuelles_; }

private:
    int taille_grille_;
    case_simple_pkg::coordonnees coordonnees_actuelles_{1, 1};
};

using classe_curseur_affichable = std::shared_ptr<curseur_affichable>;

} // namespace curseur_3d_pkg
