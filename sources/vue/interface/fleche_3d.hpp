// Flèche de navigation du panneau de campagne : tourne le cube des niveaux dans sa direction.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"
#include "piece_pkg.hpp"

#include <string>
#include <string_view>

namespace fleche_3d {

DECLARER_ERREUR(ERREUR_FLECHE_NON_INITIALISE, "FLECHE_3D.ERREUR_FLECHE_NON_INITIALISE");

// Rapporté au relâchement, la direction (0 .. 3) dans le code de l'événement.
inline const std::string action_tourner = "tourner_cube";

class fleche_3d_affichable
    : public piece_pkg::piece<objet_3d_recepteur_pkg::objet_3d_recepteur, ERREUR_FLECHE_NON_INITIALISE> {
public:
    // Inscrit la flèche pour la sélection.
    virtual void initialiser();

    void sourisappuie(const evenement_pkg::evenement&) override { actif_ = true; }
    void sourisrelache(const evenement_pkg::evenement&) override;
    void sourissort(const evenement_pkg::evenement&) override { actif_ = false; }

    // Direction de rotation du cube, 0 .. 3, fixée par le propriétaire.
    int la_direction = 0;

    bool obtenir_actif() const { return actif_; }
    std::string_view texture_courante() const { return actif_ ? "fleche_actif" : "fleche"; }

protected:
    void dessiner() override;

private:
    bool actif_ = false;
};

} // namespace fleche_3d
