// Grille à l'écran : un carré de tuiles cliquables, une par case du modèle, retrouvées par leur indice.
#pragma once

#include "case_3d_pkg.hpp"
#include "grille_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <memory>
#include <string>
#include <vector>

namespace grille_3d_pkg {

// Centre de la tuile de la case c dans le repère de la grille : la grille couvre −taille / 2 .. taille / 2.
objet_3d_pkg::coordonnee_3d position_tuile(int taille_grille, const case_simple_pkg::coordonnees& c);

// Échelle d'une tuile : son quadrilatère −1 .. 1 remplit alors exactement sa case.
inline constexpr float echelle_tuile = 0.5f;

class grille_affichable : public objet_3d_pkg::objet_affichable {
public:
    explicit grille_affichable(grille_pkg::grille_ptr g);

    // Construit les tuiles, une fois : un second appel ne change rien.
    virtual void initialiser();
    // Tuile de la case c en temps constant ; std::out_of_range hors de la grille ou avant initialiser.
    virtual case_3d_pkg::classe_case_affichable obtenir_case_affichable(const case_simple_pkg::coordonnees& c) const;

    // Les tuiles dans le repère de la grille. Pour une image, les tuiles d'une même texture à la suite, puis
    // chiffres et loupes par-dessus ; pour la sélection, le seul quadrilatère de chaque tuile sous son nom.
    void afficher() override;

    grille_pkg::grille_ptr obtenir_grille() const { return g_; }

private:
    // Tuiles qui portent la même texture à cette image.
    struct groupe_texture {
        std::string nom;
        std::vector<case_3d_pkg::case_affichable*> tuiles;
    };

    void afficher_image();
    void afficher_selection();
    template <typename F>
    void pour_chaque_tuile(F action) const;

    grille_pkg::grille_ptr g_;
    // Tuiles par indice (x − 1) × taille + (y − 1) ; vide avant initialiser.
    std::vector<case_3d_pkg::classe_case_affichable> les_cases_;
    bool est_initialise_ = false;
    // Gardés d'une image à l'autre : seules les listes de tuiles sont refaites.
    std::vector<groupe_texture> groupes_;
    std::vector<case_3d_pkg::case_affichable*> dessus_;
};

using classe_grille_affichable = std::shared_ptr<grille_affichable>;

// Côté de la grille montrée, en flottant pour les calculs d'échelle, en entier pour les indices.
float taille_grille(const grille_affichable& g3d);
int taille_grille_entiere(const grille_affichable& g3d);

} // namespace grille_3d_pkg
