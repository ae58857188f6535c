// Grilles libres sans fenêtre : vraie partie sur une petite grille écrite sur disque, événements synthétiques
// à travers les récepteurs du mode, bruitages comptés au passage.
#include "banc_application.hpp"
#include "bruitages_pkg.hpp"
#include "controleur_libre_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "parties_libres_pkg.hpp"

#include "../modele/outils_modele.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace libre = controleur_libre_pkg;
using case_simple_pkg::coordonnees;
using evenement_pkg::evenement;
namespace touches = evenement_pkg::touches;


using banc_application::etat_principal;
using evenements_de_test::nomme;
using evenements_de_test::touche;

evenement souris_appuie(std::uint8_t bouton) {
    evenement e;
    e.type = evenement_pkg::SOURIS_APPUIE;
    e.bouton = bouton;
    return e;
}

// Racine de données jetable avec la grille d'essai et un répertoire de grilles personnelles vide ; le jeu libre est le
// mode courant.
struct RacineLibre : testing::Test {
    outils_modele::repertoire_temporaire racine;
    banc_application::banc banc;

    void SetUp() override {
        racine.ecrire("grilles/essai.xml", outils_modele::grille_essai_4x4);
        std::filesystem::create_directories("grilles_personnelles");
        banc.aller_a(etat_principal::LIBRE);
    }

    libre::controleur_libre& mode() { return banc.mode<libre::controleur_libre>(etat_principal::LIBRE); }
    // Vrai si l'événement a servi ; les événements nommés émis en chemin sont traités à la suite.
    bool envoyer(evenement e) { return banc.envoyer(std::move(e)); }
    void touches_(std::initializer_list<std::int32_t> symboles) {
        for (const std::int32_t s : symboles) envoyer(touche(s));
    }
    bool partie_choisie() { return mode().obtenir_partie() != nullptr; }
    bool est_actif() { return mode().partie_en_cours().est_actif(); }
    // Par le menu, comme un joueur : l'accueil relit ses listes en revenant.
    void revenir() {
        banc.aller_a(etat_principal::MENU);
        banc.aller_a(etat_principal::LIBRE);
    }
};

using Accueil = RacineLibre;

// La grille d'essai choisie et chargée, le mode actif.
struct PartieLibre : RacineLibre {
    void SetUp() override {
        RacineLibre::SetUp();
        mode().lancer_jeu_pred("essai.xml");
        ASSERT_TRUE(mode().obtenir_partie());
    }

    grille_libre_pkg::grille_libre& partie() { return *mode().obtenir_partie(); }
    coordonnees curseur() { return partie().obtenir_curseur(); }
    bool occupee(coordonnees c) { return partie().obtenir_grille()->rend_case(c)->est_occupe(); }
    int nombre_chemins() { return listes_pkg<grille_pkg::chemin_ptr>::taille_liste(partie().obtenir_chemins()); }
    void aller(coordonnees c) { envoyer(nomme("deplacer_curseur", c)); }
    // Les quatre chemins de la grille d'essai, depuis le curseur en (1, 1).
    void resoudre() {
        touches_({touches::ESPACE, touches::DROITE, touches::DROITE});
        aller({1, 2});
        touches_({touches::ESPACE, touches::DROITE, touches::DROITE});
        aller({1, 3});
        touches_({touches::ESPACE, touches::HAUT});
        aller({4, 4});
        envoyer(touche(touches::ESPACE));
    }
    static std::string pl_chemin() {
        return parties_libres_pkg::chemin_progression(emplacements_pkg::repertoire_grilles(), "essai.xml");
    }
};

TEST_F(PartieLibre, LesFlechesConstruisentUnCheminQuiSeValideEnArrivantSurSaJumelle) {
    const auto sons = bruitages_pkg::obtenir_comptes();
    envoyer(touche(touches::ESPACE));
    EXPECT_EQ(mode().obtenir_etat(), libre::etat::CONSTRUCTION);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().valider, sons.valider + 1);
    EXPECT_EQ(partie().obtenir_chemin_courant()->combien_reste(), 2);

    touches_({touches::DROITE, touches::DROITE});
    EXPECT_EQ(mode().obtenir_etat(), libre::etat::RECHERCHE);
    EXPECT_EQ(curseur(), (coordonnees{3, 1}));
    EXPECT_EQ(nombre_chemins(), 1);
    EXPECT_TRUE(occupee({2, 1}) && occupee({3, 1}));
    EXPECT_EQ(partie().obtenir_points_aide_partie(), 15);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().deplacement, sons.deplacement + 2);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur);
}

