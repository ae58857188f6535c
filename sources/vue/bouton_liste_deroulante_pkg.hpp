// Boutons de la liste déroulante : flèches haut et bas, validation, retour.
#pragma once

#include "bouton_plaque_pkg.hpp"
#include "erreur_pkg.hpp"

#include <cstdint>

namespace bouton_liste_deroulante_pkg {

DECLARER_ERREUR(ERREUR_BOUTON_NON_INITIALISE, "BOUTON_LISTE_DEROULANTE_PKG.ERREUR_BOUTON_NON_INITIALISE");

enum class t_bouton_deroulant : std::uint8_t { HAUT, BAS, VALIDER, PRECEDENT };

class bouton_deroulant : public bouton_plaque_pkg::bouton_plaque<ERREUR_BOUTON_NON_INITIALISE> {
public:
    explicit bouton_deroulant(t_bouton_deroulant le_type);
    t_bouton_deroulant obtenir_type() const { return le_type_; }

private:
    t_bouton_deroulant le_type_;
};

} // namespace bouton_liste_deroulante_pkg
