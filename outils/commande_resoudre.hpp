// Sous-commande resoudre : compte les solutions d'une grille à partir de ses seules cases terminales.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace commande_resoudre {

// Rend 0 recherche finie, 3 abandon à une limite (temps ou mémoire, dite sur la sortie), 1 fichier refusé,
// 2 mauvais usage.
int executer(const std::vector<std::string>& arguments, std::ostream& sortie);

}  // namespace commande_resoudre