TEST_F(PartieLibre, LaSourisConstruitCaseVoisineParCaseVoisineEtIgnoreLesSauts) {
    aller({1, 3});
    EXPECT_EQ(curseur(), (coordonnees{1, 3}));
    envoyer(nomme("valider"));
    ASSERT_EQ(mode().obtenir_etat(), libre::etat::CONSTRUCTION);

    const auto sons = bruitages_pkg::obtenir_comptes();
    for (const coordonnees loin : {coordonnees{2, 4}, coordonnees{3, 3}, coordonnees{1, 3}}) {
        EXPECT_TRUE(envoyer(nomme("deplacer_curseur", loin)));
    }
    EXPECT_EQ(curseur(), (coordonnees{1, 3}));
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().deplacement, sons.deplacement);

    aller({1, 4});
    EXPECT_EQ(mode().obtenir_etat(), libre::etat::RECHERCHE);
    EXPECT_EQ(nombre_chemins(), 1);
    EXPECT_EQ(partie().obtenir_points_aide_partie(), 10);
}

TEST_F(PartieLibre, UnPasRefuseDonneLeSonDErreurEtLaisseToutEnPlace) {
    struct cas {
        const char* quoi;
        coordonnees depart;
        bool construire;
        std::int32_t touche;
        coordonnees curseur_apres;
        bool chemin_garde;
    };
    const std::vector<cas> cas_refuses{
        {"sous la ligne 1", {2, 1}, false, touches::BAS, {2, 1}, false},
        {"à gauche de la colonne 1", {1, 2}, false, touches::GAUCHE, {1, 2}, false},
        {"au-delà de la dernière colonne", {4, 2}, false, touches::DROITE, {4, 2}, false},
        {"au-delà de la dernière ligne", {2, 4}, false, touches::HAUT, {2, 4}, false},
        {"chemin poussé hors de la grille", {1, 1}, true, touches::GAUCHE, {1, 1}, true},
        {"chemin poussé sur une case terminale d'un autre chiffre", {1, 3}, true, touches::BAS, {1, 3}, true},
    };
    for (const cas& c : cas_refuses) {
        SCOPED_TRACE(c.quoi);
        aller(c.depart);
        if (c.construire) envoyer(touche(touches::ESPACE));
        const auto sons = bruitages_pkg::obtenir_comptes();
        envoyer(touche(c.touche));
        EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur + 1);
        EXPECT_EQ(bruitages_pkg::obtenir_comptes().deplacement, sons.deplacement);
        EXPECT_EQ(curseur(), c.curseur_apres);
        EXPECT_EQ(mode().obtenir_etat(), c.chemin_garde ? libre::etat::CONSTRUCTION : libre::etat::RECHERCHE);
        envoyer(touche(touches::RETOUR_ARRIERE));
        EXPECT_EQ(mode().obtenir_etat(), libre::etat::RECHERCHE);
    }
    EXPECT_EQ(nombre_chemins(), 0);
}

TEST_F(PartieLibre, UnCheminQuiAtteintTropTotUnChiffreEgalEstAnnuleAvecLeSonDErreur) {
    envoyer(touche(touches::ESPACE));
    const auto sons = bruitages_pkg::obtenir_comptes();
    envoyer(touche(touches::HAUT));
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, sons.erreur + 1);
    EXPECT_EQ(mode().obtenir_etat(), libre::etat::RECHERCHE);
    EXPECT_FALSE(occupee({1, 1}));
    EXPECT_FALSE(occupee({1, 2}));
    EXPECT_EQ(nombre_chemins(), 0);
}

