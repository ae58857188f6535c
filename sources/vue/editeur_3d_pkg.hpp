// Écran de l'éditeur : la grille dessinée et son curseur dans le cadre du cockpit, son panneau droit, son dock de
// quatre actions et sa page d'aide.
#pragma once

#include "ecran_cockpit_3d_pkg.hpp"
#include "editeur_pkg.hpp"
#include "erreur_pkg.hpp"
#include "interface_editeur_droite_pkg.hpp"

#include <memory>

namespace editeur_3d_pkg {

DECLARER_ERREUR(ERREUR_EDITEUR_AFFICHABLE_NON_INITIALISE, "EDITEUR_3D_PKG.ERREUR_EDITEUR_AFFICHABLE_NON_INITIALISE");

using ecran_cockpit_3d_pkg::coef_min;
using ecran_cockpit_3d_pkg::etat_vue;

class editeur_affichable : public ecran_cockpit_3d_pkg::ecran_cockpit_affichable {
public:
    // Le modèle doit vivre au moins autant que l'écran.
    void initialiser(editeur_pkg::editeur_ptr edit);
    // Après la génération : la grille montre ses cases terminales, et le dock se range.
    void montrer_generation();
    // Avant chaque image : le curseur, montré seulement pendant le dessin, la vue qui le suit, puis le panneau.
    void mettre_a_jour(bool dessin, interface_editeur_droite_pkg::valeurs_panneau valeurs);
    void afficher() override;

    std::shared_ptr<interface_editeur_droite_pkg::interface_editeur_droite_affichable> obtenir_panneau_droit() const {
        return panneau_droit_;
    }
    // Le curseur est dessiné à la prochaine image.
    bool curseur_est_montre() const { return curseur_montre_; }

private:
    editeur_pkg::editeur_ptr modele_;
    std::shared_ptr<interface_editeur_droite_pkg::interface_editeur_droite_affichable> panneau_droit_;
    bool curseur_montre_ = true;
};

} // namespace editeur_3d_pkg
