// Éditeur sans fenêtre : vraies réponses par la saisie, vrai modèle peint au clavier et à la souris, génération,
// sauvegarde sur disque, à travers les récepteurs du mode ; bruitages comptés au passage.
#include "bruitages_pkg.hpp"
#include "controleur_editeur_pkg.hpp"
#include "controleur_libre_pkg.hpp"
#include "controleur_pkg.hpp"

#include "../modele/outils_modele.hpp"
#include "../vue/evenements_de_test.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace editeur = controleur_editeur_pkg;
namespace touches = evenement_pkg::touches;
using case_simple_pkg::coordonnees;
using controleur_pkg::etat_principal;
using editeur::demande_info;
using evenement_pkg::evenement;
using namespace evenements_de_test;

evenement nomme_avec(const std::string& nom, evenement_pkg::donnee_evenement donnee) {
    return gestion_evenements_pkg::obtenir_evenement_nomme(nom, 0, std::move(donnee));
}

struct Editeur : testing::Test {
    outils_modele::repertoire_temporaire racine;
    chaine_de_test chaine;

    void SetUp() override {
        std::filesystem::create_directories("grilles_personnelles");
        controleur_pkg::modifier_etat(etat_principal::EDITEUR);
        editeur::controleur().preparer_image();
    }
    void TearDown() override {
        editeur::reset_editeur();
        controleur_pkg::modifier_etat(etat_principal::MENU);
    }

    // La réponse tapée dans la saisie, puis Entrée ; l'image suivante est préparée comme la boucle le ferait.
    void taper(const std::string& reponse) {
        chaine.envoyer(saisie(reponse));
        chaine.envoyer(touche(touches::ENTREE));
        editeur::controleur().preparer_image();
    }
    // La réponse telle que la saisie la rend, sans passer par ce qu'elle laisse taper.
    void valider(const std::string& reponse) {
        chaine.envoyer(nomme_avec("valider_ecriture", reponse));
        editeur::controleur().preparer_image();
    }
    static bool erreur_montree() { return editeur::controleur().obtenir_accueil()->mess_erreur_etat(); }
    static ecriture_3d_pkg::ecriture_affichable& saisie_ouverte() {
        return editeur::controleur().obtenir_accueil()->obtenir_ecriture();
    }
};

// Le modèle construit à la première image après les trois réponses, sur une grille de 4 × 4.
struct Dessin : Editeur {
    void SetUp() override {
        Editeur::SetUp();
        taper("4");
        taper("4");
        taper("Fusée");
        ASSERT_TRUE(editeur::controleur().obtenir_editeur());
    }
    static editeur_pkg::editeur& modele() { return *editeur::controleur().obtenir_editeur(); }
    static coordonnees curseur() { return modele().obtenir_curseur(); }
    static bool peinte(coordonnees c) { return modele().obtenir_grille()->rend_case(c)->est_occupe(); }
    static int peintes() {
        int n = 0;
        for (int x = 1; x <= 4; ++x) {
            for (int y = 1; y <= 4; ++y) n += peinte({x, y}) ? 1 : 0;
        }
        return n;
    }
    static int chemins_solution() {
        return grille_pkg::listes_chemins::taille_liste(modele().obtenir_grille()->obtenir_solution());
    }
    void aller(coordonnees c) { chaine.envoyer(nomme_avec("deplacer_curseur", c)); }
};

using Generee = Dessin;

