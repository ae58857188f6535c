// Générateur de chemins : cas limites, longueur sans conflit, invariants sur des dessins au hasard,
// et identité avec la transcription pas à pas sur des milliers de dessins et de suites de nombres.
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "editeur_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "generation_de_reference.hpp"
#include "generation_des_chemins.hpp"
#include "outils_modele.hpp"

using case_simple_pkg::coordonnees;

namespace {

// Grille dont les cases peintes (occupées) sont celles du dessin ; ligne du haut en premier.
grille_pkg::grille_ptr grille_dessinee(const std::vector<std::string>& dessin) {
    const int t = static_cast<int>(dessin.size());
    auto g = std::make_shared<grille_pkg::grille>(t);
    g->initialiser("d");
    for (int ligne = 0; ligne < t; ++ligne)
        for (int colonne = 0; colonne < t; ++colonne)
            if (dessin[static_cast<std::size_t>(ligne)][static_cast<std::size_t>(colonne)] == '#')
                g->rend_case({colonne + 1, t - ligne})->occuper();
    return g;
}

std::vector<std::vector<coordonnees>> chemins_poses(const grille_pkg::grille& g) {
    std::vector<std::vector<coordonnees>> chemins;
    for (auto l = g.obtenir_solution(); !grille_pkg::listes_chemins::est_vide(l); l = grille_pkg::listes_chemins::get_suiv(l)) {
        const auto c = grille_pkg::listes_chemins::get_elem(l);
        std::vector<coordonnees> route;
        for (int i = 1; i <= c->longueur(); ++i) route.push_back(c->nieme_coord(i));
        chemins.push_back(route);
    }
    return chemins;
}

std::vector<std::vector<coordonnees>> generer(const std::vector<std::string>& dessin, int complexite, float u) {
    auto g = grille_dessinee(dessin);
    aleatoire_pkg::source_suite source({u});
    editeur_pkg::editeur().generation_des_chemins(complexite, g, source);
    return chemins_poses(*g);
}

using chemins = std::vector<std::vector<coordonnees>>;

TEST(Generateur, CasLimites) {
    // La liste de solution est la plus récente en tête.
    EXPECT_EQ(generer({"##", "##"}, 4, 0.5f), (chemins{{{1, 2}}, {{1, 1}, {2, 1}, {2, 2}}}));
    EXPECT_EQ(generer({"##", "##"}, 14, 0.74f), (chemins{{{1, 2}}, {{1, 1}, {2, 1}, {2, 2}}}));
    EXPECT_EQ(generer({"##", "##"}, 4, 0.75f), (chemins{{{2, 1}}, {{1, 1}, {1, 2}, {2, 2}}}));
    EXPECT_EQ(generer({"...", ".#.", "..."}, 4, 0.5f), (chemins{{{2, 2}}}));
    EXPECT_EQ(generer({".....", ".....", ".###.", ".....", "....."}, 3, 0.5f), (chemins{{{2, 3}, {3, 3}, {4, 3}}}));
    EXPECT_EQ(generer({".....", "..#..", "..#..", "..#..", "....."}, 4, 0.5f), (chemins{{{3, 2}, {3, 3}, {3, 4}}}));
    EXPECT_EQ(generer({"........", "........", "........", ".######.", "........", "........", "........", "........"}, 4, 0.5f),
              (chemins{{{6, 5}, {7, 5}}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}}));
    EXPECT_EQ(generer({"....", "....", "....", "...."}, 14, 0.5f).size(), 0u);
}

TEST(Generateur, LongueurSansConflit) {
    // Départ peint en (1, 1) ; une terminale "2" à côté, ou une "3" à deux cases en ligne droite.
    auto g = grille_dessinee({"...", "...", "#.."});
    g->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(2), {2, 1});
    aleatoire_pkg::source_suite source({0.5f});
    editeur_pkg::generation_des_chemins deux(4, *g, source);
    EXPECT_EQ(deux.chemin_sans_conflit(2, 1, 1), 1);
    EXPECT_EQ(deux.chemin_sans_conflit(1, 1, 1), 1);

    auto h = grille_dessinee({"...", "...", "#.."});
    h->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(3), {3, 1});
    editeur_pkg::generation_des_chemins trois(4, *h, source);
    EXPECT_EQ(trois.chemin_sans_conflit(3, 1, 1), 2);
    EXPECT_EQ(trois.generer_possibilites_sans_passer_par_marques(4, 1, 1), 1);  // voisins non peints
    EXPECT_EQ(outils_modele::erreur_levee([&] { trois.generer_possibilites_sans_passer_par_marques(4, 2, 2); }),
              "EDITEUR_PKG.ERREUR_CASE_DEPART_INOCCUPEE");
}

TEST(Generateur, CandidatsDuCarre2x2) {
    auto g = grille_dessinee({"##", "##"});
    aleatoire_pkg::source_suite source({0.5f});
    editeur_pkg::generation_des_chemins generation(4, *g, source);
    EXPECT_EQ(generation.generer_possibilites_sans_passer_par_marques(4, 1, 1), 3);
    EXPECT_EQ(generation.candidats(3, 1, 1), (chemins{{{1, 1}, {2, 1}, {2, 2}}, {{1, 1}, {1, 2}, {2, 2}}}));
    EXPECT_EQ(generation.candidats(2, 1, 1), (chemins{{{1, 1}, {2, 1}}, {{1, 1}, {1, 2}}}));
}

