// Éditeur sans fenêtre : vraies réponses par la saisie, vrai modèle peint au clavier et à la souris, génération,
// sauvegarde sur disque, à travers les récepteurs du mode ; bruitages comptés au passage.
#include "banc_application.hpp"
#include "bruitages_pkg.hpp"
#include "controleur_editeur_pkg.hpp"
#include "controleur_libre_pkg.hpp"

#include "../modele/outils_modele.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace editeur = controleur_editeur_pkg;
namespace touches = evenement_pkg::touches;
using case_simple_pkg::coordonnees;
using banc_application::etat_principal;
using editeur::demande_info;
using evenement_pkg::evenement;
using namespace evenements_de_test;

evenement nomme_avec(const std::string& nom, evenement_pkg::donnee_evenement donnee) {
    return evenement_pkg::nomme(nom, std::move(donnee));
}

// L'éditeur, mode courant, dans une racine de données jetable.
struct Editeur : testing::Test {
    outils_modele::repertoire_temporaire racine;
    banc_application::banc banc;

    void SetUp() override {
        std::filesystem::create_directories("grilles_personnelles");
        banc.aller_a(etat_principal::EDITEUR);
    }

    editeur::controleur_editeur& mode() { return banc.mode<editeur::controleur_editeur>(etat_principal::EDITEUR); }
    bool envoyer(evenement e) { return banc.envoyer(std::move(e)); }
    // La réponse tapée dans la saisie, puis Entrée ; l'image suivante est préparée comme la boucle le ferait.
    void taper(const std::string& reponse) {
        envoyer(saisie(reponse));
        envoyer(touche(touches::ENTREE));
        mode().tic();
    }
    // La réponse telle que la saisie la rend, sans passer par ce qu'elle laisse taper.
    void valider(const std::string& reponse) {
        envoyer(nomme_avec("valider_ecriture", reponse));
        mode().tic();
    }
    bool erreur_montree() { return mode().obtenir_accueil()->mess_erreur_etat(); }
    ecriture_3d_pkg::ecriture_affichable& saisie_ouverte() { return mode().obtenir_accueil()->obtenir_ecriture(); }
};

// Le modèle construit à la première image après les trois réponses, sur une grille de 4 × 4.
struct Dessin : Editeur {
    void SetUp() override {
        Editeur::SetUp();
        taper("4");
        taper("4");
        taper("Fusée");
        ASSERT_TRUE(mode().obtenir_editeur());
    }
    editeur_pkg::editeur& modele() { return *mode().obtenir_editeur(); }
    coordonnees curseur() { return modele().obtenir_curseur(); }
    bool peinte(coordonnees c) { return modele().obtenir_grille()->rend_case(c)->est_occupe(); }
    int peintes() {
        int n = 0;
        for (int x = 1; x <= 4; ++x) {
            for (int y = 1; y <= 4; ++y) n += peinte({x, y}) ? 1 : 0;
        }
        return n;
    }
    int chemins_solution() {
        return grille_pkg::listes_chemins::taille_liste(modele().obtenir_grille()->obtenir_solution());
    }
    void aller(coordonnees c) { envoyer(nomme_avec("deplacer_curseur", c)); }
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
        mode().recommencer();
        if (c.question != demande_info::QTAILLE) valider("10");
        if (c.question == demande_info::QNOM) valider("9");
        ASSERT_EQ(mode().obtenir_etat(), c.question);
        valider(c.reponse);
        if (c.question == demande_info::QNOM) {
            EXPECT_EQ(mode().est_actif(), c.acceptee);
            EXPECT_EQ(mode().obtenir_editeur() != nullptr, c.acceptee);
        } else {
            EXPECT_EQ(mode().obtenir_etat() != c.question, c.acceptee);
        }
        if (!c.acceptee) {
            EXPECT_EQ(mode().obtenir_etat(), c.question);
            EXPECT_TRUE(erreur_montree());
            EXPECT_TRUE(mode().saisie_est_ouverte()) << "la même question se pose de nouveau, champ vide";
            EXPECT_EQ(saisie_ouverte().obtenir_texte(), "");
        }
    }
    mode().recommencer();
    valider("0042");
    valider("0009");
    valider("Très grande");
    EXPECT_EQ(mode().obtenir_taille(), 42);
    EXPECT_EQ(mode().obtenir_complexite(), 9);
    EXPECT_EQ(mode().obtenir_nom(), "Très grande");
}

