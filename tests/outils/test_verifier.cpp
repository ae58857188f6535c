// Sous-commande verifier : résumé d'un fichier accepté, nom complet de l'erreur d'un fichier refusé.
#include <sstream>

#include <gtest/gtest.h>

#include "commande_verifier.hpp"
#include "outils_modele.hpp"

using outils_modele::repertoire_temporaire;

namespace {

const std::string GRILLE =
    "<grille nom=\"g\" taille=\" 3\"><case_terminale chiffre=\" 2\"><coordonnees x=\" 1\" y=\" 1\"></coordonnees>"
    "</case_terminale><case_terminale chiffre=\" 2\"><coordonnees x=\" 2\" y=\" 1\"></coordonnees></case_terminale>"
    "<case_terminale chiffre=\" 1\"><coordonnees x=\" 3\" y=\" 3\"></coordonnees></case_terminale><solution>"
    "<chemin longueur=\" 2\"><coordonnees x=\" 1\" y=\" 1\"></coordonnees><coordonnees x=\" 2\" y=\" 1\">"
    "</coordonnees></chemin><chemin longueur=\" 1\"><coordonnees x=\" 3\" y=\" 3\"></coordonnees></chemin>"
    "</solution></grille>";
const std::string JOUES =
    "<chemins_joues><chemin longueur=\" 1\"><coordonnees x=\" 3\" y=\" 3\"></coordonnees></chemin></chemins_joues>";

struct cas_verifier {
    const char* nom;
    std::string contenu;
    std::vector<std::string> options;
    int code;
    std::string sortie;
};

class verifier : public ::testing::TestWithParam<cas_verifier> {};

TEST_P(verifier, CodeEtSortie) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("d/f.xml", GetParam().contenu);
    std::vector<std::string> arguments{"d/f.xml"};
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
    std::ostringstream sortie;
    EXPECT_EQ(commande_verifier::executer(arguments, sortie), GetParam().code);
    EXPECT_EQ(sortie.str().substr(0, GetParam().sortie.size()), GetParam().sortie) << sortie.str();
}

const cas_verifier cas[] = {
    {"jeu_libre", "<partie score=\" 0\">" + GRILLE + JOUES + "</partie>\n", {}, 0,
     "d/f.xml : côté 3, 3 cases terminales, 2 chemins solution, 0 chemins joués\n"},
    {"campagne", "<partie score=\" 10\">" + GRILLE + JOUES + "</partie>\n", {"--campagne"}, 0,
     "d/f.xml : côté 3, 3 cases terminales, 2 chemins solution, 1 chemins joués\n"},
    {"grille_seule", GRILLE, {"--campagne"}, 0, "d/f.xml : côté 3, 3 cases terminales, 2 chemins solution, 0"},
    {"vide", "", {}, 1, "GRILLE_PKG.ERREUR_FICHIER_VIDE : "},
    {"tronque", GRILLE.substr(0, 100), {}, 1, "FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE : "},
    {"pas_une_partie", "<niveau></niveau>", {}, 1, "JEU_SUR_GRILLE_PKG.ERREUR_FICHIER_N_EST_PAS_UNE_PARTIE"},
    {"pas_une_partie_campagne", "<niveau></niveau>", {"--campagne"}, 1,
     "JEU_SUR_GRILLE_PKG.ERREUR_FICHIER_N_EST_PAS_UNE_PARTIE"},
    {"taille_201", "<partie><grille taille=\"201\"></grille></partie>", {}, 1, "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE : "},
    {"chemins_joues_vides", "<partie>" + GRILLE + "<chemins_joues><chemin longueur=\"1\"></chemin></chemins_joues></partie>",
     {"--campagne"}, 1, "GRILLE_PKG.ERREUR_CHEMIN_VIDE : "},
    {"options_inconnues", GRILLE, {"--bof"}, 2, "usage : verifier"},
};

INSTANTIATE_TEST_SUITE_P(Verifier, verifier, ::testing::ValuesIn(cas),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(Verifier, FichierAbsentEtSansArgument) {
    repertoire_temporaire rep;
    std::ostringstream sortie;
    EXPECT_EQ(commande_verifier::executer({"absent.xml"}, sortie), 1);
    EXPECT_EQ(sortie.str(), "FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE : absent.xml : impossible d'ouvrir (No such file or directory)\n");
    EXPECT_EQ(commande_verifier::executer({}, sortie), 2);
}

}  // namespace
