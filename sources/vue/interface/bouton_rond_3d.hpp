// Bouton rond des panneaux (aide, validation, zoom) : étiquette noire, rouge sous le pointeur.
#pragma once

#include "erreur_pkg.hpp"
#include "piece_pkg.hpp"

#include <string>
#include <string_view>

namespace bouton_rond_3d {

DECLARER_ERREUR(ERREUR_BOUTON_ROND_NON_INITIALISE, "BOUTON_ROND_3D.ERREUR_BOUTON_ROND_NON_INITIALISE");

class bouton_rond_3d_affichable : public piece_pkg::bouton<ERREUR_BOUTON_ROND_NON_INITIALISE> {
public:
    virtual void initialiser(const std::string& txt, const std::string& evenement);

    void sourisappuie(const evenement_pkg::evenement&) override { actif_ = true; }
    void sourisrelache(const evenement_pkg::evenement&) override;
    void sourisentre(const evenement_pkg::evenement&) override;
    void sourissort(const evenement_pkg::evenement&) override;

    // Nouvelle étiquette, mesurée de nouveau avant d'être dessinée.
    virtual void mettre_a_jour(const std::string& txt);

    std::string_view texture_courante() const { return actif_ ? "bouton_rond_actif" : "bouton_rond"; }

protected:
    void dessiner() override;
};

} // namespace bouton_rond_3d
