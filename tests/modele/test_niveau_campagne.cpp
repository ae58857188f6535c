// Niveaux et campagne : noms de fichiers, crédit d'aide, progression d'un compte et score.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "campagne_pkg.hpp"
#include "niveau_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "outils_modele.hpp"

using outils_modele::ecrire_grilles_campagne;
using outils_modele::erreur_levee;
using outils_modele::repertoire_temporaire;

namespace {

void resoudre(partie_pkg::partie& p) {
    p.demarrer_chemin_courant(p.obtenir_grille()->rend_case({1, 1}));
    p.obtenir_chemin_courant()->avancer(grille_pkg::direction::haut);
    p.valider_chemin_courant();
}

TEST(Niveau, NomsDeFichiersDuDixiemeNiveau) {
    repertoire_temporaire rep;
    ecrire_grilles_campagne();
    niveau_pkg::niveau n;
    n.initialiser_niveau(campagne_pkg::campagne::nom_niveau(10));
    EXPECT_EQ(n.nom_fichier_initial(1), "niv10_1.xml");
    EXPECT_EQ(n.nom_fichier_sauvegarde(6), "niv10_6.save.xml");
    n.charger_les_six_parties_composant_le_niveau();
    EXPECT_EQ(n.obtenir_partie(1)->obtenir_grille()->obtenir_nom_grille(), "niv10_1.xml");
    std::filesystem::create_directory("compte");
    fichier_xml_pkg::lot_ecriture lot;
    n.sauvegarder_les_six_parties_composant_le_niveau("compte/", lot);
    EXPECT_FALSE(std::filesystem::exists("compte/niv10_1.save.xml")) << "rien avant la validation du lot";
    lot.valider();
    EXPECT_TRUE(std::filesystem::exists("compte/niv10_1.save.xml"));
    EXPECT_TRUE(std::filesystem::exists("compte/niv10_6.save.xml"));
}

TEST(Niveau, CreditEtCompteurDAide) {
    niveau_pkg::niveau n;
    n.initialiser_niveau("niv 1");
    n.obtenir_partie(1)->mettre_a_jour_score(100);
    n.obtenir_partie(2)->mettre_a_jour_score(50);
    n.obtenir_partie(1)->mettre_a_jour_points_aide_utilises(20);
    n.mettre_a_jour_score_aide();
    EXPECT_EQ(n.obtenir_score_aide(), 55);
    n.mettre_a_jour_compteur_aide(50);
    EXPECT_EQ(n.obtenir_compteur_aide(), 50);
    n.mettre_a_jour_compteur_aide(10);
    EXPECT_EQ(n.obtenir_compteur_aide(), 0);

    n.obtenir_partie(3)->mettre_a_jour_score(3);
    n.mettre_a_jour_score_aide();
    EXPECT_EQ(n.obtenir_score_aide(), 56);
    n.obtenir_partie(4)->mettre_a_jour_score(5);
    n.mettre_a_jour_score_aide();
    EXPECT_EQ(n.obtenir_score_aide(), 58);
}

TEST(Niveau, ScoreAvecAideBornesEtTricherie) {
    niveau_pkg::niveau n;
    n.initialiser_niveau("niv 1");
    n.obtenir_partie(1)->mettre_a_jour_score(10);
    n.obtenir_partie(2)->mettre_a_jour_score(50);
    n.obtenir_partie(2)->obtenir_temps_ptr()->initialiser_timer(25.0f);
    n.mettre_a_jour_score_aide();
    EXPECT_EQ(n.score_niveau(), 10);
    EXPECT_EQ(n.obtenir_score_aide(), 30);
    EXPECT_EQ(n.score_niveau_avec_aide(), 40);

    EXPECT_EQ(erreur_levee([&] { n.obtenir_partie(7); }), "NIVEAU_PKG.ERREUR_PARTIE_HORS_LIMITE_NIVEAU");
    EXPECT_EQ(n.obtenir_numero_partie_courante(), 0);
    n.activer_triche();
    EXPECT_TRUE(n.est_termine());
}

// Six parties à leur plus grand score, leur plus grande aide et leur plus long chronomètre : les sommes du niveau
// tiennent (un score d'un milliard dans les six sauvegardes débordait l'int de la somme) ; un score hors des
// bornes fait refuser le niveau, en nommant le fichier et l'attribut.
TEST(Niveau, LesSommesDuNiveauNeDebordentPasEtUnScoreHorsBornesEstRefuse) {
    repertoire_temporaire rep;
    ecrire_grilles_campagne();
    niveau_pkg::niveau n;
    n.initialiser_niveau(campagne_pkg::campagne::nom_niveau(1));
    n.charger_les_six_parties_composant_le_niveau();
    std::filesystem::create_directory("compte");
    {
        fichier_xml_pkg::lot_ecriture lot;
        n.sauvegarder_les_six_parties_composant_le_niveau("compte/", lot);
        lot.valider();
    }
    const auto changer_les_six = [&](const std::string& avant, const std::string& apres) {
        for (int i = 1; i <= niveau_pkg::NOMBRE_PARTIES; ++i) {
            const std::string nom = "compte/" + n.nom_fichier_sauvegarde(i);
            std::string contenu = repertoire_temporaire::lire(nom);
            contenu.replace(contenu.find(avant), avant.size(), apres);
            repertoire_temporaire::ecrire(nom, contenu);
        }
    };
    changer_les_six("aide=\" 0\" score=\" 0\"", "aide=\" 52920\" score=\" 17640\"");
    n.charger_les_six_parties_composant_le_niveau("compte/");
    EXPECT_EQ(n.score_niveau(), 6 * partie_pkg::SCORE_MAX);
    EXPECT_EQ(n.obtenir_score_aide(), 6 * (partie_pkg::SCORE_MAX / 2 - partie_pkg::AIDE_MAX));
    changer_les_six("timer=\" 0\"", "timer=\" 1000000000\"");
    n.charger_les_six_parties_composant_le_niveau("compte/");
    EXPECT_EQ(n.score_niveau(), 0) << "le temps passé ramène chaque score à zéro, sans déborder";

    changer_les_six("score=\" 17640\"", "score=\" 1000000000\"");
    try {
        n.charger_les_six_parties_composant_le_niveau("compte/");
        ADD_FAILURE() << "un score d'un milliard est accepté";
    } catch (const niveau_pkg::ERREUR_SAUVEGARDE_REFUSEE& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("niv1_1.save.xml"), std::string::npos) << message;
        EXPECT_NE(message.find("score"), std::string::npos) << message;
    }
}

