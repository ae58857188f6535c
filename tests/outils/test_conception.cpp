// Générateur de conception et sa preuve d'unicité, tentatives --unique, sous-commande resoudre.
#include <filesystem>
#include <random>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "bilan.hpp"
#include "commande_generer.hpp"
#include "commande_resoudre.hpp"
#include "conception.hpp"
#include "editeur_pkg.hpp"
#include "outils_modele.hpp"
#include "unicite.hpp"

using outils_modele::repertoire_temporaire;

namespace {

dessin::dessin_peint dessin_au_hasard(std::mt19937& alea, int cote) {
    dessin::dessin_peint d{cote, std::vector<bool>(static_cast<std::size_t>(cote * cote))};
    const float densite = std::uniform_real_distribution<float>(0.4f, 1.0f)(alea);
    for (std::size_t i = 0; i < d.cases.size(); ++i) d.cases[i] = std::uniform_real_distribution<float>(0, 1)(alea) < densite;
    return d;
}

TEST(Conception, CouvertureExacteLongueursEtSolutionUnique) {
    std::mt19937 alea(5);
    for (int essai = 0; essai < 25; ++essai) {
        const int cote = 3 + static_cast<int>(alea() % 10), complexite = 4 + static_cast<int>(alea() % 8);
        const auto d = dessin_au_hasard(alea, cote);
        aleatoire_pkg::source_suite source({0.1f, 0.7f, 0.4f, 0.95f, 0.25f});
        const auto chemins = conception::concevoir(d, complexite, source);

        std::set<std::pair<int, int>> couvertes;
        for (const auto& c : chemins) {
            ASSERT_LE(static_cast<int>(c.size()), complexite);
            for (std::size_t i = 0; i < c.size(); ++i) {
                EXPECT_TRUE(d.peinte(c[i].x, c[i].y));
                EXPECT_TRUE(couvertes.insert({c[i].x, c[i].y}).second);
                if (i > 0) {
                    EXPECT_EQ(std::abs(c[i].x - c[i - 1].x) + std::abs(c[i].y - c[i - 1].y), 1);
                }
            }
        }
        EXPECT_EQ(couvertes.size(), static_cast<std::size_t>(std::count(d.cases.begin(), d.cases.end(), true)));

        grille_pkg::grille g(cote);
        g.initialiser("c");
        conception::poser_chemins(g, chemins);
        for (const auto& c : chemins) {
            for (const auto& bout : {c.front(), c.back()}) {
                const auto terminale = std::dynamic_pointer_cast<case_terminale_pkg::case_terminale>(g.rend_case(bout));
                ASSERT_TRUE(terminale);
                EXPECT_EQ(terminale->valeur(), static_cast<int>(c.size()));
            }
        }
        const auto r = solveur_pkg::resoudre(solveur_pkg::depuis_grille(g));
        EXPECT_EQ(r.nombre_solutions, 1) << "essai " << essai;
    }
}

TEST(Conception, DesCheminsPlusLongsQueCeuxDeLEditeur) {
    dessin::dessin_peint d{12, std::vector<bool>(144)};
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) d.cases[static_cast<std::size_t>((x - 1) * 12 + y - 1)] = (x - 6.5) * (x - 6.5) + (y - 6.5) * (y - 6.5) <= 30;
    aleatoire_pkg::source_suite source({0.3f, 0.6f, 0.9f});
    const auto conception = bilan::faire_bilan(conception::concevoir(d, 10, source));

    editeur_pkg::editeur e;
    e.initialiser(12, "disque");
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (!d.peinte(x, y)) e.obtenir_grille()->rend_case({x, y})->liberer();
    e.generation_des_chemins(10, e.obtenir_grille(), source);
    std::vector<solveur_pkg::route> chemins_editeur;
    for (auto l = e.obtenir_grille()->obtenir_solution(); l; l = l->suiv) {
        solveur_pkg::route r;
        for (int i = 1; i <= l->elem->longueur(); ++i) r.push_back(l->elem->nieme_coord(i));
        chemins_editeur.push_back(r);
    }
    const auto editeur = bilan::faire_bilan(chemins_editeur);
    EXPECT_LT(conception.part_cases_seules, editeur.part_cases_seules);
    EXPECT_GT(conception.longueur_moyenne, editeur.longueur_moyenne);
}

// Le même dessin et la même suite de nombres donnent les mêmes chemins, aussi au-delà de la
// complexité de l'éditeur ; chaque grille écrite passe la preuve d'unicité par groupes.
TEST(Conception, MemeSuiteMemesChemins) {
    dessin::dessin_peint d{20, std::vector<bool>(400)};
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 20; ++y) d.cases[static_cast<std::size_t>((x - 1) * 20 + y - 1)] = (x - 10.5) * (x - 10.5) + (y - 10.5) * (y - 10.5) <= 81;
    const std::vector<float> suite{0.15f, 0.85f, 0.4f, 0.6f, 0.05f};
    aleatoire_pkg::source_suite s1(suite), s2(suite);
    const auto premiers = conception::concevoir(d, 20, s1);
    EXPECT_EQ(premiers, conception::concevoir(d, 20, s2));
    EXPECT_TRUE(std::all_of(premiers.begin(), premiers.end(), [](const auto& c) { return c.size() <= 20; }));
    EXPECT_GT(bilan::faire_bilan(premiers).longueur_moyenne, 5.0);
    EXPECT_TRUE(unicite::prouver_unique(unicite::probleme_de(20, premiers), unicite::NOEUDS_PAR_GROUPE));
}

