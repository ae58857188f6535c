// Compagnon en ligne de commande du jeu : une sous-commande par outil, bâties sur le modèle.
#include <iostream>
#include <string>
#include <vector>

#include "commande_difficulte.hpp"
#include "commande_generer.hpp"
#include "commande_resoudre.hpp"
#include "commande_verifier.hpp"

namespace {

int usage() {
    std::cout << "usage : atelier_tessaline SOUS-COMMANDE ARGUMENTS...\n"
                 "  verifier FICHIER [--libre|--campagne]   charge une grille ou une partie et la résume\n"
                 "  generer IMAGE COMPLEXITE [--aleas FICHIER] [--nom NOM] [--sortie FICHIER]\n"
                 "                                          fait d'un dessin une grille personnelle\n"
                 "  resoudre FICHIER [--max N] [--limite SECONDES]\n"
                 "                                          compte les solutions d'une grille\n"
                 "  difficulte FICHIER | difficulte --tableau DOSSIER\n"
                 "                                          règles locales, essais et note de difficulté\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string commande = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (commande == "verifier") return commande_verifier::executer(arguments, std::cout);
    if (commande == "resoudre") return commande_resoudre::executer(arguments, std::cout);
    if (commande == "difficulte") return commande_difficulte::executer(arguments, std::cout);
    if (commande == "generer") return commande_generer::executer(arguments, std::cout, std::cerr);
    return usage();
}
