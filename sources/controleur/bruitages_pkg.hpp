// Bruitages demandés par les contrôleurs : chaque demande est comptée, puis jouée par la musique du jeu.
#pragma once

#include "coeur_jeu_pkg.hpp"

#include <cstdint>

namespace bruitages_pkg {

enum class bruitage : std::uint8_t { deplacement, erreur, valider };

void demander(bruitage b);

// Demandes reçues depuis le lancement, lues par les tests.
struct comptes {
    int deplacement = 0;
    int erreur = 0;
    int valider = 0;
};
comptes obtenir_comptes();

// Les bruitages d'un coup : erreur pour un pas refusé ou un chemin annulé parce qu'invalide, déplacement quand
// le curseur bouge, validation quand un chemin commence.
void annoncer(const coeur_jeu_pkg::compte_rendu& r);

} // namespace bruitages_pkg
