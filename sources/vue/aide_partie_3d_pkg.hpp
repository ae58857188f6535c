// Page d'aide d'une partie (jeu libre, campagne, éditeur) : des lignes blanches, montrées à la place de la
// grille, chacune réduite s'il le faut pour tenir dans la fenêtre du cadre.
#pragma once

#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

#include <span>

namespace aide_partie_3d_pkg {

struct ligne {
    const char* texte;
    float echelle;
    float y;
};

// La largeur qu'une ligne peut prendre, centrée en x = -0,5, dans la fenêtre du cadre.
inline constexpr float largeur_ligne = 4.0f;

// erreur_non_initialise : l'exception de la page, levée quand on la dessine avant de l'avoir construite.
template <typename erreur_non_initialise>
class aide_partie_affichable : public objet_3d_pkg::objet_affichable {
public:
    bool est_initialise() const { return est_initialise_; }

    void afficher() override {
        if (!est_initialise_) throw erreur_non_initialise();
        preparer_affichage();
        afficher_sous_objets();
        terminer_affichage();
    }

protected:
    // Une fois : une étiquette par ligne. La dernière ajoutée est dessinée la première.
    void poser_lignes(std::span<const ligne> lignes) {
        if (est_initialise_) return;
        for (const ligne& l : lignes) {
            ajouter_sous_objet(piece_pkg::creer_etiquette(l.texte, affichage_texte_pkg::blanc, l.echelle,
                                                          {-0.5f, l.y, 0.0f}, largeur_ligne));
        }
        est_initialise_ = true;
    }

private:
    bool est_initialise_ = false;
};

} // namespace aide_partie_3d_pkg
