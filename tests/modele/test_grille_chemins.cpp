// Règles de progression d'un chemin, recherche dans la solution et affichage texte de la grille.
#include <sstream>

#include <gtest/gtest.h>

#include "grille_pkg.hpp"
#include "outils_modele.hpp"

using grille_pkg::direction;
using outils_modele::erreur_levee;

namespace {

// Grille 5 × 5 : une paire de "3" en bas, une paire de "4" dont la première touche le premier "3",
// un "3" d'une autre paire au bout de la ligne et un "1" isolé.
grille_pkg::grille_ptr grille_regles() {
    return outils_modele::grille_avec(5, {{1, 1, 3}, {3, 1, 3}, {5, 1, 3}, {1, 2, 4}, {2, 3, 4}, {5, 5, 1}});
}

struct cas_progression {
    const char* nom;
    case_simple_pkg::coordonnees depart;
    std::vector<direction> pas;  // le dernier seul peut être refusé
    const char* erreur_dernier_pas;
    int longueur;
    bool termine;
    bool valide;
};

const cas_progression cas[] = {
    {"paire de 3 reliee", {1, 1}, {direction::droite, direction::droite}, "", 3, true, true},
    {"terminale d'un autre chiffre", {1, 1}, {direction::haut}, "GRILLE_PKG.ERREUR_PROGRESSION_INVALIDE", 1, false, false},
    {"bord gauche", {1, 1}, {direction::gauche}, "GRILLE_PKG.ERREUR_CASE_HORS_LIMITE", 1, false, false},
    {"bord bas", {1, 1}, {direction::bas}, "GRILLE_PKG.ERREUR_CASE_HORS_LIMITE", 1, false, false},
    {"bord droit", {5, 1}, {direction::haut, direction::haut, direction::droite}, "GRILLE_PKG.ERREUR_CASE_HORS_LIMITE", 3, false, false},
    {"retour sur la case precedente", {1, 1}, {direction::droite, direction::gauche}, "", 1, false, false},
    {"apres la fin", {1, 1}, {direction::droite, direction::droite, direction::haut}, "GRILLE_PKG.ERREUR_PROGRESSION_INVALIDE", 3, true, true},
    {"3 d'une autre paire", {3, 1}, {direction::droite, direction::droite}, "", 3, true, true},
    {"partenaire atteint trop tot", {1, 2}, {direction::haut, direction::droite}, "", 3, true, false},
    {"trop tot puis on avance", {1, 2}, {direction::haut, direction::droite, direction::droite}, "GRILLE_PKG.ERREUR_PROGRESSION_INVALIDE", 3, true, false},
    {"trop tot puis on recule", {1, 2}, {direction::haut, direction::droite, direction::gauche}, "", 2, false, false},
    {"plus de N cases", {1, 2}, {direction::haut, direction::haut, direction::haut, direction::droite}, "GRILLE_PKG.ERREUR_PROGRESSION_INVALIDE", 4, false, false},
    {"terminale 1", {5, 5}, {direction::bas}, "GRILLE_PKG.ERREUR_PROGRESSION_INVALIDE", 1, true, true},
};

class progression : public ::testing::TestWithParam<cas_progression> {};

TEST_P(progression, SuitLesReglesEtUnRefusNeChangeRien) {
    const cas_progression& c = GetParam();
    auto g = grille_regles();
    grille_pkg::chemin ch;
    ch.initialiser(*g, g->rend_case(c.depart));
    for (std::size_t i = 0; i + 1 < c.pas.size(); ++i) ch.avancer(c.pas[i]);

    std::vector<bool> occupation_avant;
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y) occupation_avant.push_back(g->rend_case({x, y})->est_occupe());
    const int longueur_avant = ch.longueur();

