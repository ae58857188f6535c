// Sous-commande generer : un dessin devient une grille personnelle, par le générateur de l'éditeur.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace commande_generer {

// Rend le code de sortie : 0 grille écrite, 2 entrée refusée (message sur erreurs), 4 aucune des
// tentatives de --unique n'a donné de solution unique (la meilleure est écrite).
int executer(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace commande_generer