TEST_F(PartieLibre, UnUnEstCompleteDesQuIlEstChoisi) {
    aller({4, 4});
    envoyer(touche(touches::ESPACE));
    EXPECT_EQ(mode().obtenir_etat(), libre::etat::RECHERCHE);
    EXPECT_EQ(nombre_chemins(), 1);
    EXPECT_TRUE(occupee({4, 4}));
    EXPECT_EQ(partie().obtenir_points_aide_partie(), 5);
    // Choisir de nouveau une case prise ne fait rien.
    const auto sons = bruitages_pkg::obtenir_comptes();
    envoyer(touche(touches::ESPACE));
    EXPECT_EQ(nombre_chemins(), 1);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().valider, sons.valider);
}

TEST_F(PartieLibre, TrentePointsSurUnTroisDevoilentDeuxCasesDepuisChaqueBout) {
    for (const auto& [depart, attendues] : std::vector<std::pair<coordonnees, std::vector<coordonnees>>>{
             {{1, 1}, {{1, 1}, {2, 1}, {3, 1}}}, {{3, 1}, {{3, 1}, {2, 1}, {1, 1}}}}) {
        partie().mettre_a_jour_score_aide(30 - partie().obtenir_points_aide_partie());
        aller(depart);
        // Moins de 10 points choisis : rien.
        envoyer(touche('a'));
        EXPECT_FALSE(partie().aide_est_initialise() && partie().obtenir_chemin_aide_courant()->sont_coordonnees_depart(depart));
        touches_({touches::PAVE_PLUS, touches::PAVE_PLUS});
        envoyer(souris_appuie(evenement_pkg::boutons::MOLETTE_HAUT));
        ASSERT_EQ(partie().obtenir_compteur_aide(), 30);

        envoyer(souris_appuie(evenement_pkg::boutons::MILIEU));
        const auto aide = partie().obtenir_chemin_aide_courant();
        ASSERT_EQ(aide->longueur(), 3);
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(aide->nieme_coord(k), attendues[k - 1]);
        EXPECT_EQ(partie().obtenir_points_aide_partie(), 10);
        EXPECT_EQ(partie().obtenir_compteur_aide(), 0);
        EXPECT_FALSE(occupee({2, 1}));

        // L'écran pose les loupes à sa mise à jour, et les retire avant la demande suivante.
        const auto affich = mode().obtenir_affichage();
        affich->mettre_a_jour("essai", mode().obtenir_etat());
        EXPECT_TRUE(affich->obtenir_la_grille()->obtenir_case_affichable({2, 1})->obtenir_aide());
        affich->desactiver_ancienne_aide();
        EXPECT_FALSE(affich->obtenir_la_grille()->obtenir_case_affichable({2, 1})->obtenir_aide());
    }
}

TEST_F(PartieLibre, LAideEnConstructionCompleteLeDebutJusteEtNeFaitPayerQueLesCasesDevoilees) {
    partie().mettre_a_jour_score_aide(50);
    envoyer(touche(touches::ESPACE));
    envoyer(touche(touches::DROITE));
    for (int i = 0; i < 5; ++i) envoyer(nomme("bouton_aide_plus"));
    ASSERT_EQ(partie().obtenir_compteur_aide(), 50);
    envoyer(nomme("bouton_ok"));
    const auto aide = partie().obtenir_chemin_aide_courant();
    ASSERT_EQ(aide->longueur(), 3);
    EXPECT_EQ(aide->nieme_coord(3), (coordonnees{3, 1}));
    EXPECT_EQ(partie().obtenir_points_aide_partie(), 40);
    EXPECT_EQ(partie().obtenir_compteur_aide(), 0);
}

TEST_F(PartieLibre, SupprimerUnCheminRendSesPointsEtRemetLesPointsChoisisAZero) {
    touches_({touches::ESPACE, touches::DROITE, touches::DROITE});
    ASSERT_EQ(partie().obtenir_points_aide_partie(), 15);
    envoyer(nomme("bouton_aide_plus"));
    ASSERT_EQ(partie().obtenir_compteur_aide(), 10);
    aller({2, 1});
    envoyer(nomme("effacer"));
    EXPECT_EQ(nombre_chemins(), 0);
    EXPECT_FALSE(occupee({1, 1}) || occupee({2, 1}) || occupee({3, 1}));
    EXPECT_EQ(partie().obtenir_compteur_aide(), 0);
    EXPECT_EQ(partie().obtenir_points_aide_partie(), 0);
}

