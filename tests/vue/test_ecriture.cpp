// Saisie de texte : caractères saisis selon la disposition du clavier, retour arrière, validation et annulation.
#include "bruitages_pkg.hpp"
#include "ecriture_3d_pkg.hpp"
#include "evenements_de_test.hpp"
#include "recepteurs_ecriture_pkg.hpp"
#include "texte_utf8_pkg.hpp"

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
    std::shared_ptr<ecriture_affichable> champ = std::make_shared<ecriture_affichable>();
    recepteurs_ecriture_pkg::recepteurs_ecriture recepteurs{champ, chaine.chaine(), chaine.file(), selection};

    void SetUp() override {
        champ->initialiser();
        recepteurs.ouvrir();
    }

    void taper(std::initializer_list<evenement_pkg::evenement> touches) {
        for (const auto& e : touches) {
            EXPECT_TRUE(chaine.offrir(e)) << "touche " << e.touche << " non consommée";
        }
    }
};

TEST_F(Ecriture, LeTexteSaisiEntreTelQuelSaufCeQuiNeVaPasDansUnNomDeFichier) {
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"q", "q"},         {"Q", "Q"},           {"7", "7"},
        {" ", " "},         {"é", "é"},           {"Fusée", "Fusée"},
        {"ÀÇÈÉÊËÎÏÔÙÛÜ", "ÀÇÈÉÊËÎÏÔÙÛÜ"},         {"àâæçèêëîïôùûüÿ", "àâæçèêëîïôùûüÿ"},
        {"a-b.c/d\\e", "abcde"}, {":;,?!", ""},     {"€", ""},
        {"œŒŸ", ""},        {"ñß", ""},           {"\t\n", ""},
    };
    for (const auto& [tape, ajoute] : cas) {
        champ->reset_texte();
        const int erreurs = bruitages_pkg::obtenir_comptes().erreur;
        EXPECT_TRUE(chaine.offrir(saisie(tape))) << tape;
        EXPECT_EQ(champ->obtenir_texte(), ajoute) << tape;
        EXPECT_EQ(champ->obtenir_affichage()->obtenir_texte(), ajoute) << "le champ montre le texte tapé";
        const auto refuses = texte_utf8_pkg::nombre_caracteres(tape) - texte_utf8_pkg::nombre_caracteres(ajoute);
        EXPECT_EQ(bruitages_pkg::obtenir_comptes().erreur, erreurs + static_cast<int>(refuses))
            << "un son d'erreur par caractère refusé";
    }
}

// Le caractère d'une touche vient du texte saisi qui la suit : la touche seule n'ajoute rien, mais elle est prise,
// pour qu'aucun récepteur derrière la saisie ne la voie.
TEST_F(Ecriture, LesTouchesQuiEcriventSontPrisesSansRienAjouter) {
    for (const std::int32_t symbole : {std::int32_t{'a'}, std::int32_t{'q'}, std::int32_t{'7'}, t::PAVE_0, t::ESPACE,
                                       std::int32_t{';'}, std::int32_t{'-'}, std::int32_t{'.'}, std::int32_t{'\''}}) {
        EXPECT_TRUE(chaine.offrir(touche(symbole))) << symbole;
    }
    EXPECT_EQ(champ->obtenir_texte(), "");
}

TEST_F(Ecriture, RetourArriereEffaceLeDernierCaractereEtRienSurUnTexteVide) {
    champ->reset_texte();
    taper({saisie("bébé"), touche(t::RETOUR_ARRIERE)});
    EXPECT_EQ(champ->obtenir_texte(), "béb");
    taper({touche(t::RETOUR_ARRIERE)});
    EXPECT_EQ(champ->obtenir_texte(), "bé");
    taper({touche(t::RETOUR_ARRIERE)});
    EXPECT_EQ(champ->obtenir_texte(), "b") << "le « é » part en entier, pas un octet";
    taper({touche(t::RETOUR_ARRIERE), touche(t::RETOUR_ARRIERE)});
    EXPECT_EQ(champ->obtenir_texte(), "");
    EXPECT_EQ(champ->obtenir_affichage()->obtenir_texte(), "");
}

