// Forme XML des grilles : impression exacte, relecture, inversion de l'ordre des chemins, refus des
// fichiers malformés.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "fichier_xml_pkg.hpp"
#include "grille_pkg.hpp"
#include "outils_modele.hpp"

using grille_pkg::direction;
using outils_modele::erreur_levee;
using outils_modele::repertoire_temporaire;

namespace {

const std::string EXEMPLE =
    "<grille nom=\"exemple\" taille=\" 2\"><case_terminale chiffre=\" 2\"><coordonnees x=\" 1\" y=\" 1\">"
    "</coordonnees></case_terminale><case_terminale chiffre=\" 2\"><coordonnees x=\" 1\" y=\" 2\"></coordonnees>"
    "</case_terminale><case_terminale chiffre=\" 2\"><coordonnees x=\" 2\" y=\" 1\"></coordonnees>"
    "</case_terminale><case_terminale chiffre=\" 2\"><coordonnees x=\" 2\" y=\" 2\"></coordonnees>"
    "</case_terminale><solution><chemin longueur=\" 2\"><coordonnees x=\" 2\" y=\" 1\"></coordonnees>"
    "<coordonnees x=\" 2\" y=\" 2\"></coordonnees></chemin><chemin longueur=\" 2\"><coordonnees x=\" 1\" "
    "y=\" 1\"></coordonnees><coordonnees x=\" 1\" y=\" 2\"></coordonnees></chemin></solution></grille>\n";

grille_pkg::chemin_ptr colonne(grille_pkg::grille& g, int x) {
    auto c = std::make_shared<grille_pkg::chemin>();
    c->initialiser(g, g.rend_case({x, 1}));
    c->avancer(direction::haut);
    return c;
}

grille_pkg::grille_ptr grille_exemple() {
    auto g = outils_modele::grille_avec(2, {{1, 1, 2}, {1, 2, 2}, {2, 1, 2}, {2, 2, 2}});
    g->nommer_grille("exemple");
    g->ajouter_chemin_solution(colonne(*g, 1));
    g->ajouter_chemin_solution(colonne(*g, 2));
    return g;
}

TEST(FichierGrille, LExempleSImprimeOctetPourOctet) {
    repertoire_temporaire rep;
    grille_exemple()->sauvegarder("exemple.xml", "");
    EXPECT_EQ(repertoire_temporaire::lire("exemple.xml"), EXEMPLE);
}

TEST(FichierGrille, RelectureNommeeParLAppelantEtOrdreDesCheminsInverse) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("sous/exemple.xml", EXEMPLE);
    grille_pkg::grille_ptr g;
    grille_pkg::charger(g, "exemple.xml", "sous/");
    ASSERT_TRUE(g);
    EXPECT_EQ(g->obtenir_nom_grille(), "exemple.xml");
    const auto tete = grille_pkg::listes_chemins::obtenir_debut(g->obtenir_solution());
    EXPECT_EQ(tete->nieme_coord(1), (case_simple_pkg::coordonnees{1, 1}));

    // Chaque chargement puis écriture inverse l'ordre ; deux allers-retours le rétablissent.
    g->nommer_grille("exemple");
    g->sauvegarder("une_fois.xml", "");
    const std::string une_fois = repertoire_temporaire::lire("une_fois.xml");
    EXPECT_NE(une_fois, EXEMPLE);
    grille_pkg::charger(g, "une_fois.xml", "");
    g->nommer_grille("exemple");
    g->sauvegarder("deux_fois.xml", "");
    EXPECT_EQ(repertoire_temporaire::lire("deux_fois.xml"), EXEMPLE);
}

TEST(FichierGrille, EchappementsEtNomVide) {
    pugi::xml_document document;
    pugi::xml_node e = document.append_child("e");
    e.append_attribute("z").set_value("a&b<c>d\"e\tf\ng\rh'é");
    e.append_attribute("a").set_value("");
    fichier_xml_pkg::ecrire_entier(e, "m", -3);
    EXPECT_EQ(fichier_xml_pkg::imprimer(e),
              "<e a=\"\" m=\"-3\" z=\"a&amp;b&lt;c&gt;d&quot;e&#9;f&#10;g&#13;h'é\"></e>\n");

    grille_pkg::grille sans_nom(1);
    pugi::xml_document d2;
    EXPECT_EQ(fichier_xml_pkg::imprimer(sans_nom.grille_xml(d2)),
              "<grille nom=\"\" taille=\" 1\"><solution></solution></grille>\n");
}