TEST_F(Editeur, ChaqueReponseEstJugeeSelonSaQuestion) {
    racine.ecrire("grilles_personnelles/abc.xml", outils_modele::grille_essai_4x4);
    racine.ecrire("grilles_personnelles/Fusée.xml", outils_modele::grille_essai_4x4);
    struct cas {
        demande_info question;
        std::string reponse;
        bool acceptee;
    };
    const std::vector<cas> table = {
        {demande_info::QTAILLE, "2", true},          {demande_info::QTAILLE, "42", true},
        {demande_info::QTAILLE, "0042", true},       {demande_info::QTAILLE, "1", false},
        {demande_info::QTAILLE, "43", false},        {demande_info::QTAILLE, "", false},
        {demande_info::QTAILLE, "+5", false},        {demande_info::QTAILLE, " 5", false},
        {demande_info::QTAILLE, "4a", false},        {demande_info::QTAILLE, "12345", false},
        {demande_info::QTAILLE, "00002", false},     {demande_info::QTAILLE, "-3", false},
        {demande_info::QCOMPLEXITE, "4", true},      {demande_info::QCOMPLEXITE, "14", true},
        {demande_info::QCOMPLEXITE, "0009", true},   {demande_info::QCOMPLEXITE, "3", false},
        {demande_info::QCOMPLEXITE, "15", false},    {demande_info::QCOMPLEXITE, "neuf", false},
        {demande_info::QNOM, "Fusee", true},         {demande_info::QNOM, "abcdefghijklmno", true},
        {demande_info::QNOM, "éèàùçÉÈÀÙÇêâîôû", true},  // quinze caractères, trente octets
        {demande_info::QNOM, "", false},             {demande_info::QNOM, " Fusee", false},
        {demande_info::QNOM, "abcdefghijklmnop", false},
        {demande_info::QNOM, "abc", false},          {demande_info::QNOM, "ABC", false},
        {demande_info::QNOM, "a bc", false},         // son fichier serait abc.xml
        {demande_info::QNOM, "FUSÉE", false},        {demande_info::QNOM, "abcd", true},
        {demande_info::QNOM, "a/b", false},          {demande_info::QNOM, ".cache", false},
    };
    for (const cas& c : table) {
        SCOPED_TRACE(c.reponse);
        editeur::reset_editeur();
        editeur::controleur().preparer_image();
        if (c.question != demande_info::QTAILLE) valider("10");
        if (c.question == demande_info::QNOM) valider("9");
        ASSERT_EQ(editeur::obtenir_etat(), c.question);
        valider(c.reponse);
        if (c.question == demande_info::QNOM) {
            EXPECT_EQ(editeur::controleur().est_actif(), c.acceptee);
            EXPECT_EQ(editeur::controleur().obtenir_editeur() != nullptr, c.acceptee);
        } else {
            EXPECT_EQ(editeur::obtenir_etat() != c.question, c.acceptee);
        }
        if (!c.acceptee) {
            EXPECT_EQ(editeur::obtenir_etat(), c.question);
            EXPECT_TRUE(erreur_montree());
            EXPECT_TRUE(saisie_ouverte().est_actif()) << "la même question se pose de nouveau, champ vide";
            EXPECT_EQ(saisie_ouverte().obtenir_texte(), "");
        }
    }
    editeur::reset_editeur();
    editeur::controleur().preparer_image();
    valider("0042");
    valider("0009");
    valider("Très grande");
    EXPECT_EQ(editeur::obtenir_taille(), 42);
    EXPECT_EQ(editeur::obtenir_complexite(), 9);
    EXPECT_EQ(editeur::obtenir_nom(), "Très grande");
}

