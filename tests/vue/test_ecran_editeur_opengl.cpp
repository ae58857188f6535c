// Écrans de l'éditeur dans une vraie fenêtre, avec les données du jeu : questions, cases peintes ou vides, curseur,
// chiffres après la génération, clic trouvé par la sélection, page d'aide à la place de la grille.
#include "controleur_editeur_pkg.hpp"
#include "../controleur/banc_application.hpp"
#include "evenements_de_test.hpp"
#include "fenetre_dans_les_donnees.hpp"
#include "pixels_de_test.hpp"

#include <gtest/gtest.h>

namespace {

namespace editeur = controleur_editeur_pkg;
namespace touches = evenement_pkg::touches;
using evenements_de_test::nomme;
using evenements_de_test::saisie;
using evenements_de_test::touche;
using pixels_de_test::compter;
using pixels_de_test::pixel;

bool blanc(const pixel& p) { return p.r > 200 && p.g > 200 && p.b > 200; }
bool rouge(const pixel& p) { return p.r > 200 && p.g < 60 && p.b < 60; }
bool jaune_nom(const pixel& p) { return p.r > 180 && p.g > 180 && p.b < 140; }
bool cyan(const pixel& p) { return p.b > 200 && p.g > 170 && p.r < 190; }
bool curseur(const pixel& p) { return p.g > 230 && p.r > 100 && p.b < 130; }
bool dore(const pixel& p) { return p.r > 150 && p.g > 100 && p.b < 90; }
bool verdict(const pixel& p) { return (p.g > 180 && p.r < 100 && p.b < 100) || (p.r > 200 && p.b < 120); }

// Case (x, y) d'une grille de 10 × 10 dans le cockpit : 42,6 pixels par case autour de (315, 300).
int colonne(int x) { return 315 + (2 * x - 11) * 213 / 10; }
int rangee(int y) { return 300 - (2 * y - 11) * 213 / 10; }
int dans_la_case(int x, int y, bool (*p)(const pixel&)) { return compter(colonne(x) - 18, rangee(y) - 18, 36, 36, p); }
int dans_la_grille(bool (*p)(const pixel&)) { return compter(100, 85, 430, 430, p); }

struct EcranEditeur : testing::Test {
    fenetre_dans_les_donnees::fenetre_du_jeu fenetre;
    banc_application::banc banc{&recepteur_souris_pkg::selection_scene()};

    void SetUp() override {
        banc.aller_a(banc_application::etat_principal::EDITEUR);
        dessiner();
    }

    editeur::controleur_editeur& mode() {
        return banc.mode<editeur::controleur_editeur>(banc_application::etat_principal::EDITEUR);
    }
    void dessiner() {
        banc.dessiner();
        glReadBuffer(GL_BACK);
    }
    void repondre(const std::string& reponse) {
        banc.envoyer(saisie(reponse));
        banc.envoyer(touche(touches::ENTREE));
        dessiner();
    }
    // Un événement de souris au centre de la case, après une image : la sélection est refaite.
    void souris(std::uint8_t type, int x, int y) {
        dessiner();
        evenement_pkg::evenement e;
        e.type = type;
        e.bouton = type == evenement_pkg::SOURIS_BOUGE ? 0 : evenement_pkg::boutons::GAUCHE;
        e.x = static_cast<std::uint16_t>(colonne(x));
        e.y = static_cast<std::uint16_t>(rangee(y));
        banc.envoyer(e);
    }
    void cliquer(int x, int y) {
        souris(evenement_pkg::SOURIS_BOUGE, x, y);
        souris(evenement_pkg::SOURIS_APPUIE, x, y);
        souris(evenement_pkg::SOURIS_RELACHE, x, y);
    }
};

// À z = -10, l'étiquette finit à x = -2,25 (237 pixels) et la saisie part de x = -2 (255 pixels).
TEST_F(EcranEditeur, LaQuestionSAfficheEtUnLongNomNeRecouvrePasSonEtiquette) {
    EXPECT_GT(compter(20, 100, 760, 40, blanc), 2500) << "la question de la taille";
    repondre("12");
    repondre("9");
    banc.envoyer(saisie("Planète Saturne"));
    dessiner();
    EXPECT_GT(compter(255, 320, 400, 35, blanc), 800) << "le nom tapé";
    EXPECT_EQ(compter(240, 320, 12, 35, blanc), 0) << "entre l'étiquette et la saisie";
    EXPECT_GT(compter(100, 320, 138, 35, blanc), 300) << "l'étiquette « Nom : »";
    EXPECT_EQ(compter(20, 215, 760, 30, rouge), 0);

    banc.envoyer(touche(touches::ECHAP));
    repondre("15");
    EXPECT_GT(compter(20, 215, 760, 30, rouge), 1000) << "la ligne d'erreur, sous la question";
}

TEST_F(EcranEditeur, CasesPeintesOuVidesEtCurseurPendantLeDessinPuisChiffresSansCurseur) {
    repondre("10");
    repondre("9");
    repondre("Très grande Noé");
    ASSERT_TRUE(mode().obtenir_editeur());
    EXPECT_GT(compter(664, 38, 118, 26, jaune_nom), 150) << "le nom n'est pas écrit";
    EXPECT_EQ(compter(600, 38, 64, 26, jaune_nom) + compter(782, 38, 18, 26, jaune_nom), 0) << "le nom déborde";

    banc.envoyer(touche(touches::ESPACE));
    banc.envoyer(touche(touches::DROITE));
    dessiner();
    EXPECT_LT(dans_la_case(1, 1, cyan), 20) << "la case décoloriée";
    EXPECT_GT(dans_la_case(5, 5, cyan), 150) << "une case peinte";
    EXPECT_GT(dans_la_case(2, 1, curseur), 100) << "le curseur";
    EXPECT_EQ(dans_la_case(1, 1, curseur), 0);

    banc.envoyer(touche(touches::ENTREE));
    dessiner();
    EXPECT_EQ(dans_la_grille(curseur), 0) << "plus de curseur une fois la grille générée";
    EXPECT_EQ(dans_la_grille(cyan), 0) << "le dessin ne se voit plus que par ses chiffres";
    EXPECT_GT(dans_la_grille(dore), 5000);
    EXPECT_LT(dans_la_case(1, 1, dore), 20) << "une case non peinte reste vide";
    EXPECT_GT(compter(660, 215, 130, 50, verdict), 150) << "le verdict du solveur";
}

TEST_F(EcranEditeur, UnClicChangeLaCaseSousLePointeurMaisPasAuTraversDeLAide) {
    repondre("10");
    repondre("9");
    repondre("Clic");
    dessiner();
    const auto grille = mode().obtenir_editeur()->obtenir_grille();
    cliquer(3, 7);
    EXPECT_FALSE(grille->rend_case({3, 7})->est_occupe());
    EXPECT_EQ(mode().obtenir_editeur()->obtenir_curseur(), (case_simple_pkg::coordonnees{3, 7}));
    dessiner();
    EXPECT_LT(dans_la_case(3, 7, cyan), 20);

    banc.envoyer(touche('h'));
    dessiner();
    EXPECT_EQ(dans_la_grille(cyan), 0) << "la page d'aide remplace la grille";
    EXPECT_GT(compter(100, 85, 430, 430, blanc), 2000);
    cliquer(5, 5);
    EXPECT_TRUE(grille->rend_case({5, 5})->est_occupe()) << "le clic n'atteint pas la grille cachée";
}

} // namespace
