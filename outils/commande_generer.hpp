// Sous-commande generer : un dessin devient une grille personnelle, par le générateur de l'éditeur.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace commande_generer {

// Rend le code de sortie : 0 grille écrite, 2 entrée refusée (message sur erreurs), 4 aucune des
// tentatives de --unique n'a donné de solution unique (la meilleure est écrite), 5 le fichier de --sortie n'a
// pas pu être écrit ou n'est pas un fichier ordinaire (il reste tel quel).
int executer(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace commande_generer