TEST_F(Editeur, EchapRevientDUneQuestionPuisAuMenuEtLaVisiteSuivanteRepartDuChampVide) {
    taper("12");
    valider("3");
    ASSERT_TRUE(erreur_montree());
    envoyer(touche(touches::ECHAP));
    EXPECT_EQ(mode().obtenir_etat(), demande_info::QTAILLE);
    EXPECT_FALSE(erreur_montree());
    EXPECT_EQ(saisie_ouverte().obtenir_texte(), "");
    EXPECT_EQ(mode().obtenir_taille(), 12) << "la taille acceptée reste en vigueur";

    taper("9");
    taper("5");
    ASSERT_EQ(mode().obtenir_etat(), demande_info::QNOM);
    envoyer(nomme("ecriture_precedent"));  // le bouton « precedent » de la saisie
    EXPECT_EQ(mode().obtenir_etat(), demande_info::QCOMPLEXITE);
    envoyer(touche(touches::ECHAP));
    envoyer(touche(touches::ECHAP));
    EXPECT_EQ(banc.etat(), etat_principal::MENU);
    EXPECT_TRUE(mode().chaine().recepteurs().empty()) << "les récepteurs de l'éditeur sont partis";

    const auto accueil = mode().obtenir_accueil();
    banc.aller_a(etat_principal::EDITEUR);
    mode().tic();
    EXPECT_EQ(mode().obtenir_accueil(), accueil);
    EXPECT_EQ(mode().obtenir_etat(), demande_info::QTAILLE);
    EXPECT_EQ(saisie_ouverte().obtenir_texte(), "");
}

TEST_F(Dessin, LaGrilleToutePeinteSeRepeintAuClavierEtLeCurseurResteDedans) {
    EXPECT_EQ(peintes(), 16);
    EXPECT_EQ(curseur(), (coordonnees{1, 1}));
    EXPECT_TRUE(mode().obtenir_affichage()->curseur_est_montre());

    envoyer(touche(touches::ESPACE));
    EXPECT_FALSE(peinte({1, 1}));
    envoyer(touche(touches::ESPACE));
    EXPECT_TRUE(peinte({1, 1}));
    envoyer(touche(touches::RETOUR_ARRIERE));
    envoyer(touche(touches::RETOUR_ARRIERE));
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
        EXPECT_TRUE(envoyer(touche(p.fleche)));
        EXPECT_EQ(curseur(), p.arrivee);
        const bool refuse = p.depart == p.arrivee;
        EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur + (refuse ? 1 : 0));
        EXPECT_EQ(bruitages_pkg::obtenir_comptes().deplacement, sons.deplacement + (refuse ? 0 : 1));
    }
    EXPECT_EQ(peintes(), 15);
}

TEST_F(Dessin, UnClicChangeLaCaseEtUnGlissementChaqueCaseTraverseeMemeSauteeParUnGesteRapide) {
    aller({2, 2});
    envoyer(nomme("appuie"));
    EXPECT_FALSE(peinte({2, 2}));
    envoyer(nomme("valider"));  // le relâchement du bouton gauche : rien de plus
    EXPECT_FALSE(peinte({2, 2}));

    // Appui en (1, 4), puis glissement sur la ligne du haut jusqu'en (4, 4) : (2, 4) et (3, 4) n'ont pas été vues.
    aller({1, 4});
    envoyer(nomme("appuie"));
    envoyer(nomme_avec("glisser", coordonnees{4, 4}));
    for (int x = 1; x <= 4; ++x) EXPECT_FALSE(peinte({x, 4})) << x;
    EXPECT_EQ(curseur(), (coordonnees{4, 4}));
    // Le glissement continue vers le bas, puis revient sur une case déjà traversée : elle change de nouveau.
    envoyer(nomme_avec("glisser", coordonnees{4, 3}));
    envoyer(nomme_avec("glisser", coordonnees{4, 4}));
    EXPECT_FALSE(peinte({4, 3}));
    EXPECT_TRUE(peinte({4, 4}));
    EXPECT_EQ(peintes(), 16 - 1 - 3 - 1);

    // Sans appui avant lui (bouton enfoncé hors de la grille), un glissement ne change que la case atteinte.
    aller({1, 1});
    envoyer(nomme_avec("glisser", coordonnees{3, 1}));
    EXPECT_TRUE(peinte({1, 1}) && peinte({2, 1}));
    EXPECT_FALSE(peinte({3, 1}));
}

