// Grille libre : chargement, crédit et compteur d'aide, sauvegarde des grilles personnelles.
#include "grille_libre_pkg.hpp"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "fichier_xml_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "partie_pkg.hpp"
#include "solveur_pkg.hpp"

namespace grille_libre_pkg {

namespace {
using grille_pkg::listes_chemins;
using route = std::vector<std::pair<int, int>>;

// Chemins de la solution, chacun dans son sens le plus petit, rangés : deux écritures d'une même solution se valent.
std::vector<route> routes_solution(const grille_pkg::grille& g) {
    std::vector<route> routes;
    for (auto l = g.obtenir_solution(); !listes_chemins::est_vide(l); l = listes_chemins::get_suiv(l)) {
        const grille_pkg::chemin& c = *listes_chemins::get_elem(l);
        route r;
        for (int k = 1; k <= c.longueur(); ++k) r.emplace_back(c.nieme_coord(k).x, c.nieme_coord(k).y);
        routes.push_back(std::min(r, route(r.rbegin(), r.rend())));
    }
    std::sort(routes.begin(), routes.end());
    return routes;
}

// Ce qui distingue l'énigme de b de celle de a : côté, cases terminales (place et chiffre) ou chemins de la solution
// (dans un ordre et un sens quelconques) ; rien quand c'est la même. Le nom et les cases occupées ne comptent pas.
std::optional<std::string> difference_d_enigme(const grille_pkg::grille& a, const grille_pkg::grille& b) {
    if (a.taille() != b.taille()) {
        return "côté " + std::to_string(b.taille()) + " au lieu de " + std::to_string(a.taille());
    }
    if (solveur_pkg::depuis_grille(a).terminales != solveur_pkg::depuis_grille(b).terminales) {
        return std::string("autres cases terminales");
    }
    if (routes_solution(a) != routes_solution(b)) return std::string("autre solution");
    return std::nullopt;
}
} // namespace

void grille_libre::initialiser(const std::string& repertoire_de_chargement, const std::string& nom) {
    charger_grille_libre(repertoire_de_chargement, nom);
    les_chemins = listes_chemin_pkg::liste_vide();
    const int t = grille_courante->taille();
    points_aide_partie = (t * t / 40) * 10;
}

void grille_libre::initialiser(int taille, const std::string& nom) {
    auto nouvelle = std::make_shared<grille_pkg::grille>(taille);
    nouvelle->initialiser(nom);
    grille_courante = nouvelle;
}

void grille_libre::mettre_a_jour_compteur_aide(int add) {
    const int t = compteur_aide + add;
    compteur_aide = (t > points_aide_partie || t < 1) ? 0 : t;
}

void grille_libre::reinitialiser_chemin_aide(const case_simple_pkg::classe_case& premiere_case) {
    aide_initialise = true;
    chemin_aide = std::make_shared<grille_pkg::chemin>();
    chemin_aide->initialiser_chemin_aide(*grille_courante, premiere_case);
}

void grille_libre::charger_grille_libre(const std::string& repertoire_de_chargement, const std::string& nom_partie) {
    const std::string chemin_fichier = repertoire_de_chargement + nom_partie;
    const pugi::xml_document document = fichier_xml_pkg::analyser(chemin_fichier);
    const pugi::xml_node racine = racine_partie(document, chemin_fichier);
    const auto score_lu = fichier_xml_pkg::lire_entier_facultatif(racine, "score", 0, partie_pkg::SCORE_MAX);
    const grille_pkg::grille_ptr nouvelle = grille_de_partie(racine, nom_partie, chemin_fichier);

    score = static_cast<int>(score_lu.value_or(0));
    grille_courante = nouvelle;
    chemin_courant = std::make_shared<grille_pkg::chemin>();
    grille_courante->liberer_cases();
}

std::string nom_fichier_grille_personnelle(const std::string& nom_grille) {
    std::string nom = nom_grille;
    nom.erase(std::remove(nom.begin(), nom.end(), ' '), nom.end());
    const auto interdit = [](char c) { return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    const bool hors_du_repertoire = nom.empty() || nom.starts_with('.') || std::any_of(nom.begin(), nom.end(), interdit);
    if (hors_du_repertoire) throw ERREUR_NOM_GRILLE_INVALIDE("nom de grille \"" + nom_grille + "\"");
    return nom + ".xml";
}

pugi::xml_node grille_libre::grille_libre_xml(pugi::xml_node parent) const {
    pugi::xml_node racine = parent.append_child("partie");
    fichier_xml_pkg::ecrire_entier(racine, "aide", 0);
    fichier_xml_pkg::ecrire_entier(racine, "score", 0);
    grille_courante->grille_xml(racine);
    return racine;
}

void grille_libre::sauvegarder_grille_libre(const std::string& nom_grille) const {
    pugi::xml_document document;
    const std::string repertoire = emplacements_pkg::repertoire_grilles_personnelles();
    // Un répertoire effacé pendant la partie est refait ; un échec se dira à l'écriture du fichier.
    std::error_code erreur;
    std::filesystem::create_directories(repertoire, erreur);
    fichier_xml_pkg::sauvegarder(grille_libre_xml(document), repertoire + nom_fichier_grille_personnelle(nom_grille));
}

void grille_libre::sauvegarder_progression(const std::string& chemin) const {
    pugi::xml_document document;
    pugi::xml_node racine = document.append_child("partie");
    fichier_xml_pkg::ecrire_entier(racine, "aide", points_aide_partie);
    fichier_xml_pkg::ecrire_entier(racine, "score", 0);
    if (terminee()) racine.append_attribute("resolue").set_value("1");
    grille_courante->grille_xml(racine);
    chemins_joues_xml(racine);
    fichier_xml_pkg::sauvegarder(racine, chemin);
}

void grille_libre::reprendre_progression(const std::string& chemin) {
    const pugi::xml_document document = fichier_xml_pkg::analyser(chemin);
    const pugi::xml_node racine = racine_partie(document, chemin);
    const auto aide_lue = fichier_xml_pkg::lire_entier_facultatif(racine, "aide", -CREDIT_AIDE_MAX, CREDIT_AIDE_MAX);
    const partie_lue lue = lire_partie_jouee(racine, grille_courante->obtenir_nom_grille(), chemin);
    // Une progression copiée d'une autre grille, ou restée après un changement de la grille, ne se joue pas sous
    // son nom : ses chemins n'y auraient aucun sens.
    if (const auto ecart = difference_d_enigme(*grille_courante, *lue.grille)) {
        throw ERREUR_PROGRESSION_D_UNE_AUTRE_GRILLE(chemin + " : " + *ecart);
    }

    grille_courante = lue.grille;
    les_chemins = lue.chemins;
    chemin_courant = std::make_shared<grille_pkg::chemin>();
    points_aide_partie = static_cast<int>(aide_lue.value_or(points_aide_partie));
    compteur_aide = 0;
}

}  // namespace grille_libre_pkg