TEST_F(PartieLibre, UneFoisLaGrilleResolueSourisEffacementEtAideNeFontPlusRien) {
    resoudre();
    ASSERT_TRUE(partie().est_valide());

    const auto affich = mode().obtenir_affichage();
    affich->mettre_a_jour("essai", mode().obtenir_etat());
    EXPECT_TRUE(affich->obtenir_la_grille()->obtenir_case_affichable({2, 2})->case_est_fini());

    const auto sons = bruitages_pkg::obtenir_comptes();
    envoyer(touche('a'));
    aller({2, 1});
    envoyer(nomme("effacer"));
    envoyer(touche(touches::RETOUR_ARRIERE));
    envoyer(touche(touches::ESPACE));
    EXPECT_EQ(curseur(), (coordonnees{4, 4}));
    EXPECT_EQ(nombre_chemins(), 4);
    EXPECT_TRUE(partie().est_valide());
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().deplacement, sons.deplacement);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().valider, sons.valider);
}

TEST_F(PartieLibre, RetourGardeLaPartieAbandonEtEchapLaQuittent) {
    banc.aller_a(etat_principal::LIBRE);
    touches_({touches::ESPACE, touches::DROITE});
    envoyer(nomme("bouton_menu"));
    EXPECT_EQ(banc.etat(), etat_principal::MENU);
    EXPECT_FALSE(est_actif());
    ASSERT_TRUE(partie_choisie());

    banc.aller_a(etat_principal::LIBRE);
    EXPECT_TRUE(occupee({2, 1}));
    EXPECT_EQ(mode().obtenir_etat(), libre::etat::CONSTRUCTION);

    for (const evenement& abandon : {nomme("bouton_abandonner"), touche('b'), touche(touches::ECHAP)}) {
        banc.aller_a(etat_principal::LIBRE);
        mode().lancer_jeu_pred("essai.xml");
        EXPECT_TRUE(envoyer(abandon));
        EXPECT_EQ(banc.etat(), etat_principal::MENU);
        EXPECT_FALSE(partie_choisie());
        EXPECT_FALSE(est_actif());
    }
    banc.aller_a(etat_principal::MENU);
}

// Une grille laissée en cours (autre grille, menu, fin du jeu : la progression est écrite à chaque chemin) se
// reprend où on l'a laissée ; R la reprend de zéro ; une fois finie, elle est résolue.
TEST_F(PartieLibre, UneGrilleLaisseeEnCoursSeRepriseEtRLaRecommence) {
    namespace pl = parties_libres_pkg;
    const auto avancement = [] { return pl::avancement_de(emplacements_pkg::repertoire_grilles(), "essai.xml"); };
    EXPECT_FALSE(mode().est_reprise());
    touches_({touches::ESPACE, touches::DROITE, touches::DROITE});
    const int credit = partie().obtenir_points_aide_partie();
    EXPECT_EQ(avancement(), pl::avancement::en_cours);

    envoyer(touche('n'));
    mode().lancer_jeu_pred("essai.xml");
    EXPECT_TRUE(mode().est_reprise());
    EXPECT_EQ(nombre_chemins(), 1);
    EXPECT_TRUE(occupee({2, 1}));
    EXPECT_EQ(partie().obtenir_points_aide_partie(), credit);

    envoyer(touche('r'));
    EXPECT_FALSE(mode().est_reprise());
    EXPECT_EQ(nombre_chemins(), 0);
    EXPECT_FALSE(occupee({2, 1}));
    EXPECT_EQ(avancement(), pl::avancement::aucun);

    resoudre();
    ASSERT_TRUE(partie().est_valide());
    EXPECT_EQ(avancement(), pl::avancement::resolue);
}