TEST_F(Ecriture, EntreeEmetLeTexteTapeEtFermeLaSaisie) {
    champ->reset_texte();
    taper({saisie("Élise"), saisie("2")});
    for (const auto& confirmer : {touche(t::ENTREE), nomme("ecriture_valider")}) {
        recepteurs.ouvrir();
        EXPECT_TRUE(chaine.offrir(confirmer));
        EXPECT_EQ(chaine.emis(), (emissions{{"valider_ecriture", "Élise2"}}));
        EXPECT_FALSE(recepteurs.est_ouverte());
        EXPECT_TRUE(chaine.recepteurs().empty());
    }
}

TEST_F(Ecriture, EchapLaisseUnBlancQueLaValidationRefuseJusquACeQuOnTapeApres) {
    taper({saisie("x")});
    for (const auto& annuler : {touche(t::ECHAP), nomme("ecriture_precedent")}) {
        recepteurs.ouvrir();
        EXPECT_TRUE(chaine.offrir(annuler));
        EXPECT_EQ(chaine.emis(), (emissions{{"annuler_ecriture", "(rien)"}}));
        EXPECT_EQ(champ->obtenir_texte(), " ");
        EXPECT_EQ(champ->obtenir_affichage()->obtenir_texte(), " ");
        EXPECT_FALSE(recepteurs.est_ouverte());
    }
    // Réouverte, la saisie garde le blanc : Entrée ne fait rien, ce qui est tapé vient après.
    recepteurs.ouvrir();
    taper({touche(t::ENTREE), nomme("ecriture_valider")});
    EXPECT_TRUE(chaine.emis().empty());
    EXPECT_TRUE(recepteurs.est_ouverte());
    taper({saisie("d"), touche(t::ENTREE)});
    EXPECT_EQ(chaine.emis(), (emissions{{"valider_ecriture", " d"}}));
}

TEST_F(Ecriture, ApresRemiseAZeroEntreeEmetLeTexteVide) {
    EXPECT_EQ(champ->obtenir_texte(), "");  // le champ montre un blanc, le texte saisi est vide
    EXPECT_EQ(champ->obtenir_affichage()->obtenir_texte(), " ");
    taper({touche(t::ENTREE)});
    EXPECT_EQ(chaine.emis(), (emissions{{"valider_ecriture", ""}}));
}

TEST_F(Ecriture, LesToucheInconnuesPassentEtLaChaineEstSourisPuisTexte) {
    ASSERT_EQ(chaine.recepteurs().size(), 2u);
    for (const auto& e : {touche(t::HAUT), touche(t::TABULATION), touche(t::F1), touche(t::PAVE_PLUS),
                          touche(t::PAVE_ENTREE), nomme("valider_ecriture"), nomme("precedent")}) {
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

TEST_F(Ecriture, LesBoutonsRapportentLeursEvenementsQueLaSaisieTraduit) {
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

    taper({saisie("n")});
    ok->sourisrelache(souris);
    auto emis = rapports(*ok);
    ASSERT_EQ(emis, (emissions{{"ecriture_valider", "(rien)"}}));
    // L'événement rapporté par le bouton revient par la file et devient la validation du texte.
    EXPECT_TRUE(chaine.offrir(nomme(emis.front().first)));
    EXPECT_EQ(chaine.emis(), (emissions{{"valider_ecriture", "n"}}));

    recepteurs.ouvrir();
    retour->sourisrelache(souris);
    EXPECT_TRUE(chaine.offrir(nomme(rapports(*retour).front().first)));
    EXPECT_EQ(chaine.emis(), (emissions{{"annuler_ecriture", "(rien)"}}));
}

TEST(BoutonEcriture, DessinerAvantConstructionLeveSonErreur) {
    bouton_ecriture_pkg::bouton_ecriture b(t_bouton_ecriture::PRECEDENT);
    EXPECT_THROW(b.afficher(), bouton_ecriture_pkg::ERREUR_BOUTON_NON_INITIALISE);
}

} // namespace