TEST_F(Editeur, EchapRevientDUneQuestionPuisAuMenuEtLaVisiteSuivanteRepartDuChampVide) {
    taper("12");
    valider("3");
    ASSERT_TRUE(erreur_montree());
    chaine.envoyer(touche(touches::ECHAP));
    EXPECT_EQ(editeur::obtenir_etat(), demande_info::QTAILLE);
    EXPECT_FALSE(erreur_montree());
    EXPECT_EQ(saisie_ouverte().obtenir_texte(), "");
    EXPECT_EQ(editeur::obtenir_taille(), 12) << "la taille acceptée reste en vigueur";

    taper("9");
    taper("5");
    ASSERT_EQ(editeur::obtenir_etat(), demande_info::QNOM);
    chaine.envoyer(nomme("ecriture_precedent"));  // le bouton « precedent » de la saisie
    EXPECT_EQ(editeur::obtenir_etat(), demande_info::QCOMPLEXITE);
    chaine.envoyer(touche(touches::ECHAP));
    chaine.envoyer(touche(touches::ECHAP));
    EXPECT_EQ(controleur_pkg::obtenir_etat(), etat_principal::MENU);
    EXPECT_EQ(chaine_de_test::recepteurs().size(), 3u) << "seuls les récepteurs du menu restent";

    const auto accueil = editeur::controleur().obtenir_accueil();
    controleur_pkg::modifier_etat(etat_principal::EDITEUR);
    editeur::controleur().preparer_image();
    EXPECT_EQ(editeur::controleur().obtenir_accueil(), accueil);
    EXPECT_EQ(editeur::obtenir_etat(), demande_info::QTAILLE);
    EXPECT_EQ(saisie_ouverte().obtenir_texte(), "");
}

TEST_F(Dessin, LaGrilleToutePeinteSeRepeintAuClavierEtLeCurseurResteDedans) {
    EXPECT_EQ(peintes(), 16);
    EXPECT_EQ(curseur(), (coordonnees{1, 1}));
    EXPECT_TRUE(editeur::controleur().obtenir_affichage()->curseur_est_montre());

    chaine.envoyer(touche(touches::ESPACE));
    EXPECT_FALSE(peinte({1, 1}));
    chaine.envoyer(touche(touches::ESPACE));
    EXPECT_TRUE(peinte({1, 1}));
    chaine.envoyer(touche(touches::RETOUR_ARRIERE));
    chaine.envoyer(touche(touches::RETOUR_ARRIERE));
    EXPECT_FALSE(peinte({1, 1})) << "retour arrière ne fait que décolorier";

    struct pas {
        coordonnees depart;
        std::int32_t fleche;
        coordonnees arrivee;
    };
    const std::vector<pas> pas_essayes = {
        {{1, 1}, touches::GAUCHE, {1, 1}}, {{1, 1}, touches::BAS, {1, 1}}, {{4, 4}, touches::DROITE, {4, 4}},
        {{4, 4}, touches::HAUT, {4, 4}},   {{2, 2}, touches::DROITE, {3, 2}}, {{2, 2}, touches::HAUT, {2, 3}},
        {{2, 2}, touches::GAUCHE, {1, 2}}, {{2, 2}, touches::BAS, {2, 1}},
    };
    for (const pas& p : pas_essayes) {
        aller(p.depart);
        const auto sons = bruitages_pkg::obtenir_comptes();
        EXPECT_TRUE(chaine.envoyer(touche(p.fleche)));
        EXPECT_EQ(curseur(), p.arrivee);
        const bool refuse = p.depart == p.arrivee;
        EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur + (refuse ? 1 : 0));
        EXPECT_EQ(bruitages_pkg::obtenir_comptes().deplacement, sons.deplacement + (refuse ? 0 : 1));
    }
    EXPECT_EQ(peintes(), 15);
}