// Une progression refusée est signalée, laissée telle quelle, et la grille commence ; un dossier de progression
// impossible à créer ne bloque pas le jeu.
TEST_F(PartieLibre, UneProgressionIllisibleOuImpossibleAEcrireNArretePasLaPartie) {
    racine.ecrire(pl_chemin(), "<partie><grille taille=\"x\"");
    envoyer(touche('n'));
    testing::internal::CaptureStdout();
    mode().lancer_jeu_pred("essai.xml");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Progression refusée"), std::string::npos);
    EXPECT_NE(mode().obtenir_affichage()->obtenir_message().obtenir_texte().find("Progression refusée"),
              std::string::npos);
    EXPECT_FALSE(mode().est_reprise());
    EXPECT_EQ(nombre_chemins(), 0);
    EXPECT_EQ(racine.lire(pl_chemin()), "<partie><grille taille=\"x\"") << "la progression refusée reste telle quelle";

    std::filesystem::remove_all(emplacements_pkg::repertoire_parties_libres());
    racine.ecrire("parties_libres", "un fichier à la place du dossier");
    testing::internal::CaptureStdout();
    touches_({touches::ESPACE, touches::DROITE, touches::DROITE});
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Progression non enregistrée"), std::string::npos);
    EXPECT_NE(mode().obtenir_affichage()->obtenir_message().obtenir_texte().find("Progression non enregistrée"),
              std::string::npos);
    EXPECT_EQ(nombre_chemins(), 1);
}

TEST_F(Accueil, UnFichierDeGrilleIllisibleEstSignaleEtRameneAuChoixSansQuitter) {
    racine.ecrire("grilles/casse.xml", "<partie><grille taille=\"x\"");
    racine.ecrire("grilles/pas_une_grille.xml", "<carte></carte>");
    for (const std::string fichier : {"casse.xml", "pas_une_grille.xml", "disparu.xml"}) {
        SCOPED_TRACE(fichier);
        envoyer(nomme("pred"));
        ASSERT_EQ(mode().obtenir_etat_accueil(), libre::etat_accueil::PREDEFINI);
        testing::internal::CaptureStdout();
        envoyer(nomme("valider_choix_liste", fichier));
        const std::string sortie = testing::internal::GetCapturedStdout();
        EXPECT_NE(sortie.find("_PKG.ERREUR_"), std::string::npos) << sortie;
        EXPECT_FALSE(partie_choisie());
        EXPECT_FALSE(mode().obtenir_partie());
        EXPECT_FALSE(est_actif());
        EXPECT_EQ(mode().obtenir_etat_accueil(), libre::etat_accueil::CHOIX);
        const auto& message = mode().obtenir_accueil()->obtenir_message();
        EXPECT_TRUE(message.est_montre()) << "l'écran le dit aussi";
        EXPECT_NE(message.obtenir_texte().find(fichier.substr(0, fichier.size() - 4)), std::string::npos);
    }
    // Le mode continue : la bonne grille se choisit et se charge ensuite.
    envoyer(nomme("pred"));
    envoyer(nomme("valider_choix_liste", std::string("essai.xml")));
    EXPECT_TRUE(est_actif());
    EXPECT_TRUE(mode().obtenir_partie());
    EXPECT_EQ(mode().obtenir_nom_grille(), "essai");
}

TEST_F(Accueil, SupprimerUneGrillePersonnelleRafraichitLaListeMemeSiElleADejaDisparu) {
    racine.ecrire("grilles_personnelles/a.xml", outils_modele::grille_essai_4x4);
    racine.ecrire("grilles_personnelles/b.xml", outils_modele::grille_essai_4x4);
    revenir();
    const auto accueil = mode().obtenir_accueil();
    ASSERT_EQ(accueil->obtenir_la_liste_perso().nombre_donnees(), 2);

    envoyer(nomme("supprimer"));
    envoyer(nomme("valider_choix_liste", std::string("a.xml")));
    EXPECT_FALSE(std::filesystem::exists("grilles_personnelles/a.xml"));
    EXPECT_EQ(accueil->obtenir_la_liste_perso().nombre_donnees(), 1);
    EXPECT_EQ(mode().obtenir_etat_accueil(), libre::etat_accueil::CHOIX);
    EXPECT_FALSE(partie_choisie());

    std::filesystem::remove("grilles_personnelles/b.xml");
    envoyer(nomme("supprimer"));
    EXPECT_NO_THROW(envoyer(nomme("valider_choix_liste", std::string("b.xml"))));
    EXPECT_EQ(accueil->obtenir_la_liste_perso().nombre_donnees(), 0);
    EXPECT_EQ(mode().obtenir_etat_accueil(), libre::etat_accueil::CHOIX);
}

