// Contenu livré : chaque grille se charge avec les chargeurs du jeu, n'a qu'une solution et peu de
// chemins d'une case ; la campagne monte en difficulté ; les grilles se régénèrent à l'octet près.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "bilan.hpp"
#include "chargement_fichier.hpp"
#include "commande_generer.hpp"
#include "difficulte.hpp"
#include "outils_modele.hpp"
#include "partie_pkg.hpp"

using outils_modele::repertoire_temporaire;

namespace {

const std::filesystem::path DONNEES = TESSALINE_DONNEES;
const std::filesystem::path CONTENU = TESSALINE_CONTENU;

grille_pkg::grille_ptr grille_de_campagne(int niveau, int face) {
    partie_pkg::partie p;
    p.charger_partie_campagne((DONNEES / "campagne/grilles/").string(), "niv" + std::to_string(niveau) + "_" + std::to_string(face) + ".xml");
    return p.obtenir_grille();
}

// Part des chemins d'une case, sans compter les cases du dessin qui n'ont aucune voisine dessinée.
double part_cases_seules(const grille_pkg::grille& g) {
    const auto chemins = bilan::routes(g);
    return bilan::part_cases_seules_evitables(chemins, bilan::dessin_couvert(g.taille(), chemins));
}

TEST(ContenuLivre, ChaqueGrilleSeChargeNAQuUneSolutionEtPeuDeCheminsDUneCase) {
    std::vector<std::pair<std::string, grille_pkg::grille_ptr>> grilles;
    for (int niveau = 1; niveau <= 10; ++niveau) {
        for (int face = 1; face <= 6; ++face) {
            const std::string nom = "niv" + std::to_string(niveau) + "_" + std::to_string(face);
            ASSERT_NO_THROW(grilles.emplace_back(nom, grille_de_campagne(niveau, face))) << nom;
        }
    }
    int grandes = 0;
    for (const auto& entree : std::filesystem::directory_iterator(DONNEES / "grilles")) {
        grilles.emplace_back(entree.path().filename().string(), chargement_fichier::charger(entree.path().string(), false).grille);
        grandes += grilles.back().second->taille() > 16;
    }
    EXPECT_EQ(grilles.size(), 72u);
    EXPECT_GE(grandes, 2);
    for (const auto& [nom, g] : grilles) {
        EXPECT_EQ(solveur_pkg::resoudre(solveur_pkg::depuis_grille(*g)).nombre_solutions, 1) << nom;
        EXPECT_LT(part_cases_seules(*g), 0.12) << nom;
    }
}

// Dans chaque niveau, la face d'ouverture est la plus facile et les notes croissent ; la note moyenne de
// chaque niveau dépasse celle du précédent ; les derniers niveaux ont des chemins longs et demandent des
// essais dans plusieurs grilles.
TEST(ContenuLivre, LaCampagneMonteEnDifficulte) {
    double moyenne_precedente = 0.0;
    int grilles_a_essais = 0;
    for (int niveau = 1; niveau <= 10; ++niveau) {
        double somme = 0.0, note_precedente = 0.0, longueur = 0.0;
        for (int face = 1; face <= 6; ++face) {
            const auto g = grille_de_campagne(niveau, face);
            const auto solution = bilan::routes(*g);
            const auto m = difficulte::mesurer(solveur_pkg::depuis_grille(*g), solution);
            EXPECT_FALSE(m.contradiction);
            // Les faces sont rangées par la note que l'atelier écrit, à un dixième près.
            const double note = std::round(m.score * 10) / 10;
            EXPECT_GE(note, note_precedente) << "niveau " << niveau << ", face " << face;
            note_precedente = note;
            somme += m.score;
            longueur += bilan::faire_bilan(solution).longueur_moyenne;
            grilles_a_essais += niveau >= 8 && m.profondeur > 0;
        }
        EXPECT_GT(somme / 6, moyenne_precedente) << "niveau " << niveau;
        moyenne_precedente = somme / 6;
        if (niveau >= 7) {
            EXPECT_GE(longueur / 6, 5.0) << "niveau " << niveau;
        }
    }
    EXPECT_GE(grilles_a_essais, 6);
}

// contenu/dessins/grilles.txt dit d'où vient chaque grille livrée : dessin, complexité et première ligne
// des nombres aléatoires. La première face de chaque niveau et une grille du jeu libre se régénèrent à
// l'identique.
TEST(ContenuLivre, SeRegenereALOctetPres) {
    std::ifstream index(CONTENU / "dessins/grilles.txt");
    std::vector<std::string> aleas;
    std::ifstream flux_aleas(CONTENU / "aleas.txt");
    for (std::string ligne; std::getline(flux_aleas, ligne);) aleas.push_back(ligne);
    repertoire_temporaire rep;
    int regenerees = 0;
    std::string fichier, dessin;
    int complexite = 0;
    std::size_t premiere = 0;
    while (index >> fichier >> dessin >> complexite >> premiere) {
        if (!fichier.ends_with("_1.xml") && fichier != "grilles/lune.xml") continue;
        std::string texte;
        for (std::size_t i = premiere - 1; i < aleas.size(); ++i) texte += aleas[i] + "\n";
        repertoire_temporaire::ecrire("aleas.txt", texte);
        const std::string nom = std::filesystem::path(fichier).stem().string();
        std::ostringstream sortie, erreurs;
        ASSERT_EQ(commande_generer::executer({(CONTENU / "dessins" / dessin).string(), std::to_string(complexite), "--conception",
                                              "--contenu", "--nom", nom, "--aleas", "aleas.txt"},
                                             sortie, erreurs),
                  0)
            << fichier << " : " << erreurs.str();
        std::ifstream livre(DONNEES / fichier);
        EXPECT_EQ(sortie.str(), std::string(std::istreambuf_iterator<char>(livre), {})) << fichier;
        ++regenerees;
    }
    EXPECT_EQ(regenerees, 11);
}

}  // namespace
