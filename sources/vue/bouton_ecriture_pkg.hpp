// Boutons de la saisie de texte : valider et retour.
#pragma once

#include "bouton_plaque_pkg.hpp"
#include "erreur_pkg.hpp"

#include <cstdint>

namespace bouton_ecriture_pkg {

DECLARER_ERREUR(ERREUR_BOUTON_NON_INITIALISE, "BOUTON_ECRITURE_PKG.ERREUR_BOUTON_NON_INITIALISE");

enum class t_bouton_ecriture : std::uint8_t { PRECEDENT, VALIDER };

class bouton_ecriture : public bouton_plaque_pkg::bouton_plaque<ERREUR_BOUTON_NON_INITIALISE> {
public:
    explicit bouton_ecriture(t_bouton_ecriture le_type);
    t_bouton_ecriture obtenir_type() const { return le_type_; }

private:
    t_bouton_ecriture le_type_;
};

} // namespace bouton_ecriture_pkg
