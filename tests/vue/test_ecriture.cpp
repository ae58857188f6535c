// Saisie de texte : frappe au clavier français, Maj, chiffres, retour arrière, validation et annulation.
#include "ecriture_3d_pkg.hpp"
#include "evenements_de_test.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace evenements_de_test;
using bouton_ecriture_pkg::t_bouton_ecriture;
using ecriture_3d_pkg::ecriture_affichable;
namespace t = evenement_pkg::touches;

using emissions = std::vector<std::pair<std::string, std::string>>;

struct Ecriture : testing::Test {
    chaine_de_test chaine;
    sans_selection selection;
    std::shared_ptr<ecriture_affichable> champ = std::make_shared<ecriture_affichable>(selection);

    void SetUp() override {
        champ->initialiser();
        champ->activer();
    }
    void TearDown() override { champ->desactiver(); }

    void taper(std::initializer_list<evenement_pkg::evenement> touches) {
        for (const auto& e : touches) {
            EXPECT_TRUE(chaine.offrir(e)) << "touche " << e.touche << " non consommée";
        }
    }
};

TEST_F(Ecriture, LesLettresSuiventLeClavierFrancaisEtMajLesMetEnCapitale) {
    const bool maj = true;
    // Position des touches sur un clavier QWERTY, caractère imprimé sur l'AZERTY.
    const std::vector<std::tuple<std::int32_t, bool, std::string>> cas = {
        {'a', false, "q"}, {'q', false, "a"}, {'z', false, "w"}, {'w', false, "z"}, {'b', false, "b"},
        {'a', maj, "Q"},   {'q', maj, "A"},   {'z', maj, "W"},   {'w', maj, "Z"},   {'e', maj, "E"},
        {';', false, "m"}, {';', maj, "M"},   {'m', false, ""},  {'m', maj, ""},    {',', false, ""},
        {',', maj, ""},    {':', false, ""},  {':', maj, ""},    {'?', false, ""},  {'?', maj, ""},
        {'7', false, "7"}, {'7', maj, "7"},   {t::PAVE_0, false, "0"}, {t::PAVE_0 + 9, maj, "9"},
        {t::ESPACE, false, " "},
    };
    for (const auto& [symbole, majuscule, ajoute] : cas) {
        champ->reset_texte();
        EXPECT_TRUE(chaine.offrir(touche(symbole, majuscule))) << symbole;
        EXPECT_EQ(champ->obtenir_texte(), ajoute) << "touche " << symbole << (majuscule ? " avec Maj" : "");
        EXPECT_EQ(champ->obtenir_affichage()->obtenir_texte(), ajoute) << "le champ montre le texte tapé";
    }
}

TEST_F(Ecriture, RetourArriereEffaceLeDernierCaractereEtRienSurUnTexteVide) {
    champ->reset_texte();
    taper({touche('b'), touche('o'), touche('b'), touche(t::RETOUR_ARRIERE)});
    EXPECT_EQ(champ->obtenir_texte(), "bo");
    taper({touche(t::RETOUR_ARRIERE), touche(t::RETOUR_ARRIERE), touche(t::RETOUR_ARRIERE)});
    EXPECT_EQ(champ->obtenir_texte(), "");
    EXPECT_EQ(champ->obtenir_affichage()->obtenir_texte(), "");
}

TEST_F(Ecriture, EntreeEmetLeTexteTapeEtFermeLaSaisie) {
    champ->reset_texte();
    taper({touche('a', true), touche('l'), touche('i'), touche('c'), touche('e'), touche('2')});
    for (const auto& confirmer : {touche(t::ENTREE), nomme("ecriture_valider")}) {
        champ->activer();
        EXPECT_TRUE(chaine.offrir(confirmer));
        EXPECT_EQ(chaine.emis(), (emissions{{"valider_ecriture", "Qlice2"}}));
        EXPECT_FALSE(champ->est_actif());
        EXPECT_TRUE(chaine_de_test::recepteurs().empty());
    }
}