TEST(FichierGrille, UnCheminDUneCaseEtUneSolutionVide) {
    auto g = outils_modele::grille_avec(1, {{1, 1, 1}});
    auto un = std::make_shared<grille_pkg::chemin>();
    un->initialiser(*g, g->rend_case({1, 1}));
    pugi::xml_document document;
    EXPECT_EQ(fichier_xml_pkg::imprimer(un->chemin_xml(document)),
              "<chemin longueur=\" 1\"><coordonnees x=\" 1\" y=\" 1\"></coordonnees></chemin>\n");
}

// Une grille 2 × 2 : deux "2" en colonne 1, la solution donnée par l'argument.
std::string grille_2x2(const std::string& solution, const std::string& taille = " 2") {
    return "<grille nom=\"n\" taille=\"" + taille +
           "\"><case_terminale chiffre=\" 2\"><coordonnees x=\" 1\" y=\" 1\"></coordonnees></case_terminale>"
           "<case_terminale chiffre=\" 2\"><coordonnees x=\" 1\" y=\" 2\"></coordonnees></case_terminale>" +
           solution + "</grille>";
}

const std::string C11 = "<coordonnees x=\"1\" y=\"1\"></coordonnees>";
const std::string C12 = "<coordonnees x=\"1\" y=\"2\"></coordonnees>";
const std::string C21 = "<coordonnees x=\"2\" y=\"1\"></coordonnees>";
const std::string C22 = "<coordonnees x=\"2\" y=\"2\"></coordonnees>";

struct cas_fichier {
    const char* nom;
    std::string contenu;
    const char* erreur;
};

class fichier_refuse : public ::testing::TestWithParam<cas_fichier> {};

TEST_P(fichier_refuse, LeveLErreurDeclaree) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("g.xml", GetParam().contenu);
    grille_pkg::grille_ptr g;
    EXPECT_EQ(erreur_levee([&] { grille_pkg::charger(g, "g.xml", ""); }), GetParam().erreur);
    EXPECT_FALSE(g);
}

