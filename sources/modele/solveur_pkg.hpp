// Solveur des grilles à partir de leurs seules cases terminales : compte les solutions jusqu'à un maximum.
#pragma once

#include <chrono>
#include <limits>
#include <vector>

#include "case_simple_pkg.hpp"
#include "grille_pkg.hpp"

namespace solveur_pkg {

using case_simple_pkg::coordonnees;
using route = std::vector<coordonnees>;

struct terminale {
    coordonnees position;
    int numero = 1;
    bool operator==(const terminale&) const = default;
};

// Ce que voit le joueur : le côté et les cases terminales.
struct probleme {
    int taille = 1;
    std::vector<terminale> terminales;
};

probleme depuis_grille(const grille_pkg::grille& g);

// Ce qui a arrêté la recherche avant la fin.
enum class arret { aucun, temps, noeuds, memoire };

struct resultat {
    int nombre_solutions = 0;  // compté jusqu'au maximum demandé
    bool abandon = false;      // une limite atteinte avant la fin de la recherche
    arret cause = arret::aucun;
    std::vector<route> premiere_solution;
    long long noeuds = 0;  // nœuds de recherche visités
};

// Borne de mémoire par défaut : cases des marches gardées en attente d'essai, tous niveaux du retour arrière
// confondus (quatre millions de cases, quelques dizaines de mégaoctets).
inline constexpr long long CASES_EN_ATTENTE_MAX = 1LL << 22;

struct limites {
    int maximum = 2;  // solutions à compter
    std::chrono::steady_clock::duration temps = std::chrono::seconds(60);
    // Une limite en nœuds rend l'abandon indépendant de la vitesse de la machine.
    long long noeuds = std::numeric_limits<long long>::max();
    long long cases_en_attente = CASES_EN_ATTENTE_MAX;
};

// Compte les solutions jusqu'au maximum ; passé une limite, s'arrête et le dit (abandon, cause).
resultat resoudre(const probleme& p, const limites& l);

resultat resoudre(const probleme& p, int maximum = 2,
                  std::chrono::steady_clock::duration limite = std::chrono::seconds(60),
                  long long noeuds_max = std::numeric_limits<long long>::max());

}  // namespace solveur_pkg