TEST_F(Dessin, UnClicChangeLaCaseEtUnGlissementChaqueCaseTraverseeMemeSauteeParUnGesteRapide) {
    aller({2, 2});
    chaine.envoyer(nomme("appuie"));
    EXPECT_FALSE(peinte({2, 2}));
    chaine.envoyer(nomme("valider"));  // le relâchement du bouton gauche : rien de plus
    EXPECT_FALSE(peinte({2, 2}));

    // Appui en (1, 4), puis glissement sur la ligne du haut jusqu'en (4, 4) : (2, 4) et (3, 4) n'ont pas été vues.
    aller({1, 4});
    chaine.envoyer(nomme("appuie"));
    chaine.envoyer(nomme_avec("glisser", coordonnees{4, 4}));
    for (int x = 1; x <= 4; ++x) EXPECT_FALSE(peinte({x, 4})) << x;
    EXPECT_EQ(curseur(), (coordonnees{4, 4}));
    // Le glissement continue vers le bas, puis revient sur une case déjà traversée : elle change de nouveau.
    chaine.envoyer(nomme_avec("glisser", coordonnees{4, 3}));
    chaine.envoyer(nomme_avec("glisser", coordonnees{4, 4}));
    EXPECT_FALSE(peinte({4, 3}));
    EXPECT_TRUE(peinte({4, 4}));
    EXPECT_EQ(peintes(), 16 - 1 - 3 - 1);

    // Sans appui avant lui (bouton enfoncé hors de la grille), un glissement ne change que la case atteinte.
    aller({1, 1});
    chaine.envoyer(nomme_avec("glisser", coordonnees{3, 1}));
    EXPECT_TRUE(peinte({1, 1}) && peinte({2, 1}));
    EXPECT_FALSE(peinte({3, 1}));
}

TEST_F(Dessin, EntreeGenereUneFoisPuisDessinCurseurEtGenerationSontBloques) {
    for (const evenement& avant : {touche('s'), nomme("bouton_sauvegarder")}) {
        EXPECT_TRUE(chaine.envoyer(avant));
    }
    EXPECT_TRUE(std::filesystem::is_empty("grilles_personnelles")) << "rien à sauvegarder avant la génération";

    aller({2, 3});
    chaine.envoyer(touche(touches::RETOUR_ARRIERE));
    EXPECT_TRUE(chaine.envoyer(touche(touches::ENTREE)));
    EXPECT_FALSE(editeur::deplacement_possible());
    EXPECT_EQ(peintes(), 0) << "le dessin ne survit que dans la solution";
    const int chemins = chemins_solution();
    int cases = 0;
    for (auto l = modele().obtenir_grille()->obtenir_solution(); !grille_pkg::listes_chemins::est_vide(l);
         l = grille_pkg::listes_chemins::get_suiv(l)) {
        cases += grille_pkg::listes_chemins::get_elem(l)->longueur();
    }
    EXPECT_EQ(cases, 15);
    EXPECT_NE(editeur::controleur().obtenir_verdict(), editeur::verdict::aucun);
    editeur::controleur().preparer_image();
    EXPECT_FALSE(editeur::controleur().obtenir_affichage()->curseur_est_montre());

    for (const evenement& bloque :
         {touche(touches::ENTREE), touche(touches::ESPACE), touche(touches::RETOUR_ARRIERE), touche(touches::GAUCHE),
          touche('l'), touche('x'), nomme("bouton_generer"), nomme("appuie"), nomme("bouton_zoom"),
          nomme_avec("glisser", coordonnees{1, 1}), nomme_avec("deplacer_curseur", coordonnees{1, 1})}) {
        EXPECT_FALSE(chaine.envoyer(bloque)) << bloque.touche << bloque.nom << " passe aux récepteurs suivants";
    }
    EXPECT_EQ(chemins_solution(), chemins) << "une seule génération";
    EXPECT_EQ(curseur(), (coordonnees{2, 3}));
    EXPECT_EQ(peintes(), 0);
}

TEST_F(Dessin, UnDessinSansCasePeinteNeSeGenerePasEtResteADessiner) {
    for (int x = 1; x <= 4; ++x) {
        for (int y = 1; y <= 4; ++y) {
            aller({x, y});
            chaine.envoyer(touche(touches::RETOUR_ARRIERE));
        }
    }
    ASSERT_EQ(peintes(), 0);
    const auto sons = bruitages_pkg::obtenir_comptes();
    EXPECT_TRUE(chaine.envoyer(touche(touches::ENTREE)));
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur + 1);
    EXPECT_TRUE(editeur::deplacement_possible()) << "le dessin reste ouvert";
    EXPECT_EQ(chemins_solution(), 0);
    chaine.envoyer(touche('s'));
    EXPECT_TRUE(std::filesystem::is_empty("grilles_personnelles")) << "rien de généré, rien d'écrit";

    aller({2, 2});
    chaine.envoyer(touche(touches::ESPACE));
    chaine.envoyer(touche(touches::ENTREE));
    EXPECT_FALSE(editeur::deplacement_possible());
    EXPECT_EQ(chemins_solution(), 1) << "une case peinte suffit : un chemin d'une case";
}

