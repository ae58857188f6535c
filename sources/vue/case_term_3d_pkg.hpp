// Case terminale à l'écran : la tuile porte le chiffre de sa case, effacé quand la partie est gagnée.
#pragma once

#include "case_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <memory>

namespace case_term_3d_pkg {

class case_term_affichable : public case_3d_pkg::case_affichable {
public:
    // En plus de la tuile : le chiffre de la case ; le texte et les textures terminales la première fois seulement.
    void initialiser(const case_simple_pkg::classe_case& case_modele, int taille_grille) override;

    virtual void modifier_aide_term(bool laide) { modifier_aide(laide); }

    int obtenir_chiffre() const { return chiffre_; }
    // Le texte du chiffre, nul avant initialiser.
    objet_texte_pkg::classe_texte_affichable obtenir_texte_chiffre() const { return texte_chiffre_; }

protected:
    // Le chiffre, tant que la partie n'est pas gagnée : la grille finie ne montre que son image.
    bool a_un_contenu() const override { return !fini_; }
    void dessiner_contenu() override;

private:
    int chiffre_ = 0;
    bool chiffre_initialise_ = false;
    objet_texte_pkg::classe_texte_affichable texte_chiffre_;
};

using classe_case_term_affichable = std::shared_ptr<case_term_affichable>;

} // namespace case_term_3d_pkg
