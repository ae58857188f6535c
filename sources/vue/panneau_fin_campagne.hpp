// Panneau de fin de campagne : le soleil, les scores des dix niveaux et l'invitation à revenir au menu.
#pragma once

#include "campagne_pkg.hpp"
#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "planetes_3d_pkg.hpp"
#include "tableau_scores_3d_pkg.hpp"

#include <memory>

namespace panneau_fin_campagne {

DECLARER_ERREUR(ERREUR_PANNEAU_FIN_CAMPAGNE_NON_INITIALISE,
                "PANNEAU_FIN_CAMPAGNE.ERREUR_PANNEAU_FIN_CAMPAGNE_NON_INITIALISE");

class panneau_fin_campagne_affichable : public objet_3d_pkg::objet_affichable {
public:
    virtual void initialiser(campagne_pkg::campagne_ptr c);
    // Les dix niveaux, puis le total de la campagne.
    virtual void afficher_score_fin_campagne();
    void afficher() override;

    const tableau_scores_3d_pkg::tableau_scores_affichable& obtenir_scores() const { return *scores_; }

private:
    bool est_initialise_ = false;
    campagne_pkg::campagne_ptr modele_;
    objet_texte_pkg::classe_texte_affichable texte_fin_;
    objet_texte_pkg::classe_texte_affichable texte_felicitation_;
    sphere_3d::quadrique sphere_;
    planetes_3d_pkg::planete sphere_soleil_;
    std::shared_ptr<tableau_scores_3d_pkg::tableau_scores_affichable> scores_ =
        std::make_shared<tableau_scores_3d_pkg::tableau_scores_affichable>();
};

} // namespace panneau_fin_campagne
