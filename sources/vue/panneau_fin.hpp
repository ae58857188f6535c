// Panneau de fin de niveau : la planète née du niveau, ses scores et l'invitation à passer au suivant.
#pragma once

#include "campagne_pkg.hpp"
#include "erreur_pkg.hpp"
#include "niveau_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "planetes_3d_pkg.hpp"
#include "tableau_scores_3d_pkg.hpp"

#include <array>
#include <memory>

namespace panneau_fin {

DECLARER_ERREUR(ERREUR_PANNEAU_FIN_NON_INITIALISE, "PANNEAU_FIN.ERREUR_PANNEAU_FIN_NON_INITIALISE");

class panneau_fin_affichable : public objet_3d_pkg::objet_affichable {
public:
    virtual void initialiser(niveau_pkg::niveau_ptr m, campagne_pkg::campagne_ptr mc);
    // Les six parties, le score d'aide et le total du niveau.
    virtual void afficher_score_fin_niveau();
    virtual void mettre_a_jour_niveau_courant(niveau_pkg::niveau_ptr niv) { modele_ = std::move(niv); }
    void afficher() override;

    objet_texte_pkg::classe_texte_affichable obtenir_texte_felicitation() const { return texte_felicitation_; }
    const tableau_scores_3d_pkg::tableau_scores_affichable& obtenir_scores() const { return *scores_; }

private:
    bool est_initialise_ = false;
    niveau_pkg::niveau_ptr modele_;
    campagne_pkg::campagne_ptr modele_campagne_;
    objet_texte_pkg::classe_texte_affichable texte_fin_;
    objet_texte_pkg::classe_texte_affichable texte_felicitation_;
    sphere_3d::quadrique sphere_;
    std::array<planetes_3d_pkg::planete, planetes_3d_pkg::nombre_planetes> les_spheres_;
    std::shared_ptr<tableau_scores_3d_pkg::tableau_scores_affichable> scores_ =
        std::make_shared<tableau_scores_3d_pkg::tableau_scores_affichable>();
};

} // namespace panneau_fin
