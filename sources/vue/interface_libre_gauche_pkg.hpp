// Panneau gauche de la partie libre : les trois boutons du cockpit (aide, retour, menu).
#pragma once

#include "bouton_cockpit_3d.hpp"
#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <array>
#include <memory>

namespace interface_libre_gauche_pkg {

DECLARER_ERREUR(ERREUR_INTERFACE_LIBRE_GAUCHE_NON_INITIALISE,
                "INTERFACE_LIBRE_GAUCHE_PKG.ERREUR_INTERFACE_LIBRE_GAUCHE_NON_INITIALISE");

using bouton = std::shared_ptr<bouton_cockpit_3d::bouton_cockpit_3d_affichable>;

class interface_libre_gauche_affichable : public objet_3d_pkg::objet_affichable {
public:
    virtual void initialiser();
    virtual void mettre_a_jour() {}
    void afficher() override;
    // Dans l'ordre : "Aide", "Retour", "Menu".
    const std::array<bouton, 3>& obtenir_boutons() const { return boutons_; }

private:
    bool est_initialise_ = false;
    std::array<bouton, 3> boutons_;
};

} // namespace interface_libre_gauche_pkg