TEST_F(Generee, SauvegarderEcritLaGrillePersonnelleQueLAccueilDuJeuLibreMontreAussitot) {
    // L'accueil du jeu libre existe, mais ses récepteurs ne sont pas dans la chaîne : on est dans l'éditeur.
    controleur_libre_pkg::ouvrir_accueil();
    controleur_libre_pkg::desactiver();
    auto& liste = controleur_libre_pkg::obtenir_accueil()->obtenir_la_liste_perso();
    ASSERT_EQ(liste.nombre_donnees(), 0);
    chaine.envoyer(touche(touches::ENTREE));
    chaine.envoyer(touche('s'));
    EXPECT_EQ(editeur::controleur().obtenir_sauvegarde(), editeur::sauvegarde::reussie);
    ASSERT_TRUE(std::filesystem::exists("grilles_personnelles/Fusée.xml"));
    EXPECT_EQ(liste.nombre_donnees(), 1);
    EXPECT_EQ(liste.obtenir_nom_courant(), "Fusée.xml");
    const std::string premiere = racine.lire("grilles_personnelles/Fusée.xml");
    chaine.envoyer(nomme("bouton_sauvegarder"));
    EXPECT_EQ(racine.lire("grilles_personnelles/Fusée.xml"), premiere) << "sauvegarder deux fois écrit le même fichier";
    EXPECT_EQ(liste.nombre_donnees(), 1);

    // La grille sauvegardée se joue en jeu libre : chargée par le jeu, avec la solution de l'éditeur.
    controleur_libre_pkg::resetlibre();
    controleur_libre_pkg::choisir_compte("Fusée.xml");
    controleur_libre_pkg::activer();
    ASSERT_TRUE(controleur_libre_pkg::obtenir_partie());
    EXPECT_EQ(controleur_libre_pkg::obtenir_nom_grille(), "Fusée");
    EXPECT_EQ(grille_pkg::listes_chemins::taille_liste(
                  controleur_libre_pkg::obtenir_partie()->obtenir_grille()->obtenir_solution()),
              chemins_solution());
    controleur_libre_pkg::resetlibre();
}

// Le répertoire des grilles personnelles a disparu sous un fichier du même nom : aucune écriture possible, même
// pour l'administrateur.
TEST_F(Generee, UneSauvegardeImpossibleEstSignaleeEtLaGrilleResteAEditer) {
    chaine.envoyer(touche(touches::ENTREE));
    const auto modele_avant = editeur::controleur().obtenir_editeur();
    std::filesystem::remove_all("grilles_personnelles");
    racine.ecrire("grilles_personnelles", "pas un répertoire");
    const auto sons = bruitages_pkg::obtenir_comptes();

    testing::internal::CaptureStdout();
    EXPECT_TRUE(chaine.envoyer(touche('s')));
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_NE(sortie.find("Sauvegarde de la grille Fusée impossible"), std::string::npos) << sortie;
    EXPECT_EQ(editeur::controleur().obtenir_sauvegarde(), editeur::sauvegarde::echouee);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur + 1);
    EXPECT_EQ(editeur::controleur().obtenir_editeur(), modele_avant);
    EXPECT_TRUE(editeur::controleur().est_actif());
    editeur::controleur().preparer_image();
    EXPECT_EQ(editeur::controleur().obtenir_affichage()->obtenir_panneau_droit()->obtenir_sauvegarde()->obtenir_texte(),
              "Échec sauvegarde");

    // Le répertoire revenu, la même grille s'écrit.
    std::filesystem::remove("grilles_personnelles");
    std::filesystem::create_directory("grilles_personnelles");
    chaine.envoyer(touche('s'));
    EXPECT_TRUE(std::filesystem::exists("grilles_personnelles/Fusée.xml"));
    EXPECT_EQ(editeur::controleur().obtenir_sauvegarde(), editeur::sauvegarde::reussie);
}