TEST_F(Ecriture, EchapLaisseUnBlancQueLaValidationRefuseJusquACeQuOnTapeApres) {
    taper({touche('x')});
    for (const auto& annuler : {touche(t::ECHAP), nomme("ecriture_precedent")}) {
        champ->activer();
        EXPECT_TRUE(chaine.offrir(annuler));
        EXPECT_EQ(chaine.emis(), (emissions{{"annuler_ecriture", "(rien)"}}));
        EXPECT_EQ(champ->obtenir_texte(), " ");
        EXPECT_EQ(champ->obtenir_affichage()->obtenir_texte(), " ");
        EXPECT_FALSE(champ->est_actif());
    }
    // Réouverte, la saisie garde le blanc : Entrée ne fait rien, ce qui est tapé vient après.
    champ->activer();
    taper({touche(t::ENTREE), nomme("ecriture_valider")});
    EXPECT_TRUE(chaine.emis().empty());
    EXPECT_TRUE(champ->est_actif());
    taper({touche('d'), touche(t::ENTREE)});
    EXPECT_EQ(chaine.emis(), (emissions{{"valider_ecriture", " d"}}));
}

TEST_F(Ecriture, ApresRemiseAZeroEntreeEmetLeTexteVide) {
    EXPECT_EQ(champ->obtenir_texte(), "");  // le champ montre un blanc, le texte saisi est vide
    EXPECT_EQ(champ->obtenir_affichage()->obtenir_texte(), " ");
    taper({touche(t::ENTREE)});
    EXPECT_EQ(chaine.emis(), (emissions{{"valider_ecriture", ""}}));
}

TEST_F(Ecriture, LesToucheInconnuesPassentEtLaChaineEstSourisClavierPuisNommes) {
    ASSERT_EQ(chaine_de_test::recepteurs().size(), 3u);
    for (const auto& e : {touche(t::HAUT), touche(t::TABULATION), touche('-'), touche('.'), touche(t::F1),
                          touche(t::PAVE_PLUS), nomme("valider_ecriture"), nomme("precedent")}) {
        EXPECT_FALSE(chaine.offrir(e)) << e.touche << e.nom;
    }
    auto relachee = touche('a');
    relachee.type = evenement_pkg::TOUCHE_RELACHEE;
    EXPECT_FALSE(chaine.offrir(relachee));
    EXPECT_EQ(champ->obtenir_texte(), "");
    EXPECT_TRUE(chaine.emis().empty());

    // Le récepteur de la souris, en tête, consomme tout mouvement dès qu'il a sa racine : la saisie.
    evenement_pkg::evenement mouvement;
    mouvement.type = evenement_pkg::SOURIS_BOUGE;
    EXPECT_TRUE(chaine.offrir(mouvement));
}

TEST_F(Ecriture, LesBoutonsEmettentLeursEvenementsQueLaSaisieTraduit) {
    const evenement_pkg::evenement souris;
    const auto ok = champ->obtenir_bouton(t_bouton_ecriture::VALIDER);
    const auto retour = champ->obtenir_bouton(t_bouton_ecriture::PRECEDENT);
    EXPECT_FLOAT_EQ(ok->obtenir_echelle(), 1.4f);
    ok->sourisentre(souris);
    EXPECT_FLOAT_EQ(ok->obtenir_echelle(), 1.6f);
    ok->sourissort(souris);
    EXPECT_FLOAT_EQ(ok->obtenir_echelle(), 1.4f);
    EXPECT_EQ(ok->obtenir_position(), (objet_3d_pkg::coordonnee_3d{4.0f, -1.5f, 0.0f}));
    EXPECT_EQ(retour->obtenir_position(), (objet_3d_pkg::coordonnee_3d{0.0f, -1.5f, 0.0f}));

    taper({touche('n')});
    ok->sourisrelache(souris);
    auto emis = chaine.emis();
    ASSERT_EQ(emis, (emissions{{"ecriture_valider", "(rien)"}}));
    // L'événement du bouton revient par la file et devient la validation du texte.
    EXPECT_TRUE(chaine.offrir(nomme(emis.front().first)));
    EXPECT_EQ(chaine.emis(), (emissions{{"valider_ecriture", "n"}}));

    champ->activer();
    retour->sourisrelache(souris);
    EXPECT_TRUE(chaine.offrir(nomme(chaine.emis().front().first)));
    EXPECT_EQ(chaine.emis(), (emissions{{"annuler_ecriture", "(rien)"}}));
}

TEST(BoutonEcriture, DessinerAvantConstructionLeveSonErreur) {
    bouton_ecriture_pkg::bouton_ecriture b(t_bouton_ecriture::PRECEDENT);
    EXPECT_THROW(b.afficher(), bouton_ecriture_pkg::ERREUR_BOUTON_NON_INITIALISE);
}

} // namespace