TEST_F(Dessin, EntreeGenereUneFoisPuisDessinCurseurEtGenerationSontBloques) {
    for (const evenement& avant : {touche('s'), nomme("bouton_sauvegarder")}) {
        EXPECT_TRUE(envoyer(avant));
    }
    EXPECT_TRUE(std::filesystem::is_empty("grilles_personnelles")) << "rien à sauvegarder avant la génération";

    aller({2, 3});
    envoyer(touche(touches::RETOUR_ARRIERE));
    EXPECT_TRUE(envoyer(touche(touches::ENTREE)));
    EXPECT_FALSE(mode().deplacement_possible());
    EXPECT_EQ(peintes(), 0) << "le dessin ne survit que dans la solution";
    const int chemins = chemins_solution();
    int cases = 0;
    for (auto l = modele().obtenir_grille()->obtenir_solution(); !grille_pkg::listes_chemins::est_vide(l);
         l = grille_pkg::listes_chemins::get_suiv(l)) {
        cases += grille_pkg::listes_chemins::get_elem(l)->longueur();
    }
    EXPECT_EQ(cases, 15);
    EXPECT_NE(mode().obtenir_verdict(), editeur::verdict::aucun);
    mode().tic();
    EXPECT_FALSE(mode().obtenir_affichage()->curseur_est_montre());

    for (const evenement& bloque :
         {touche(touches::ENTREE), touche(touches::ESPACE), touche(touches::RETOUR_ARRIERE), touche(touches::GAUCHE),
          touche('l'), touche('x'), nomme("bouton_generer"), nomme("appuie"), nomme("bouton_zoom"),
          nomme_avec("glisser", coordonnees{1, 1}), nomme_avec("deplacer_curseur", coordonnees{1, 1})}) {
        EXPECT_FALSE(envoyer(bloque)) << bloque.touche << bloque.nom << " passe aux récepteurs suivants";
    }
    EXPECT_EQ(chemins_solution(), chemins) << "une seule génération";
    EXPECT_EQ(curseur(), (coordonnees{2, 3}));
    EXPECT_EQ(peintes(), 0);
}

TEST_F(Dessin, UnDessinSansCasePeinteNeSeGenerePasEtResteADessiner) {
    for (int x = 1; x <= 4; ++x) {
        for (int y = 1; y <= 4; ++y) {
            aller({x, y});
            envoyer(touche(touches::RETOUR_ARRIERE));
        }
    }
    ASSERT_EQ(peintes(), 0);
    const auto sons = bruitages_pkg::obtenir_comptes();
    EXPECT_TRUE(envoyer(touche(touches::ENTREE)));
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur + 1);
    EXPECT_TRUE(mode().deplacement_possible()) << "le dessin reste ouvert";
    EXPECT_EQ(chemins_solution(), 0);
    envoyer(touche('s'));
    EXPECT_TRUE(std::filesystem::is_empty("grilles_personnelles")) << "rien de généré, rien d'écrit";

    aller({2, 2});
    envoyer(touche(touches::ESPACE));
    envoyer(touche(touches::ENTREE));
    EXPECT_FALSE(mode().deplacement_possible());
    EXPECT_EQ(chemins_solution(), 1) << "une case peinte suffit : un chemin d'une case";
}