TEST_F(Dessin, RetourAuMenuPuisRetourReprendLaMemeGrilleDansLaMemePhase) {
    for (const bool generer : {false, true}) {
        SCOPED_TRACE(generer ? "grille générée" : "pendant le dessin");
        if (generer) chaine.envoyer(touche(touches::ENTREE));
        chaine.envoyer(touche(touches::ESPACE));
        const auto modele_avant = editeur::controleur().obtenir_editeur();
        const int peintes_avant = peintes();
        chaine.envoyer(nomme("bouton_menu"));
        EXPECT_EQ(controleur_pkg::obtenir_etat(), etat_principal::MENU);
        EXPECT_FALSE(editeur::controleur().est_actif());

        controleur_pkg::modifier_etat(etat_principal::EDITEUR);
        EXPECT_TRUE(editeur::controleur().est_actif());
        editeur::controleur().preparer_image();
        EXPECT_EQ(editeur::controleur().obtenir_editeur(), modele_avant);
        EXPECT_EQ(editeur::deplacement_possible(), !generer);
        EXPECT_EQ(peintes(), peintes_avant);
    }
}

TEST_F(Dessin, AbandonEtNouveauRepartentDesQuestionsMaisPasLeRetourAuMenu) {
    struct cas {
        evenement e;
        etat_principal mode_apres;
    };
    const std::vector<cas> table = {
        {touche(touches::ECHAP), etat_principal::MENU}, {touche('b'), etat_principal::MENU},
        {nomme("bouton_abandonner"), etat_principal::MENU}, {touche('n'), etat_principal::EDITEUR},
        {nomme("bouton_initialiser"), etat_principal::EDITEUR},
    };
    for (const bool generer : {false, true}) {
        for (const cas& c : table) {
            SCOPED_TRACE(c.e.nom + std::to_string(c.e.touche) + (generer ? " après génération" : ""));
            controleur_pkg::modifier_etat(etat_principal::EDITEUR);
            editeur::controleur().preparer_image();
            if (!editeur::controleur().obtenir_editeur()) {
                taper("4");
                taper("4");
                taper("Fusée");
            }
            if (generer) chaine.envoyer(touche(touches::ENTREE));
            EXPECT_TRUE(chaine.envoyer(c.e));
            EXPECT_EQ(controleur_pkg::obtenir_etat(), c.mode_apres);
            EXPECT_FALSE(editeur::controleur().obtenir_editeur());
            controleur_pkg::modifier_etat(etat_principal::EDITEUR);
            editeur::controleur().preparer_image();
            EXPECT_EQ(editeur::obtenir_etat(), demande_info::QTAILLE);
            EXPECT_FALSE(editeur::controleur().est_actif());
        }
    }
}

TEST(JugerUnicite, UneOuPlusieursSolutionsSelonLesCasesTerminales) {
    using outils_modele::grille_avec;
    // Quatre « 2 » aux coins d'un carré : on les relie par lignes ou par colonnes.
    EXPECT_EQ(editeur::juger_unicite(*grille_avec(2, {{1, 1, 2}, {1, 2, 2}, {2, 1, 2}, {2, 2, 2}})),
              editeur::verdict::plusieurs);
    EXPECT_EQ(editeur::juger_unicite(*grille_avec(3, {{1, 1, 3}, {3, 1, 3}, {2, 3, 1}})), editeur::verdict::unique);
}

} // namespace
