// Bouton triangulaire du cockpit, à l'étiquette inclinée le long de son bord.
#pragma once

#include "erreur_pkg.hpp"
#include "piece_pkg.hpp"

#include <string>
#include <string_view>

namespace bouton_cockpit_3d {

DECLARER_ERREUR(ERREUR_BOUTON_COCKPIT_NON_INITIALISE, "BOUTON_COCKPIT_3D.ERREUR_BOUTON_COCKPIT_NON_INITIALISE");

class bouton_cockpit_3d_affichable : public piece_pkg::bouton<ERREUR_BOUTON_COCKPIT_NON_INITIALISE> {
public:
    // degre : rotation de l'étiquette autour de z.
    virtual void initialiser(const std::string& txt, const std::string& evenement, float degre);

    void sourisappuie(const evenement_pkg::evenement&) override { actif_ = true; }
    void sourisrelache(const evenement_pkg::evenement&) override;
    void sourisentre(const evenement_pkg::evenement&) override;
    void sourissort(const evenement_pkg::evenement&) override;

    std::string_view texture_courante() const { return actif_ ? "bouton_cockpit_actif" : "bouton_cockpit"; }

protected:
    void dessiner() override;
};

} // namespace bouton_cockpit_3d
