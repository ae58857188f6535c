// Compagnon en ligne de commande du jeu : une sous-commande par outil, bâties sur le modèle.
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "commande_difficulte.hpp"
#include "commande_generer.hpp"
#include "commande_resoudre.hpp"
#include "commande_verifier.hpp"
#include "sortie_verifiee.hpp"

namespace {

int usage(std::ostream& sortie) {
    sortie << "usage : atelier_tessaline SOUS-COMMANDE ARGUMENTS...\n"
              "  verifier FICHIER [--libre|--campagne]   charge une grille ou une partie et la résume\n"
              "  generer IMAGE COMPLEXITE [--aleas FICHIER] [--nom NOM] [--sortie FICHIER]\n"
              "                                          fait d'un dessin une grille personnelle\n"
              "  resoudre FICHIER [--max N] [--limite SECONDES]\n"
              "                                          compte les solutions d'une grille\n"
              "  difficulte FICHIER | difficulte --tableau DOSSIER\n"
              "                                          règles locales, essais et note de difficulté\n";
    return 2;
}

int lancer(const std::vector<std::string>& ligne, std::ostream& sortie) {
    if (ligne.empty()) return usage(sortie);
    const std::string& commande = ligne.front();
    const std::vector<std::string> arguments(ligne.begin() + 1, ligne.end());
    if (commande == "verifier") return commande_verifier::executer(arguments, sortie);
    if (commande == "resoudre") return commande_resoudre::executer(arguments, sortie);
    if (commande == "difficulte") return commande_difficulte::executer(arguments, sortie);
    if (commande == "generer") return commande_generer::executer(arguments, sortie, std::cerr);
    return usage(sortie);
}

}  // namespace

int main(int argc, char** argv) {
    // Un fichier qui dépasse la taille permise (ulimit -f) fait échouer l'écriture, que l'on dit, au lieu
    // d'arrêter net le compagnon en laissant son temporaire.
    std::signal(SIGXFSZ, SIG_IGN);
    sortie_verifiee::flux sortie(STDOUT_FILENO);
    const int code = lancer(std::vector<std::string>(argv + 1, argv + argc), sortie);
    if (const int erreur = sortie.terminer(); erreur != 0) {
        std::cerr << "atelier_tessaline : écriture impossible sur la sortie standard (" << std::strerror(erreur)
                  << ") : le résultat est perdu\n";
        return sortie_verifiee::CODE_ECRITURE_IMPOSSIBLE;
    }
    return code;
}
