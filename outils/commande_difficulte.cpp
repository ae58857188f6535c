// Sous-commande difficulte : règles locales, essais et note d'une grille, ou tableau d'un dossier.
#include "commande_difficulte.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <sstream>

#include "bilan.hpp"
#include "chargement_fichier.hpp"
#include "difficulte.hpp"
#include "erreur_pkg.hpp"

namespace commande_difficulte {

namespace {

const char* const USAGE = "usage : difficulte FICHIER | difficulte --tableau DOSSIER";

struct grille_mesuree {
    int cote = 0;
    bilan::bilan_chemins chemins;
    double seules_evitables = 0.0;
    difficulte::mesure mesure;
};

grille_mesuree mesurer_fichier(const std::string& fichier) {
    const auto g = chargement_fichier::charger(fichier, false).grille;
    const auto solution = bilan::routes(*g);
    grille_mesuree r;
    r.cote = g->taille();
    r.chemins = bilan::faire_bilan(solution);
    r.seules_evitables = bilan::part_cases_seules_evitables(solution, bilan::dessin_couvert(g->taille(), solution));
    r.mesure = difficulte::mesurer(solveur_pkg::depuis_grille(*g), solution);
    return r;
}

long pourcent(double part) { return std::lround(100 * part); }

std::string decimal(double v, int chiffres) {
    std::ostringstream s;
    s << std::fixed << std::setprecision(chiffres) << v;
    return s.str();
}

std::string essais(const difficulte::mesure& m) {
    if (m.contradiction) return "aucune solution";
    if (m.essais == 0) return "aucun";
    return std::to_string(m.essais) + " (profondeur " + std::to_string(m.profondeur) + ")";
}

void ecrire_detail(const std::string& fichier, const grille_mesuree& g, std::ostream& sortie) {
    const auto& m = g.mesure;
    sortie << fichier << " : côté " << g.cote << ", " << g.chemins.chemins << " chemins, " << m.cases << " cases, longueur moyenne "
           << decimal(g.chemins.longueur_moyenne, 2) << ", chemins d'une case " << pourcent(g.seules_evitables)
           << " % (hors cases isolées)\n"
           << "  cases fixées avant tout essai : règle 1 " << pourcent(m.part_regle1) << " %, règles 1 et 2 "
           << pourcent(m.part_regles12) << " %\n"
           << "  essais : " << essais(m) << ", cases restées à chercher : " << pourcent(m.part_restante) << " %\n"
           << "  note : " << decimal(m.score, 1) << '\n';
}

// Ordre des noms où les nombres comptent pour leur valeur : niv2_1 avant niv10_1.
bool avant(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) && std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t fi = i, fj = j;
            while (fi < a.size() && std::isdigit(static_cast<unsigned char>(a[fi]))) ++fi;
            while (fj < b.size() && std::isdigit(static_cast<unsigned char>(b[fj]))) ++fj;
            const std::string na = a.substr(i, fi - i), nb = b.substr(j, fj - j);
            if (na.size() != nb.size()) return na.size() < nb.size();
            if (na != nb) return na < nb;
            i = fi, j = fj;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i, ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

int tableau(const std::string& dossier, std::ostream& sortie) {
    std::vector<std::string> noms;
    std::error_code erreur;
    for (std::filesystem::directory_iterator it(dossier, erreur), fin; !erreur && it != fin; it.increment(erreur)) {
        const std::string nom = it->path().filename().string();
        if (!nom.starts_with(".") && it->is_regular_file()) noms.push_back(nom);
    }
    if (erreur) {
        sortie << dossier << " : dossier illisible (" << erreur.message() << ")\n";
        return 1;
    }
    std::sort(noms.begin(), noms.end(), avant);
    sortie << "fichier            côté chemins longueur seules  règle1  règles12  essais  prof.  reste   note" << std::endl;
    int code = 0;
    // Une ligne écrite dès qu'elle est mesurée ; si la sortie ne la prend plus, inutile de mesurer la suite.
    for (const auto& nom : noms) {
        if (!sortie) break;
        sortie << std::left << std::setw(18) << nom << std::right;
        try {
            const auto g = mesurer_fichier((std::filesystem::path(dossier) / nom).string());
            const auto& m = g.mesure;
            sortie << std::setw(5) << g.cote << std::setw(8) << g.chemins.chemins << std::setw(9) << decimal(g.chemins.longueur_moyenne, 2)
                   << std::setw(5) << pourcent(g.seules_evitables) << " %" << std::setw(6) << pourcent(m.part_regle1) << " %"
                   << std::setw(8) << pourcent(m.part_regles12) << " %" << std::setw(8) << (m.contradiction ? -1 : m.essais)
                   << std::setw(7) << m.profondeur << std::setw(5) << pourcent(m.part_restante) << " %" << std::setw(7)
                   << decimal(m.score, 1) << std::endl;
        } catch (const erreur_pkg::erreur& e) {
            sortie << " " << e.what() << std::endl;
            code = 1;
        }
    }
    return code;
}

}  // namespace

int executer(const std::vector<std::string>& arguments, std::ostream& sortie) {
    if (arguments.size() == 2 && arguments[0] == "--tableau") return tableau(arguments[1], sortie);
    if (arguments.size() != 1 || arguments[0].starts_with("--")) {
        sortie << USAGE << '\n';
        return 2;
    }
    try {
        ecrire_detail(arguments[0], mesurer_fichier(arguments[0]), sortie);
        return 0;
    } catch (const erreur_pkg::erreur& e) {
        sortie << e.what() << '\n';
    }
    return 1;
}

}  // namespace commande_difficulte