class Campagne : public ::testing::Test {
protected:
    void SetUp() override {
        ecrire_grilles_campagne();
        std::filesystem::create_directories(emplacements_pkg::obtenir_session_joueur("alice"));
    }
    // Sauve pour alice une campagne dont les niveaux 1 à n sont résolus, et la recharge.
    campagne_pkg::campagne reprise_avec_niveaux_resolus(int n) {
        campagne_pkg::campagne jouee;
        jouee.initialiser_campagne();
        jouee.definir_nom("alice");
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= niveau_pkg::NOMBRE_PARTIES; ++j) resoudre(*jouee.obtenir_niveau_courant()->obtenir_partie(j));
            if (jouee.est_possible_niveau_superieur()) jouee.avancer_niveau();
        }
        jouee.sauvegarder_campagne();
        campagne_pkg::campagne reprise;
        reprise.initialiser_campagne();
        reprise.definir_nom("alice");
        reprise.charger_campagne();
        return reprise;
    }
    repertoire_temporaire rep;
};

TEST_F(Campagne, DebutDeCampagne) {
    campagne_pkg::campagne c;
    EXPECT_EQ(c.score_campagne(), 0);
    c.initialiser_campagne();
    EXPECT_EQ(c.obtenir_numero_niveau_courant(), 1);
    EXPECT_TRUE(c.est_possible_niveau_superieur());
    EXPECT_EQ(c.score_campagne(), 0);
    EXPECT_EQ(erreur_levee([&] { c.initialiser_campagne(); }), "CAMPAGNE_PKG.ERREUR_CAMPAGNE");
    EXPECT_EQ(erreur_levee([&] { c.obtenir_score_du_niveau(11); }), "CAMPAGNE_PKG.ERREUR_SCORE_DU_NIVEAU_NON_EXISTANT");
    EXPECT_EQ(c.obtenir_score_du_niveau(10), 0);
    for (int i = 1; i < 10; ++i) c.avancer_niveau();
    EXPECT_FALSE(c.est_possible_niveau_superieur());
}

