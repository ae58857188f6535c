// Bloc des points d'aide, commun aux panneaux droits du jeu libre et de la campagne : son fond, le crédit d'aide,
// les points choisis entre « + » et « - », et « ok » pour les dépenser.
#pragma once

#include "bouton_rond_3d.hpp"
#include "fond_score_3d.hpp"
#include "objet_3d_pkg.hpp"
#include "score_3d_pkg.hpp"

#include <memory>
#include <string>

namespace points_aide_3d_pkg {

using bouton = std::shared_ptr<bouton_rond_3d::bouton_rond_3d_affichable>;

// Un bouton rond des panneaux, à l'échelle des panneaux.
bouton creer_bouton(const std::string& texte, const std::string& evenement, const objet_3d_pkg::coordonnee_3d& position);
// Un nombre des panneaux, à l'échelle des panneaux.
score_3d_pkg::classe_score_affichable creer_score(const objet_3d_pkg::coordonnee_3d& position);

// Dans le repère du panneau qui le tient, autour de x = 2,12.
class points_aide_affichable : public objet_3d_pkg::objet_affichable {
public:
    void initialiser();
    void mettre_a_jour(int points_aide, int points_choisis);
    void afficher() override;

    score_3d_pkg::classe_score_affichable obtenir_score_aide() const { return le_score_aide_; }
    score_3d_pkg::classe_score_affichable obtenir_points_aide() const { return les_points_aide_; }

private:
    std::shared_ptr<fond_score_3d::fond_score_3d_affichable> le_fond_score_;
    score_3d_pkg::classe_score_affichable le_score_aide_;
    score_3d_pkg::classe_score_affichable les_points_aide_;
    bouton bouton_aide_plus_, bouton_aide_moins_, bouton_ok_;
};

} // namespace points_aide_3d_pkg
