// Sous-commande verifier : charge un fichier de grille ou de partie avec les chargeurs du jeu.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace commande_verifier {

// Rend le code de sortie : 0 fichier chargé (résumé sur une ligne), 1 fichier refusé, 2 mauvais usage.
int executer(const std::vector<std::string>& arguments, std::ostream& sortie);

}  // namespace commande_verifier