const cas_fichier fichiers_refuses[] = {
    {"fichier_vide", "", "GRILLE_PKG.ERREUR_FICHIER_VIDE"},
    {"que_des_blancs", "  \n", "GRILLE_PKG.ERREUR_FICHIER_VIDE"},
    {"pas_du_xml", "bonjour", "FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE"},
    {"octet_nul_en_tete", std::string("\0<grille taille=\"2\"></grille>", 27), "FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE"},
    {"xml_tronque", grille_2x2("<solution><chemin longueur=\"2\">" + C11).substr(0, 60), "FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE"},
    {"pas_une_grille", "<partie></partie>", "GRILLE_PKG.ERREUR_FICHIER_XML_NE_CONTIENT_PAS_UNE_GRILLE"},
    {"grille_vide", "<grille taille=\"2\"></grille>", "GRILLE_PKG.ERREUR_GRILLE_VIDE"},
    {"sans_solution", grille_2x2(""), "GRILLE_PKG.ERREUR_NOEUD_CHEMINS_VIDE"},
    {"solution_vide", grille_2x2("<solution></solution>"), "GRILLE_PKG.ERREUR_NOEUD_CHEMINS_VIDE"},
    {"chemin_vide", grille_2x2("<solution><chemin longueur=\"2\"></chemin></solution>"), "GRILLE_PKG.ERREUR_CHEMIN_VIDE"},
    {"chemin_avec_saut", grille_2x2("<solution><chemin longueur=\"2\">" + C11 + C22 + "</chemin></solution>"), "GRILLE_PKG.ERREUR_CHEMIN_AVEC_SAUT"},
    {"longueur_fausse", grille_2x2("<solution><chemin longueur=\"3\">" + C11 + C12 + "</chemin></solution>"), "GRILLE_PKG.ERREUR_CHEMIN_INVALIDE"},
    {"depart_simple", grille_2x2("<solution><chemin longueur=\"2\">" + C21 + C22 + "</chemin></solution>"), "GRILLE_PKG.ERREUR_CHARGEMENT_CHEMIN"},
    {"retour_en_arriere", grille_2x2("<solution><chemin longueur=\"2\">" + C11 + C21 + C11 + "</chemin></solution>"), "GRILLE_PKG.ERREUR_CHEMIN_INVALIDE"},
    {"coordonnees_mal_nommees", grille_2x2("<solution><chemin longueur=\"2\"><case x=\"1\" y=\"1\"></case></chemin></solution>"), "GRILLE_PKG.ERREUR_CHARGEMENT_COORDONNEES"},
    {"deux_chemins_meme_depart", grille_2x2("<solution><chemin longueur=\"2\">" + C11 + C12 + "</chemin><chemin longueur=\"2\">" + C12 + C11 + "</chemin></solution>"), "GRILLE_PKG.ERREUR_CHARGEMENT_CHEMIN"},
    {"taille_absente", "<grille><solution></solution></grille>", "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"taille_non_numerique", grille_2x2("<solution></solution>", "deux"), "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"taille_nulle", grille_2x2("<solution></solution>", " 0"), "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"taille_trop_grande", grille_2x2("<solution></solution>", "43"), "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"taille_enorme", grille_2x2("<solution></solution>", "99999999999999999999"), "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"chiffre_nul", "<grille taille=\"2\"><case_terminale chiffre=\"0\">" + C11 + "</case_terminale><solution></solution></grille>", "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    // Un 5 ne tient pas dans les quatre cases d'un 2 × 2 : le solveur le chercherait sans fin.
    {"chiffre_plus_grand_que_la_grille", "<grille taille=\"2\"><case_terminale chiffre=\"5\">" + C11 + "</case_terminale><solution></solution></grille>", "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"terminale_hors_grille", "<grille taille=\"2\"><case_terminale chiffre=\"1\"><coordonnees x=\"3\" y=\"1\"></coordonnees></case_terminale><solution></solution></grille>", "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"coordonnee_negative", "<grille taille=\"2\"><case_terminale chiffre=\"1\"><coordonnees x=\"-1\" y=\"1\"></coordonnees></case_terminale><solution></solution></grille>", "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"chemin_hors_grille", grille_2x2("<solution><chemin longueur=\"2\"><coordonnees x=\"1\" y=\"7\"></coordonnees></chemin></solution>"), "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
    {"chemin_qui_sort", "<grille taille=\"2\"><case_terminale chiffre=\"2\">" + C21 + "</case_terminale><solution><chemin longueur=\"2\">" + C21 + "<coordonnees x=\"3\" y=\"1\"></coordonnees></chemin></solution></grille>", "GRILLE_PKG.ERREUR_CASE_HORS_LIMITE"},
};

INSTANTIATE_TEST_SUITE_P(FichierGrille, fichier_refuse, ::testing::ValuesIn(fichiers_refuses),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(FichierGrille, FichierAbsent) {
    repertoire_temporaire rep;
    grille_pkg::grille_ptr g;
    EXPECT_EQ(erreur_levee([&] { grille_pkg::charger(g, "absent.xml", ""); }),
              "FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE");
}

// Ce qui n'est pas un fichier ordinaire est refusé aussitôt : ni attente sur un tube nommé, ni lecture sans fin
// de /dev/zero, ni fichier démesuré chargé en mémoire.
TEST(FichierGrille, LesTubesLiensEtRepertoiresSontRefusesSansBloquer) {
    repertoire_temporaire rep;
    ASSERT_EQ(mkfifo("tube.xml", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "zero.xml");
    std::filesystem::create_directory("dossier.xml");
    std::filesystem::resize_file((repertoire_temporaire::ecrire("enorme.xml", "<grille"), "enorme.xml"), 64u << 20);
    for (const char* nom : {"tube.xml", "zero.xml", "dossier.xml", "enorme.xml"}) {
        grille_pkg::grille_ptr g;
        EXPECT_EQ(erreur_levee([&] { grille_pkg::charger(g, nom, ""); }), "FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE")
            << nom;
    }
}

// Un contenu fautif n'est cité que par ses premiers caractères.
TEST(FichierGrille, UnMessageNeCiteQuUnExtraitCourt) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("g.xml", grille_2x2("<solution></solution>", std::string(1'000'000, '7')));
    grille_pkg::grille_ptr g;
    try {
        grille_pkg::charger(g, "g.xml", "");
        FAIL() << "fichier accepté";
    } catch (const std::exception& e) {
        EXPECT_LT(std::string(e.what()).size(), 200u) << e.what();
    }
}

// Deux processus qui remplacent la même cible en même temps : chacun son temporaire, chaque écriture réussie,
// et la cible est toujours l'une des deux versions entières, jamais un mélange.
TEST(FichierGrille, DeuxEcrivainsDeLaMemeCibleNeSeMelentPas) {
    repertoire_temporaire rep;
    const std::string version_a(100'000, 'a'), version_b(150'000, 'b');
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    const std::string& mienne = enfant == 0 ? version_a : version_b;
    int echecs = 0;
    for (int i = 0; i < 200; ++i) {
        try {
            fichier_xml_pkg::ecrire_fichier("cible.xml", mienne);
        } catch (const std::exception&) {
            ++echecs;
        }
        const std::string lue = repertoire_temporaire::lire("cible.xml");
        if (lue != version_a && lue != version_b) ++echecs;
    }
    if (enfant == 0) _exit(echecs == 0 ? 0 : 1);
    int etat = 0;
    waitpid(enfant, &etat, 0);
    EXPECT_EQ(echecs, 0);
    EXPECT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0);
    // Aucun temporaire laissé derrière.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);
}

// Un temporaire laissé par un écrivain arrêté disparaît à la lecture suivante du répertoire ; celui d'un écrivain
// vivant et les fichiers du joueur restent.
TEST(FichierGrille, LesTemporairesAbandonnesSontEffaces) {
    repertoire_temporaire rep;
    const pid_t mort = fork();
    if (mort == 0) _exit(0);
    waitpid(mort, nullptr, 0);
    const std::string abandonne = ".g.xml." + std::to_string(mort) + ".3.tmp";
    const std::string vivant = ".g.xml." + std::to_string(getppid()) + ".0.tmp";
    for (const std::string& nom : {abandonne, vivant, std::string(".cache.tmp"), std::string("g.xml")}) {
        repertoire_temporaire::ecrire(nom, "x");
    }
    fichier_xml_pkg::nettoyer_temporaires(".");
    EXPECT_FALSE(std::filesystem::exists(abandonne));
    for (const char* reste : {"g.xml", ".cache.tmp"}) EXPECT_TRUE(std::filesystem::exists(reste)) << reste;
    EXPECT_TRUE(std::filesystem::exists(vivant));
}

TEST(FichierGrille, LesBlancsAutourDesNombresSontAcceptes) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire(
        "g.xml", "<grille taille=\"  2 \"><case_terminale chiffre=\" 2\">" + C11 +
                     "</case_terminale><case_terminale chiffre=\"2 \">" + C12 +
                     "</case_terminale><solution><chemin longueur=\" 2 \">" + C11 + C12 + "</chemin></solution></grille>");
    grille_pkg::grille_ptr g;
    grille_pkg::charger(g, "g.xml", "");
    ASSERT_TRUE(g);
    EXPECT_EQ(g->taille(), 2);
    EXPECT_EQ(grille_pkg::listes_chemins::taille_liste(g->obtenir_solution()), 1);
}

