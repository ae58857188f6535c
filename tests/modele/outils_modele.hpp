// Petits outils des tests du modèle : grilles faites main, grilles de campagne et répertoire de travail temporaire.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "campagne_pkg.hpp"
#include "case_terminale_pkg.hpp"
#include "grille_pkg.hpp"
#include "niveau_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "partie_pkg.hpp"

namespace outils_modele {

struct terminale {
    int x, y, chiffre;
};

// Grille de côté t, nommée "essai", avec ses cases terminales.
inline grille_pkg::grille_ptr grille_avec(int t, const std::vector<terminale>& terminales) {
    auto g = std::make_shared<grille_pkg::grille>(t);
    g->initialiser("essai");
    for (const auto& c : terminales) {
        g->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(c.chiffre), {c.x, c.y});
    }
    return g;
}

// Grille libre de 4 × 4, avec sa solution : deux « 3 » de (1, 1) à (3, 1) et de (1, 2) à (3, 2), un « 2 »
// de (1, 3) à (1, 4), un « 1 » en (4, 4).
inline const std::string grille_essai_4x4 =
    "<partie aide=\" 0\" score=\" 0\"><grille nom=\"essai\" taille=\" 4\">"
    "<case_terminale chiffre=\" 3\"><coordonnees x=\" 1\" y=\" 1\"></coordonnees></case_terminale>"
    "<case_terminale chiffre=\" 3\"><coordonnees x=\" 3\" y=\" 1\"></coordonnees></case_terminale>"
    "<case_terminale chiffre=\" 3\"><coordonnees x=\" 1\" y=\" 2\"></coordonnees></case_terminale>"
    "<case_terminale chiffre=\" 3\"><coordonnees x=\" 3\" y=\" 2\"></coordonnees></case_terminale>"
    "<case_terminale chiffre=\" 2\"><coordonnees x=\" 1\" y=\" 3\"></coordonnees></case_terminale>"
    "<case_terminale chiffre=\" 2\"><coordonnees x=\" 1\" y=\" 4\"></coordonnees></case_terminale>"
    "<case_terminale chiffre=\" 1\"><coordonnees x=\" 4\" y=\" 4\"></coordonnees></case_terminale>"
    "<solution>"
    "<chemin longueur=\" 3\"><coordonnees x=\" 1\" y=\" 1\"></coordonnees><coordonnees x=\" 2\" y=\" 1\">"
    "</coordonnees><coordonnees x=\" 3\" y=\" 1\"></coordonnees></chemin>"
    "<chemin longueur=\" 3\"><coordonnees x=\" 1\" y=\" 2\"></coordonnees><coordonnees x=\" 2\" y=\" 2\">"
    "</coordonnees><coordonnees x=\" 3\" y=\" 2\"></coordonnees></chemin>"
    "<chemin longueur=\" 2\"><coordonnees x=\" 1\" y=\" 3\"></coordonnees><coordonnees x=\" 1\" y=\" 4\">"
    "</coordonnees></chemin>"
    "<chemin longueur=\" 1\"><coordonnees x=\" 4\" y=\" 4\"></coordonnees></chemin>"
    "</solution></grille></partie>";

// Répertoire neuf, qui devient le répertoire de travail le temps du test, puis disparaît.
class repertoire_temporaire {
public:
    repertoire_temporaire() : ancien(std::filesystem::current_path()) {
        std::string modele = (std::filesystem::temp_directory_path() / "tessaline-XXXXXX").string();
        chemin = mkdtemp(modele.data());
        std::filesystem::current_path(chemin);
    }
    ~repertoire_temporaire() {
        std::filesystem::current_path(ancien);
        std::filesystem::remove_all(chemin);
    }
    repertoire_temporaire(const repertoire_temporaire&) = delete;
    repertoire_temporaire& operator=(const repertoire_temporaire&) = delete;

    static void ecrire(const std::string& nom, const std::string& contenu) {
        if (const auto parent = std::filesystem::path(nom).parent_path(); !parent.empty()) {
            std::filesystem::create_directories(parent);
        }
        std::ofstream(nom, std::ios::binary) << contenu;
    }
    static std::string lire(const std::string& nom) {
        std::ifstream flux(nom, std::ios::binary);
        return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path ancien;
    std::filesystem::path chemin;
};

// Les soixante grilles initiales : une paire de "2" en colonne, dans un 2 × 2.
inline void ecrire_grilles_campagne() {
    std::filesystem::create_directories(emplacements_pkg::repertoire_grilles_campagne());
    for (int i = 1; i <= campagne_pkg::NOMBRE_NIVEAUX; ++i) {
        niveau_pkg::niveau n;
        n.initialiser_niveau(campagne_pkg::campagne::nom_niveau(i));
        for (int j = 1; j <= niveau_pkg::NOMBRE_PARTIES; ++j) {
            auto g = grille_avec(2, {{1, 1, 2}, {1, 2, 2}});
            auto c = std::make_shared<grille_pkg::chemin>();
            c->initialiser(*g, g->rend_case({1, 1}));
            c->avancer(grille_pkg::direction::haut);
            g->ajouter_chemin_solution(c);
            g->liberer_cases();
            partie_pkg::partie p;
            p.initialiser(g);
            p.sauvegarder_partie_campagne(emplacements_pkg::repertoire_grilles_campagne(), n.nom_fichier_initial(j));
        }
    }
}

// Nom complet de l'erreur du jeu levée par f, ou "" si rien n'est levé.
template <typename F>
std::string erreur_levee(F&& f) {
    try {
        f();
    } catch (const erreur_pkg::erreur& e) {
        return e.nom_complet();
    }
    return "";
}

}  // namespace outils_modele
