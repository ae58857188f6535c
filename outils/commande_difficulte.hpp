// Sous-commande difficulte : mesure une grille, ou chaque grille d'un dossier (une ligne chacune).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace commande_difficulte {

// Rend le code de sortie : 0 tout mesuré, 1 un fichier refusé (son erreur est écrite à sa place),
// 2 mauvais usage.
int executer(const std::vector<std::string>& arguments, std::ostream& sortie);

}  // namespace commande_difficulte