TEST(FichierGrille, UneEcritureImpossibleLaisseLAncienFichier) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("garde.xml", "ancien");
    EXPECT_EQ(erreur_levee([&] { fichier_xml_pkg::ecrire_fichier("absent/garde.xml", "x"); }),
              "FICHIER_XML_PKG.ERREUR_ECRITURE_FICHIER");
    // La cible est un répertoire : refusée avant tout temporaire, elle reste.
    repertoire_temporaire::ecrire("dossier/dedans", "x");
    EXPECT_EQ(erreur_levee([&] { fichier_xml_pkg::ecrire_fichier("dossier", "x"); }),
              "FICHIER_XML_PKG.ERREUR_ECRITURE_FICHIER");
    EXPECT_EQ(repertoire_temporaire::lire("dossier/dedans"), "x");
    std::filesystem::remove_all("dossier");
    fichier_xml_pkg::ecrire_fichier("garde.xml", "nouveau");
    EXPECT_EQ(repertoire_temporaire::lire("garde.xml"), "nouveau");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);
}

// Dans un lot aussi (sauvegarde d'une campagne), un lien du dossier du joueur est suivi jusqu'au fichier qu'il vise,
// remplacé dans son propre répertoire, et le lien reste ; un tube est refusé sans rien laisser.
TEST(FichierGrille, UnLienEstSuiviEtUnTubeRefuseDansUnLot) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("ailleurs/vraie.xml", "ancien");
    std::filesystem::create_directory("joueur");
    std::filesystem::create_symlink("../ailleurs/vraie.xml", "joueur/lien.xml");
    ASSERT_EQ(mkfifo("joueur/tube.xml", 0600), 0);
    {
        fichier_xml_pkg::lot_ecriture lot;
        lot.ecrire("joueur/lien.xml", "nouveau");
        EXPECT_EQ(erreur_levee([&lot] { lot.ecrire("joueur/tube.xml", "x"); }),
                  "FICHIER_XML_PKG.ERREUR_ECRITURE_FICHIER");
        lot.valider();
    }
    EXPECT_EQ(std::filesystem::read_symlink("joueur/lien.xml").string(), "../ailleurs/vraie.xml");
    EXPECT_EQ(repertoire_temporaire::lire("ailleurs/vraie.xml"), "nouveau");
    EXPECT_TRUE(std::filesystem::is_fifo("joueur/tube.xml"));
    for (const char* repertoire : {"joueur", "ailleurs"}) {
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(repertoire), std::filesystem::directory_iterator()),
                  repertoire == std::string("joueur") ? 2 : 1)
            << repertoire;
    }
}

}  // namespace