TEST_F(Generee, SauvegarderEcritLaGrillePersonnelleQueLeJeuLibreMontreALaVisiteSuivante) {
    auto& libre = banc.mode<controleur_libre_pkg::controleur_libre>(etat_principal::LIBRE);
    const auto visiter_le_jeu_libre = [&] {
        banc.aller_a(etat_principal::MENU);
        banc.aller_a(etat_principal::LIBRE);
    };
    visiter_le_jeu_libre();
    auto& liste = libre.obtenir_accueil()->obtenir_la_liste_perso();
    ASSERT_EQ(liste.nombre_donnees(), 0);
    banc.aller_a(etat_principal::MENU);
    banc.aller_a(etat_principal::EDITEUR);
    envoyer(touche(touches::ENTREE));
    envoyer(touche('s'));
    EXPECT_EQ(mode().obtenir_sauvegarde(), editeur::sauvegarde::reussie);
    ASSERT_TRUE(std::filesystem::exists("grilles_personnelles/Fusée.xml"));
    const std::string premiere = racine.lire("grilles_personnelles/Fusée.xml");
    envoyer(nomme("bouton_sauvegarder"));
    EXPECT_EQ(racine.lire("grilles_personnelles/Fusée.xml"), premiere) << "sauvegarder deux fois écrit le même fichier";

    visiter_le_jeu_libre();
    EXPECT_EQ(liste.nombre_donnees(), 1);
    EXPECT_EQ(liste.obtenir_nom_courant(), "Fusée.xml");

    // La grille sauvegardée se joue en jeu libre : chargée par le jeu, avec la solution de l'éditeur.
    libre.choisir_perso("Fusée.xml");
    ASSERT_TRUE(libre.obtenir_partie());
    EXPECT_EQ(libre.obtenir_nom_grille(), "Fusée");
    EXPECT_EQ(grille_pkg::listes_chemins::taille_liste(libre.obtenir_partie()->obtenir_grille()->obtenir_solution()),
              chemins_solution());
}

// Le répertoire des grilles personnelles a disparu sous un fichier du même nom : aucune écriture possible, même
// pour l'administrateur.
TEST_F(Generee, UneSauvegardeImpossibleEstSignaleeEtLaGrilleResteAEditer) {
    envoyer(touche(touches::ENTREE));
    const auto modele_avant = mode().obtenir_editeur();
    std::filesystem::remove_all("grilles_personnelles");
    racine.ecrire("grilles_personnelles", "pas un répertoire");
    const auto sons = bruitages_pkg::obtenir_comptes();

    testing::internal::CaptureStdout();
    EXPECT_TRUE(envoyer(touche('s')));
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_NE(sortie.find("Sauvegarde de la grille Fusée impossible"), std::string::npos) << sortie;
    EXPECT_EQ(mode().obtenir_sauvegarde(), editeur::sauvegarde::echouee);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur + 1);
    EXPECT_EQ(mode().obtenir_editeur(), modele_avant);
    EXPECT_TRUE(mode().est_actif());
    mode().tic();
    EXPECT_EQ(mode().obtenir_affichage()->obtenir_panneau_droit()->obtenir_sauvegarde()->obtenir_texte(),
              "Échec sauvegarde");

    // Le répertoire revenu, la même grille s'écrit.
    std::filesystem::remove("grilles_personnelles");
    std::filesystem::create_directory("grilles_personnelles");
    envoyer(touche('s'));
    EXPECT_TRUE(std::filesystem::exists("grilles_personnelles/Fusée.xml"));
    EXPECT_EQ(mode().obtenir_sauvegarde(), editeur::sauvegarde::reussie);
}

TEST_F(Dessin, RetourAuMenuPuisRetourReprendLaMemeGrilleDansLaMemePhase) {
    for (const bool generer : {false, true}) {
        SCOPED_TRACE(generer ? "grille générée" : "pendant le dessin");
        if (generer) envoyer(touche(touches::ENTREE));
        envoyer(touche(touches::ESPACE));
        const auto modele_avant = mode().obtenir_editeur();
        const int peintes_avant = peintes();
        envoyer(nomme("bouton_menu"));
        EXPECT_EQ(banc.etat(), etat_principal::MENU);
        EXPECT_FALSE(mode().est_actif());

        banc.aller_a(etat_principal::EDITEUR);
        EXPECT_TRUE(mode().est_actif());
        mode().tic();
        EXPECT_EQ(mode().obtenir_editeur(), modele_avant);
        EXPECT_EQ(mode().deplacement_possible(), !generer);
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
            banc.aller_a(etat_principal::EDITEUR);
            mode().tic();
            if (!mode().obtenir_editeur()) {
                taper("4");
                taper("4");
                taper("Fusée");
            }
            if (generer) envoyer(touche(touches::ENTREE));
            EXPECT_TRUE(envoyer(c.e));
            EXPECT_EQ(banc.etat(), c.mode_apres);
            EXPECT_FALSE(mode().obtenir_editeur());
            banc.aller_a(etat_principal::EDITEUR);
            mode().tic();
            EXPECT_EQ(mode().obtenir_etat(), demande_info::QTAILLE);
            EXPECT_FALSE(mode().est_actif());
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