// Un effacement refusé par le système (ici un répertoire non vide à la place du fichier, que même
// l'administrateur ne peut effacer ainsi) est dit sur la sortie standard, et la liste montre toujours l'entrée.
TEST_F(Accueil, UneSuppressionRefuseeEstDiteEtLaListeLaGarde) {
    racine.ecrire("grilles_personnelles/bloquee.xml/dedans", "x");
    revenir();
    const auto accueil = mode().obtenir_accueil();
    ASSERT_EQ(accueil->obtenir_la_liste_perso().nombre_donnees(), 1);

    testing::internal::CaptureStdout();
    envoyer(nomme("supprimer"));
    envoyer(nomme("valider_choix_liste", std::string("bloquee.xml")));
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_NE(sortie.find("Impossible de supprimer grilles_personnelles/bloquee.xml"), std::string::npos) << sortie;
    EXPECT_EQ(accueil->obtenir_la_liste_perso().nombre_donnees(), 1);
    EXPECT_EQ(mode().obtenir_etat_accueil(), libre::etat_accueil::CHOIX);
}

// Les noms de fichiers sont en UTF-8, la police reçoit du latin-1 : la conversion se fait une fois, au dessin.
TEST_F(Accueil, UneGrillePersonnelleAuNomAccentueSeMontreSeChargeEtSeSupprime) {
    racine.ecrire("grilles_personnelles/Fusée.xml", outils_modele::grille_essai_4x4);
    revenir();
    envoyer(nomme("perso"));
    auto& liste = mode().obtenir_accueil()->obtenir_la_liste_perso();
    liste.mettre_a_jour();
    const auto ligne = liste.obtenir_ligne(3);
    EXPECT_EQ(ligne->obtenir_texte(), "Fusée.xml");
    EXPECT_EQ(ligne->obtenir_texte_montre(), "Fus\xE9" "e.xml");

    envoyer(nomme("valider_choix_liste", liste.obtenir_nom_courant()));
    ASSERT_TRUE(mode().obtenir_partie());
    EXPECT_EQ(mode().obtenir_nom_grille(), "Fusée");

    mode().abandonner();
    envoyer(nomme("supprimer"));
    envoyer(nomme("valider_choix_liste", std::string("Fusée.xml")));
    EXPECT_FALSE(std::filesystem::exists("grilles_personnelles/Fusée.xml"));
    EXPECT_EQ(mode().obtenir_accueil()->obtenir_la_liste_perso().nombre_donnees(), 0);
}

TEST_F(Accueil, LeClavierParcourtLesQuatreLignesEtEchapFermeDAbordLaListe) {
    touches_({touches::BAS, touches::BAS, touches::BAS, touches::BAS});
    EXPECT_EQ(mode().obtenir_courante(), 4);
    touches_({touches::HAUT, touches::HAUT});
    ASSERT_EQ(mode().obtenir_courante(), 2);
    envoyer(touche(touches::ENTREE));
    EXPECT_EQ(mode().obtenir_etat_accueil(), libre::etat_accueil::LIBRE);

    banc.aller_a(etat_principal::LIBRE);
    envoyer(touche(touches::ECHAP));
    EXPECT_EQ(mode().obtenir_etat_accueil(), libre::etat_accueil::CHOIX);
    EXPECT_EQ(banc.etat(), etat_principal::LIBRE);
    envoyer(touche(touches::ECHAP));
    EXPECT_EQ(banc.etat(), etat_principal::MENU);
}

} // namespace