// Dessin au hasard : côté, densité, et quelques cases terminales déjà posées n'y sont pas.
std::vector<std::string> dessin_au_hasard(std::mt19937& alea, int cote) {
    std::vector<std::string> dessin(static_cast<std::size_t>(cote), std::string(static_cast<std::size_t>(cote), '.'));
    const float densite = std::uniform_real_distribution<float>(0.3f, 1.0f)(alea);
    for (auto& ligne : dessin)
        for (char& c : ligne)
            if (std::uniform_real_distribution<float>(0.0f, 1.0f)(alea) < densite) c = '#';
    return dessin;
}

std::vector<float> suite_au_hasard(std::mt19937& alea) {
    std::vector<float> suite(1 + alea() % 17);
    for (float& u : suite) u = std::uniform_real_distribution<float>(0.0f, 1.0f)(alea);
    if (alea() % 4 == 0) suite.push_back(1.0f);
    if (alea() % 4 == 0) suite.push_back(0.0f);
    return suite;
}

std::string imprimer(const grille_pkg::grille& g) {
    pugi::xml_document document;
    return fichier_xml_pkg::imprimer(g.grille_xml(document));
}

TEST(Generateur, IdentiqueALaTranscriptionPasAPas) {
    std::mt19937 alea(20261210);
    for (int essai = 0; essai < 600; ++essai) {
        const int cote = 2 + static_cast<int>(alea() % 8);
        // Les grandes complexités sur de grandes zones ouvertes rendent la transcription trop lente.
        const int complexite = 4 + static_cast<int>(alea() % (cote <= 6 ? 11 : 5));
        const auto dessin = dessin_au_hasard(alea, cote);
        const auto suite = suite_au_hasard(alea);

        auto rapide = grille_dessinee(dessin);
        aleatoire_pkg::source_suite source_rapide(suite);
        editeur_pkg::editeur().generation_des_chemins(complexite, rapide, source_rapide);
        auto lente = grille_dessinee(dessin);
        aleatoire_pkg::source_suite source_lente(suite);
        generation_de_reference::generer(complexite, *lente, source_lente);
        ASSERT_EQ(imprimer(*rapide), imprimer(*lente)) << "essai " << essai << ", côté " << cote << ", complexité " << complexite;
    }
}

TEST(Generateur, InvariantsSurDesDessinsAuHasard) {
    std::mt19937 alea(42);
    for (int essai = 0; essai < 150; ++essai) {
        const int cote = 2 + static_cast<int>(alea() % 29);
        const int complexite = 4 + static_cast<int>(alea() % 11);
        const auto dessin = dessin_au_hasard(alea, cote);
        auto g = grille_dessinee(dessin);
        aleatoire_pkg::source_suite source(suite_au_hasard(alea));
        editeur_pkg::editeur().generation_des_chemins(complexite, g, source);

        std::set<std::pair<int, int>> couvertes;
        for (const auto& route : chemins_poses(*g)) {
            const int n = static_cast<int>(route.size());
            ASSERT_LE(n, complexite);
            for (const auto& bout : {route.front(), route.back()}) {
                const auto c = g->rend_case(bout);
                ASSERT_TRUE(case_terminale_pkg::est_case_terminale(c));
                EXPECT_EQ(static_cast<const case_terminale_pkg::case_terminale&>(*c).valeur(), n);
            }
            for (int i = 0; i < n; ++i) {
                EXPECT_TRUE(couvertes.insert({route[static_cast<std::size_t>(i)].x, route[static_cast<std::size_t>(i)].y}).second);
                const auto& c = route[static_cast<std::size_t>(i)];
                if (i > 0) {
                    const auto& p = route[static_cast<std::size_t>(i - 1)];
                    EXPECT_EQ(std::abs(c.x - p.x) + std::abs(c.y - p.y), 1);
                }
                if (i > 0 && i + 1 < n) {
                    EXPECT_FALSE(case_terminale_pkg::est_case_terminale(g->rend_case(c)));
                }
            }
        }
        for (int x = 1; x <= cote; ++x) {
            for (int y = 1; y <= cote; ++y) {
                const bool peinte = dessin[static_cast<std::size_t>(cote - y)][static_cast<std::size_t>(x - 1)] == '#';
                EXPECT_EQ(couvertes.count({x, y}) == 1, peinte);
                EXPECT_FALSE(g->rend_case({x, y})->est_occupe());
                if (!peinte) {
                    EXPECT_FALSE(case_terminale_pkg::est_case_terminale(g->rend_case({x, y})));
                }
            }
        }
    }
}

TEST(Editeur, InitialisationCurseurEtSauvegarde) {
    outils_modele::repertoire_temporaire rep;
    std::filesystem::create_directory("grilles_personnelles");
    editeur_pkg::editeur e;
    e.initialiser(5, "cinq");
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y) EXPECT_TRUE(e.obtenir_grille()->rend_case({x, y})->est_occupe());
    EXPECT_EQ(e.obtenir_curseur(), (coordonnees{1, 1}));
    e.deplacer_curseur({5, 5});
    EXPECT_EQ(e.obtenir_curseur(), (coordonnees{5, 5}));
    EXPECT_EQ(outils_modele::erreur_levee([&] { e.deplacer_curseur({6, 2}); }), "EDITEUR_PKG.ERREUR_CURSEUR_HORS_LIMITE");
    EXPECT_EQ(e.obtenir_curseur(), (coordonnees{5, 5}));
    EXPECT_EQ(outils_modele::erreur_levee([&] { e.deplacer_curseur({2, 6}); }), "EDITEUR_PKG.ERREUR_CURSEUR_HORS_LIMITE");
    EXPECT_EQ(e.obtenir_curseur(), (coordonnees{2, 5}));

    aleatoire_pkg::source_suite source({0.3f});
    e.generation_des_chemins(4, e.obtenir_grille(), source);
    e.sauvegarder("ma grille");
    EXPECT_TRUE(std::filesystem::exists("grilles_personnelles/magrille.xml"));
}

}  // namespace