    EXPECT_EQ(erreur_levee([&] { ch.avancer(c.pas.back()); }), c.erreur_dernier_pas);
    if (*c.erreur_dernier_pas) {
        EXPECT_EQ(ch.longueur(), longueur_avant);
        std::vector<bool> occupation_apres;
        for (int x = 1; x <= 5; ++x)
            for (int y = 1; y <= 5; ++y) occupation_apres.push_back(g->rend_case({x, y})->est_occupe());
        EXPECT_EQ(occupation_apres, occupation_avant);
    }
    EXPECT_EQ(ch.longueur(), c.longueur);
    EXPECT_EQ(ch.est_termine(), c.termine);
    EXPECT_EQ(ch.est_valide(), c.valide);
    EXPECT_EQ(ch.combien_reste(), ch.obtenir_longueur_maximale() - ch.longueur());
    // Chaque case de la route est occupée : le chemin la tient.
    for (int i = 1; i <= ch.longueur(); ++i) EXPECT_TRUE(g->rend_case(ch.nieme_coord(i))->est_occupe());
}

INSTANTIATE_TEST_SUITE_P(Chemin, progression, ::testing::ValuesIn(cas),
                         [](const auto& info) {
                             std::string nom = info.param.nom;
                             for (char& ch : nom) if (ch == ' ' || ch == '\'') ch = '_';
                             return nom;
                         });

TEST(Chemin, LeRefusAuBordNommeLaColonneOuLaLigne) {
    struct cas_bord {
        case_simple_pkg::coordonnees depart;
        direction vers;
        std::string detail;
    };
    const cas_bord bords[] = {
        {{3, 3}, direction::droite, "à droite de la colonne 3"},
        {{1, 1}, direction::gauche, "à gauche de la colonne 1"},
        {{3, 3}, direction::haut, "au-dessus de la ligne 3"},
        {{1, 1}, direction::bas, "au-dessous de la ligne 1"},
    };
    for (const cas_bord& b : bords) {
        auto g = outils_modele::grille_avec(3, {{1, 1, 2}, {3, 3, 2}});
        grille_pkg::chemin ch;
        ch.initialiser(*g, g->rend_case(b.depart));
        std::string message;
        try {
            ch.avancer(b.vers);
        } catch (const grille_pkg::ERREUR_CASE_HORS_LIMITE& e) {
            message = e.what();
        }
        EXPECT_EQ(message, "GRILLE_PKG.ERREUR_CASE_HORS_LIMITE : " + b.detail);
    }
}

TEST(Chemin, LeRetourLibereLaDerniereCaseEtRefuseLaPremiere) {
    auto g = grille_regles();
    grille_pkg::chemin ch;
    ch.initialiser(*g, g->rend_case({1, 1}));
    ch.avancer(direction::droite);
    ch.retour();
    EXPECT_FALSE(g->rend_case({2, 1})->est_occupe());
    EXPECT_TRUE(g->rend_case({1, 1})->est_occupe());
    EXPECT_EQ(ch.combien_reste(), 2);
    EXPECT_EQ(erreur_levee([&] { ch.retour(); }), "GRILLE_PKG.ERREUR_RETOUR_PREMIERE_CASE");
}

TEST(Chemin, UnCheminViergeRefuseSesOperations) {
    grille_pkg::chemin vierge;
    EXPECT_FALSE(vierge.est_initialise());
    EXPECT_EQ(erreur_levee([&] { vierge.avancer(direction::haut); }), "GRILLE_PKG.ERREUR_CHEMIN_NON_INITIALISE");
    EXPECT_EQ(erreur_levee([&] { vierge.est_termine(); }), "GRILLE_PKG.ERREUR_CHEMIN_NON_INITIALISE");
    EXPECT_EQ(erreur_levee([&] { vierge.nieme_coord(1); }), "LISTES_PKG.ERREUR_POS_INTROUVABLE");
    EXPECT_EQ(vierge.combien_reste(), 0);
}

TEST(Chemin, UneCaseDejaPriseParUnAutreCheminEstRefusee) {
    auto g = grille_regles();
    grille_pkg::chemin premier, second;
    premier.initialiser(*g, g->rend_case({1, 2}));
    premier.avancer(direction::haut);  // (1, 3)
    second.initialiser(*g, g->rend_case({2, 3}));
    EXPECT_EQ(erreur_levee([&] { second.avancer(direction::gauche); }), "GRILLE_PKG.ERREUR_PROGRESSION_INVALIDE");
}

