// Mesure de difficulté : petites grilles faites main dont on connaît la réponse, règles qui ne
// contredisent jamais la solution, travail borné sur une grande grille ouverte, sous-commande.
#include <cmath>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "commande_difficulte.hpp"
#include "conception.hpp"
#include "difficulte.hpp"
#include "outils_modele.hpp"

using outils_modele::repertoire_temporaire;
using solveur_pkg::route;

namespace {

struct grille_faite_main {
    solveur_pkg::probleme probleme;
    std::vector<route> solution;
};

// Les terminales se déduisent de la solution : les deux bouts de chaque chemin.
grille_faite_main depuis_solution(int taille, const std::vector<route>& solution) {
    grille_faite_main g{{taille, {}}, solution};
    for (const auto& c : solution) {
        const int n = static_cast<int>(c.size());
        g.probleme.terminales.push_back({c.front(), n});
        if (n > 1) g.probleme.terminales.push_back({c.back(), n});
    }
    return g;
}

// 4 × 4 : deux « 3 » et un « 2 » qui n'ont chacun qu'une marche, un « 1 ».
const grille_faite_main TOUT_PAR_LA_REGLE_1 = depuis_solution(
    4, {{{1, 1}, {2, 1}, {3, 1}}, {{1, 2}, {2, 2}, {3, 2}}, {{1, 3}, {1, 4}}, {{4, 4}}});

// 4 × 4, aucune terminale n'a une seule marche. Le « 4 » de (4, 1) va vers (4, 2) ou vers (3, 3), et
// ses deux marches passent par (3, 1) et (3, 2) : ces cases sont à lui (règle 2). Il ne reste alors au
// « 4 » de (2, 1) que la marche par (2, 2) et (2, 3) jusqu'à (3, 3), et tout s'enchaîne par la règle 1.
const grille_faite_main REGLE_2_NECESSAIRE = depuis_solution(
    4, {{{4, 1}, {3, 1}, {3, 2}, {4, 2}},
        {{2, 1}, {2, 2}, {2, 3}, {3, 3}},
        {{1, 2}, {1, 3}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}});

// 5 × 5 : le « 2 » est forcé, le « 4 » n'a qu'un partenaire (ses deux bouts sont fixés par la règle 2),
// mais les quatre « 7 » peuvent s'apparier de six façons et rien de local ne tranche : il faut essayer.
const grille_faite_main ESSAI_NECESSAIRE = depuis_solution(
    5, {{{3, 5}, {4, 5}, {5, 5}, {5, 4}, {5, 3}, {4, 3}, {4, 4}},
        {{2, 3}, {3, 3}, {3, 2}, {4, 2}},
        {{1, 4}, {1, 5}},
        {{1, 1}, {1, 2}, {2, 2}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}});

TEST(Difficulte, GrillesFaitesMainAReponseConnue) {
    struct cas {
        const char* nom;
        const grille_faite_main& grille;
        double regle1, regles12;
        int profondeur;
    };
    for (const cas& c : {cas{"regle 1", TOUT_PAR_LA_REGLE_1, 1.0, 1.0, 0}, cas{"regle 2", REGLE_2_NECESSAIRE, 0.0, 1.0, 0},
                         cas{"essai", ESSAI_NECESSAIRE, 2.0 / 20, 4.0 / 20, 1}}) {
        const auto m = difficulte::mesurer(c.grille.probleme, c.grille.solution);
        EXPECT_FALSE(m.contradiction) << c.nom;
        EXPECT_DOUBLE_EQ(m.part_regle1, c.regle1) << c.nom;
        EXPECT_DOUBLE_EQ(m.part_regles12, c.regles12) << c.nom;
        EXPECT_EQ(m.profondeur, c.profondeur) << c.nom;
        EXPECT_EQ(m.essais > 0, c.profondeur > 0) << c.nom;
        EXPECT_DOUBLE_EQ(m.part_restante, 0.0) << c.nom;
    }
    // Poids moyen 1, 2, puis davantage : la note monte avec la manière de raisonner.
    const auto note = [](const grille_faite_main& g) { return difficulte::mesurer(g.probleme, g.solution).score; };
    EXPECT_DOUBLE_EQ(note(TOUT_PAR_LA_REGLE_1), std::log2(10.0));
    EXPECT_DOUBLE_EQ(note(REGLE_2_NECESSAIRE), 2 * std::log2(15.0));
    EXPECT_GT(note(ESSAI_NECESSAIRE), 2 * std::log2(21.0));
}

TEST(Difficulte, UneTerminaleSansPartenaireEstUneContradiction) {
    auto g = TOUT_PAR_LA_REGLE_1;
    g.probleme.terminales.push_back({{4, 1}, 5});
    EXPECT_TRUE(difficulte::mesurer(g.probleme, g.solution).contradiction);
}

// Les déductions ne doivent jamais aller contre la solution : sur des grilles au hasard à solution
// unique, toute case attribuée l'est à un bout du chemin solution qui la couvre.
TEST(Difficulte, LesDeductionsRespectentLaSolution) {
    std::mt19937 alea(11);
    for (int essai = 0; essai < 20; ++essai) {
        const int cote = 4 + static_cast<int>(alea() % 6);
        dessin::dessin_peint d{cote, std::vector<bool>(static_cast<std::size_t>(cote * cote))};
        for (std::size_t i = 0; i < d.cases.size(); ++i) d.cases[i] = alea() % 10 < 8;
        aleatoire_pkg::source_suite source({0.3f, 0.8f, 0.1f, 0.55f});
        const auto g = depuis_solution(cote, conception::concevoir(d, 9, source));

        deduction::moteur m(g.probleme);
        ASSERT_TRUE(m.propager(deduction::regles::cases_communes)) << "essai " << essai;
        while (!m.termine() && (m.essayer(1) > 0 || m.essayer(2) > 0)) {
            ASSERT_TRUE(m.propager(deduction::regles::cases_communes)) << "essai " << essai;
        }
        const auto& plat = m.le_plateau();
        for (const auto& chemin : g.solution) {
            for (const auto& c : chemin) {
                const int p = m.proprietaire(plat.indice(c));
                if (p < 0) continue;
                const int bout = plat.case_de[static_cast<std::size_t>(p)];
                EXPECT_TRUE(bout == plat.indice(chemin.front()) || bout == plat.indice(chemin.back()))
                    << "essai " << essai << " case (" << c.x << "," << c.y << ")";
            }
        }
    }
}

// Une grande grille presque vide aux nombres longs : les marches sont innombrables, les terminales
// restent ouvertes, et la mesure rend quand même son verdict. Les deux paires, à plus de 46 cases
// l'une de l'autre, ne peuvent pas se gêner : deux groupes indépendants.
TEST(Difficulte, TravailBorneSurUneGrandeGrilleOuverte) {
    const auto g = depuis_solution(42, {{{1, 1}}});
    auto p = g.probleme;
    for (const auto& [x1, y1, x2, y2] : {std::array{5, 5, 8, 7}, {35, 35, 36, 39}}) {
        p.terminales.push_back({{x1, y1}, 24});
        p.terminales.push_back({{x2, y2}, 24});
    }
    const auto m = difficulte::mesurer(p, g.solution);
    EXPECT_FALSE(m.contradiction);
    deduction::moteur moteur(p);
    EXPECT_TRUE(moteur.propager(deduction::regles::cases_communes));
    EXPECT_FALSE(moteur.termine());
    EXPECT_EQ(moteur.groupes_ouverts().size(), 2u);
}

std::string grille_xml(const grille_faite_main& g) {
    const auto coord = [](const case_simple_pkg::coordonnees& c) {
        return "<coordonnees x=\"" + std::to_string(c.x) + "\" y=\"" + std::to_string(c.y) + "\"></coordonnees>";
    };
    std::string xml = "<partie aide=\"0\" score=\"0\"><grille nom=\"g\" taille=\"" + std::to_string(g.probleme.taille) + "\">";
    for (const auto& t : g.probleme.terminales) {
        xml += "<case_terminale chiffre=\"" + std::to_string(t.numero) + "\">" + coord(t.position) + "</case_terminale>";
    }
    xml += "<solution>";
    for (const auto& c : g.solution) {
        xml += "<chemin longueur=\"" + std::to_string(c.size()) + "\">";
        for (const auto& p : c) xml += coord(p);
        xml += "</chemin>";
    }
    return xml + "</solution></grille></partie>";
}

TEST(Difficulte, SousCommandeFichierEtTableau) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("d/niv10_1.xml", grille_xml(ESSAI_NECESSAIRE));
    repertoire_temporaire::ecrire("d/niv2_1.xml", grille_xml(REGLE_2_NECESSAIRE));
    std::ostringstream seul;
    EXPECT_EQ(commande_difficulte::executer({"d/niv2_1.xml"}, seul), 0);
    EXPECT_EQ(seul.str(),
              "d/niv2_1.xml : côté 4, 3 chemins, 14 cases, longueur moyenne 4.67, chemins d'une case 0 % (hors cases isolées)\n"
              "  cases fixées avant tout essai : règle 1 0 %, règles 1 et 2 100 %\n"
              "  essais : aucun, cases restées à chercher : 0 %\n"
              "  note : 7.8\n");

    // Une ligne par fichier, niv2 avant niv10 ; un fichier refusé donne son erreur à sa place et le code 1.
    repertoire_temporaire::ecrire("d/casse.xml", "<partie>");
    std::ostringstream tableau;
    EXPECT_EQ(commande_difficulte::executer({"--tableau", "d"}, tableau), 1);
    std::istringstream lignes(tableau.str());
    std::vector<std::string> v;
    for (std::string l; std::getline(lignes, l);) v.push_back(l);
    ASSERT_EQ(v.size(), 4u) << tableau.str();
    EXPECT_TRUE(v[1].starts_with("casse.xml") && v[1].find("FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE") != std::string::npos) << v[1];
    EXPECT_TRUE(v[2].starts_with("niv2_1.xml") && v[2].ends_with("7.8")) << v[2];
    EXPECT_TRUE(v[3].starts_with("niv10_1.xml")) << v[3];

    std::ostringstream usage;
    EXPECT_EQ(commande_difficulte::executer({}, usage), 2);
    EXPECT_EQ(commande_difficulte::executer({"--tableau"}, usage), 2);
    EXPECT_EQ(commande_difficulte::executer({"--tableau", "absent"}, usage), 1);
}

}  // namespace
