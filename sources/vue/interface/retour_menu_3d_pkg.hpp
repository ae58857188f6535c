// Plaque « menu » des pages d'aide, de son et de crédits : grossit sous le pointeur et ramène au menu.
#pragma once

#include "erreur_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"
#include "piece_pkg.hpp"

#include <string>

namespace retour_menu_3d_pkg {

// Rapporté au relâchement : la page qui la porte ramène au menu.
inline const std::string action_menu = "menu";

DECLARER_ERREUR(ERREUR_RETOUR_MENU_NON_INITIALISE, "RETOUR_MENU_3D_PKG.ERREUR_RETOUR_MENU_NON_INITIALISE");

class retour_menu : public piece_pkg::piece<objet_3d_recepteur_pkg::objet_3d_recepteur, ERREUR_RETOUR_MENU_NON_INITIALISE> {
public:
    // Inscrit la plaque pour la sélection et pose son texte « menu » en sous-objet.
    virtual void initialiser();

    void sourisrelache(const evenement_pkg::evenement&) override;
    void sourisentre(const evenement_pkg::evenement&) override { definir_echelle(1.2f); }
    void sourissort(const evenement_pkg::evenement&) override { definir_echelle(1.0f); }

protected:
    void dessiner() override;
};

} // namespace retour_menu_3d_pkg
