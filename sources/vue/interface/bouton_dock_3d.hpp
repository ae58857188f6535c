// Bouton du dock : une plaque qui s'enfonce quand on la tient et un voyant vert sous le pointeur.
#pragma once

#include "erreur_pkg.hpp"
#include "piece_pkg.hpp"

#include <string>
#include <string_view>

namespace bouton_dock_3d {

DECLARER_ERREUR(ERREUR_BOUTON_DOCK_NON_INITIALISE, "BOUTON_DOCK_3D.ERREUR_BOUTON_DOCK_NON_INITIALISE");

class bouton_dock_3d_affichable : public piece_pkg::bouton<ERREUR_BOUTON_DOCK_NON_INITIALISE> {
public:
    // txt : l'étiquette ; evenement : l'événement nommé envoyé au relâchement.
    virtual void initialiser(const std::string& txt, const std::string& evenement);

    void sourisappuie(const evenement_pkg::evenement&) override { appuie_ = true; }
    void sourisrelache(const evenement_pkg::evenement&) override;
    void sourisentre(const evenement_pkg::evenement&) override;
    void sourissort(const evenement_pkg::evenement&) override;

    bool est_appuye() const { return appuie_; }
    std::string_view texture_plaque() const { return appuie_ ? "bouton_dock_actif" : "bouton_dock"; }
    std::string_view texture_voyant() const { return actif_ ? "rond_vert" : "rond_rouge"; }

protected:
    void dessiner() override;

private:
    bool appuie_ = false;
};

} // namespace bouton_dock_3d