TEST_F(Campagne, RepriseAuPremierNiveauNonFini) {
    const campagne_pkg::campagne c = reprise_avec_niveaux_resolus(3);
    EXPECT_EQ(c.obtenir_numero_niveau_courant(), 4);
    EXPECT_FALSE(c.est_termine());
    // Six chemins de deux cases par niveau : 120 points et 60 de crédit, sans temps compté.
    EXPECT_EQ(c.obtenir_score_du_niveau(1), 180);
    EXPECT_EQ(c.score_campagne(), 3 * 180);
    EXPECT_EQ(c.obtenir_niveau_courant()->obtenir_numero_partie_courante(), 1);
}

TEST_F(Campagne, DixNiveauxFinisRestentAuDixiemeEtFinissentLaCampagne) {
    const campagne_pkg::campagne c = reprise_avec_niveaux_resolus(10);
    EXPECT_EQ(c.obtenir_numero_niveau_courant(), 10);
    EXPECT_TRUE(c.est_termine());
    EXPECT_EQ(c.score_campagne(), 10 * 180);
}

TEST_F(Campagne, UnCompteSansSauvegardeEchoueSansToucherAuxNiveauxSuivants) {
    campagne_pkg::campagne c;
    c.initialiser_campagne();
    c.definir_nom("bob");
    // L'erreur nomme le fichier en cause, et garde celle du lecteur.
    try {
        c.charger_campagne();
        ADD_FAILURE() << "aucune erreur";
    } catch (const niveau_pkg::ERREUR_SAUVEGARDE_REFUSEE& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("sessions/bob/niv1_1.save.xml"), std::string::npos) << message;
        EXPECT_NE(message.find("FICHIER_XML_PKG.ERREUR_FICHIER_ILLISIBLE"), std::string::npos) << message;
        EXPECT_EQ(e.fichier(), "niv1_1.save.xml");
    }
    EXPECT_EQ(c.obtenir_numero_niveau_courant(), 1);
}

// Un enfant sauvegarde sans fin une campagne qui change à chaque tour ; on le tue à des instants variés. Chaque
// fichier reste l'ancien ou le nouveau, entier : la sauvegarde se recharge toujours.
TEST(SauvegardeCampagne, TueeEnPleineEcritureElleSeRechargeToujours) {
    repertoire_temporaire racine;
    ecrire_grilles_campagne();
    campagne_pkg::campagne depart;
    depart.initialiser_campagne();
    depart.definir_nom("k");
    depart.sauvegarder_campagne();

    for (int essai = 0; essai < 20; ++essai) {
        const pid_t enfant = fork();
        ASSERT_GE(enfant, 0);
        if (enfant == 0) {
            campagne_pkg::campagne c;
            c.initialiser_campagne();
            c.definir_nom("k");
            for (int i = 0;; ++i) {
                partie_pkg::partie& p = *c.obtenir_niveau_courant()->obtenir_partie(1 + i % 6);
                if (p.est_valide()) {
                    p.supprimer_chemin_depuis_case(p.obtenir_grille()->rend_case({1, 1}));
                } else {
                    resoudre(p);
                }
                c.sauvegarder_campagne();
            }
        }
        usleep(static_cast<useconds_t>(1000 + (essai * 7919) % 25000));
        kill(enfant, SIGKILL);
        waitpid(enfant, nullptr, 0);

        campagne_pkg::campagne lue;
        lue.initialiser_campagne();
        lue.definir_nom("k");
        EXPECT_NO_THROW(lue.charger_campagne()) << "essai " << essai;
    }
}

}  // namespace
