// Transcription littérale de la génération des chemins, avec ses arbres et ses copies de tables :
// lente, mais lisible pas à pas. Les essais comparent le générateur du jeu à elle.
#pragma once

#include "aleatoire_pkg.hpp"
#include "grille_pkg.hpp"

namespace generation_de_reference {

void generer(int longueur_maximale_chemins, grille_pkg::grille& grille_traitee,
             aleatoire_pkg::source_uniforme& pourcentage_aleatoire);

}  // namespace generation_de_reference