// Douze dominos en anneau autour d'un carré de « 1 » : deux façons de les apparier, qui ne se voient
// qu'en faisant le tour de l'anneau. Un seul domino de plus au milieu des « 1 » ne change rien.
TEST(Unicite, AnneauDeDominosEtGrilleUnique) {
    std::vector<solveur_pkg::route> anneau;
    const std::vector<case_simple_pkg::coordonnees> tour{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {4, 3},
                                                          {4, 4}, {3, 4}, {2, 4}, {1, 4}, {1, 3}, {1, 2}};
    for (std::size_t i = 0; i < tour.size(); i += 2) anneau.push_back({tour[i], tour[i + 1]});
    anneau.push_back({{2, 2}});
    anneau.push_back({{3, 2}});
    anneau.push_back({{2, 3}});
    anneau.push_back({{3, 3}});
    EXPECT_FALSE(unicite::prouver_unique(unicite::probleme_de(4, anneau), unicite::NOEUDS_PAR_GROUPE));
    EXPECT_EQ(solveur_pkg::resoudre(unicite::probleme_de(4, anneau)).nombre_solutions, 2);

    const std::vector<solveur_pkg::route> ouvert{{{1, 1}, {2, 1}}, {{4, 4}}, {{2, 2}, {2, 3}, {2, 4}}};
    EXPECT_TRUE(unicite::prouver_unique(unicite::probleme_de(4, ouvert), unicite::NOEUDS_PAR_GROUPE));
}

struct sortie_commande {
    int code;
    std::string sortie, erreurs;
};

TEST(Conception, GenererUniqueCompteSesEssais) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("plein.txt", "6\n######\n######\n######\n######\n######\n######\n");
    repertoire_temporaire::ecrire("aleas.txt", "0.2\n0.7\n0.45\n");
    std::ostringstream sortie, erreurs;
    const int code = commande_generer::executer({"plein.txt", "6", "--aleas", "aleas.txt", "--unique", "--essais", "3"}, sortie, erreurs);
    EXPECT_TRUE(code == 0 || code == 4);
    EXPECT_TRUE(erreurs.str().starts_with("essais : ")) << erreurs.str();
    EXPECT_TRUE(sortie.str().starts_with("<partie aide=\" 0\" score=\" 0\"><grille nom=\"plein\""));

}

TEST(Conception, ResoudreCompteEtSArreteALaLimite) {
    repertoire_temporaire rep;
    const auto coord = [](int x, int y) {
        return "<coordonnees x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\"></coordonnees>";
    };
    const auto terminale = [&](int x, int y, int n) {
        return "<case_terminale chiffre=\"" + std::to_string(n) + "\">" + coord(x, y) + "</case_terminale>";
    };
    // Un "3" en coin d'un 3 × 3 : deux routes.
    repertoire_temporaire::ecrire("deux.xml", "<grille taille=\"3\">" + terminale(1, 1, 3) + terminale(2, 2, 3) +
                                                  "<solution><chemin longueur=\"3\">" + coord(1, 1) + coord(2, 1) + coord(2, 2) +
                                                  "</chemin></solution></grille>");
    std::ostringstream sortie;
    EXPECT_EQ(commande_resoudre::executer({"deux.xml"}, sortie), 0);
    EXPECT_TRUE(sortie.str().starts_with("2+\n3 : (")) << sortie.str();
    std::ostringstream toutes;
    EXPECT_EQ(commande_resoudre::executer({"deux.xml", "--max", "10"}, toutes), 0);
    EXPECT_TRUE(toutes.str().starts_with("2\n"));
    // Deux "14" dans une grande grille vide : la recherche s'arrête à la limite, code 3.
    repertoire_temporaire::ecrire("ouverte.xml", "<grille taille=\"30\">" + terminale(1, 1, 1) + terminale(10, 10, 14) + terminale(11, 12, 14) +
                                                     terminale(20, 20, 14) + terminale(21, 22, 14) + "<solution>" +
                                                     "<chemin longueur=\"1\">" + coord(1, 1) + "</chemin></solution></grille>");
    std::ostringstream longue;
    EXPECT_EQ(commande_resoudre::executer({"ouverte.xml", "--max", "1000000000", "--limite", "1"}, longue), 3) << longue.str();
    // Deux "30" voisins sur un 42 × 42 (la solution longe les deux rangées du bas) : des millions de marches ;
    // la recherche s'arrête à sa borne de mémoire, le dit et sort avec 3.
    std::string trente;
    for (int x = 1; x <= 15; ++x) trente += coord(x, 1);
    for (int x = 15; x >= 1; --x) trente += coord(x, 2);
    repertoire_temporaire::ecrire("trente.xml", "<grille taille=\"42\">" + terminale(1, 1, 30) + terminale(1, 2, 30) +
                                                    "<solution><chemin longueur=\"30\">" + trente + "</chemin></solution></grille>");
    std::ostringstream memoire;
    EXPECT_EQ(commande_resoudre::executer({"trente.xml"}, memoire), 3);
    EXPECT_NE(memoire.str().find("abandon : limite de mémoire atteinte"), std::string::npos) << memoire.str();
    std::ostringstream mauvais;
    EXPECT_EQ(commande_resoudre::executer({"deux.xml", "--max", "0"}, mauvais), 2);
    EXPECT_EQ(commande_resoudre::executer({"absent.xml"}, mauvais), 1);
}

}  // namespace
