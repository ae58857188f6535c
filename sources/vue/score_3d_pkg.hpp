// Nombre affiché en texte (points d'aide, scores) : le texte n'est refait que quand le nombre change.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <memory>
#include <string>

namespace score_3d_pkg {

// Image décimale d'un entier, avec un blanc devant un nombre positif ou nul (" 0", " 12", "-10").
std::string image_entier(int n);

class score_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Une fois : le texte du nombre courant en sous-objet.
    virtual void initialiser();
    virtual void mettre_a_jour(int score);
    void afficher() override;
    int obtenir_chiffre() const { return chiffre_; }
    std::string obtenir_texte() const;

private:
    void poser_texte();
    int chiffre_ = 0;
    bool est_initialise_ = false;
    bool deja_affiche_ = false;
};

using classe_score_affichable = std::shared_ptr<score_affichable>;

} // namespace score_3d_pkg
