// Sous-commande resoudre : nombre de solutions (jusqu'au maximum), puis une solution chemin par chemin.
#include "commande_resoudre.hpp"

#include <charconv>

#include "chargement_fichier.hpp"
#include "erreur_pkg.hpp"
#include "solveur_pkg.hpp"

namespace commande_resoudre {

namespace {

const char* const USAGE = "usage : resoudre FICHIER [--max N] [--limite SECONDES]";

bool lire_entier(const std::string& texte, int minimum, int& valeur) {
    const auto [fin, code] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    return code == std::errc() && fin == texte.data() + texte.size() && valeur >= minimum;
}

}  // namespace

int executer(const std::vector<std::string>& arguments, std::ostream& sortie) {
    std::string fichier;
    int maximum = 2, limite = 60;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if ((a == "--max" || a == "--limite") && i + 1 < arguments.size()) {
            if (!lire_entier(arguments[++i], 1, a == "--max" ? maximum : limite)) {
                sortie << a << " attend un entier positif\n" << USAGE << '\n';
                return 2;
            }
        } else if (fichier.empty() && !a.starts_with("--")) {
            fichier = a;
        } else {
            sortie << USAGE << '\n';
            return 2;
        }
    }
    if (fichier.empty()) {
        sortie << USAGE << '\n';
        return 2;
    }

    solveur_pkg::probleme p;
    try {
        p = solveur_pkg::depuis_grille(*chargement_fichier::charger(fichier, false).grille);
    } catch (const erreur_pkg::erreur& e) {
        sortie << e.what() << '\n';
        return 1;
    }
    const auto r = solveur_pkg::resoudre(p, maximum, std::chrono::seconds(limite));
    sortie << r.nombre_solutions << (r.nombre_solutions >= maximum ? "+" : "") << '\n';
    for (const auto& chemin : r.premiere_solution) {
        sortie << chemin.size() << " :";
        for (const auto& c : chemin) sortie << " (" << c.x << "," << c.y << ")";
        sortie << '\n';
    }
    switch (r.cause) {
    case solveur_pkg::arret::aucun: return 0;
    case solveur_pkg::arret::temps: sortie << "abandon après " << limite << " s de recherche\n"; break;
    case solveur_pkg::arret::memoire:
        sortie << "abandon : limite de mémoire atteinte (" << solveur_pkg::CASES_EN_ATTENTE_MAX
               << " cases de marches en attente)\n";
        break;
    case solveur_pkg::arret::noeuds: sortie << "abandon : limite de nœuds atteinte\n"; break;
    }
    return 3;
}

}  // namespace commande_resoudre