TEST(Chemin, LeCheminDAideNOccupeRien) {
    auto g = grille_regles();
    grille_pkg::chemin aide;
    aide.initialiser_chemin_aide(*g, g->rend_case({1, 1}));
    aide.ajouter_coord({2, 1});
    EXPECT_FALSE(g->rend_case({1, 1})->est_occupe());
    EXPECT_EQ(aide.longueur(), 2);
    EXPECT_TRUE(aide.appartient(g->rend_case({2, 1})));
    EXPECT_FALSE(aide.appartient(g->rend_case({3, 1})));
}

TEST(Chemin, AvancerSurCasesOccupeesPoseLaTerminaleDArrivee) {
    auto g = outils_modele::grille_avec(3, {{1, 1, 3}});
    g->rend_case({2, 1})->occuper();
    g->rend_case({3, 1})->occuper();
    grille_pkg::chemin ch;
    ch.initialiser(*g, g->rend_case({1, 1}));
    ch.avancer_sur_cases_occupees(direction::droite);
    ch.avancer_sur_cases_occupees(direction::droite);
    ASSERT_TRUE(case_terminale_pkg::est_case_terminale(g->rend_case({3, 1})));
    EXPECT_FALSE(g->rend_case({3, 1})->est_occupe());
    EXPECT_EQ(ch.longueur(), 3);
    EXPECT_TRUE(ch.est_valide());
    EXPECT_EQ(erreur_levee([&] { ch.avancer_sur_cases_occupees(direction::haut); }),
              "GRILLE_PKG.ERREUR_PROGRESSION_INVALIDE");
}

TEST(Grille, TrouverCheminSolutionPrendLePremierDeLaListe) {
    auto g = grille_regles();
    auto bas = std::make_shared<grille_pkg::chemin>();
    bas->initialiser(*g, g->rend_case({1, 1}));
    bas->avancer(direction::droite);
    bas->avancer(direction::droite);
    auto un = std::make_shared<grille_pkg::chemin>();
    un->initialiser(*g, g->rend_case({5, 5}));
    g->ajouter_chemin_solution(bas);
    g->ajouter_chemin_solution(un);

    EXPECT_EQ(g->trouver_chemin_solution(g->rend_case({2, 1})), bas);
    EXPECT_EQ(g->trouver_chemin_solution(g->rend_case({5, 5})), un);
    EXPECT_EQ(erreur_levee([&] { g->trouver_chemin_solution(g->rend_case({4, 4})); }),
              "GRILLE_PKG.ERREUR_CHEMIN_SOLUTION_NON_TROUVE");
    g->retirer_chemin_solution(un);
    EXPECT_EQ(erreur_levee([&] { g->trouver_chemin_solution(g->rend_case({5, 5})); }),
              "GRILLE_PKG.ERREUR_CHEMIN_SOLUTION_NON_TROUVE");
}

TEST(Grille, NomEtCasesApresInitialisation) {
    grille_pkg::grille g(3);
    EXPECT_EQ(erreur_levee([&] { g.obtenir_nom_grille(); }), "GRILLE_PKG.ERREUR_NOM_NON_INITIALISE");
    g.initialiser("trois");
    EXPECT_EQ(g.obtenir_nom_grille(), "trois");
    EXPECT_EQ(g.position(g.rend_case({2, 3})), (case_simple_pkg::coordonnees{2, 3}));
    g.rend_case({2, 3})->occuper();
    g.liberer_cases();
    EXPECT_FALSE(g.rend_case({2, 3})->est_occupe());
    EXPECT_THROW(g.rend_case({4, 1}), std::out_of_range);
}

TEST(Grille, AffichageTexteXDecroissantPuisYCroissant) {
    auto g = outils_modele::grille_avec(2, {{2, 1, 2}});
    g->rend_case({1, 2})->occuper();
    std::ostringstream sortie;
    g->afficher_la_grille(sortie);
    EXPECT_EQ(sortie.str(),
              " 2, 1 terminale de valeur  2 FALSE\n"
              " 2, 2 simple FALSE\n"
              " 1, 1 simple FALSE\n"
              " 1, 2 simple TRUE\n");
}

}  // namespace
