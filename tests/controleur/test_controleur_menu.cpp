// Menu principal sans fenêtre : entrées, ligne du clavier, récepteurs du menu et changements de mode.
#include "banc_application.hpp"
#include "controleur_menu_pkg.hpp"
#include "menu_3d_pkg.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using evenement_pkg::evenement;
using evenements_de_test::nomme;
using evenements_de_test::touche;
using mode_pkg::etat_principal;
namespace touches = evenement_pkg::touches;

// Le jeu tel qu'au démarrage : le menu, mode courant, construit.
struct Menu : testing::Test {
    banc_application::banc banc;
    controleur_menu_pkg::controleur_menu& menu = banc.mode<controleur_menu_pkg::controleur_menu>(etat_principal::MENU);
    std::shared_ptr<menu_3d_pkg::menu_affichable> le_menu = menu.obtenir_element_racine();

    // Vrai si l'événement a servi.
    bool traiter(evenement e) { return banc.envoyer(std::move(e)); }

    bouton_menu_pkg::classe_bouton_menu entree_ligne(int l) const { return le_menu->entrees().obtenir_entree(l); }

    std::vector<int> lignes_allumees() const {
        std::vector<int> allumees;
        for (int l = 1; l <= menu_3d_pkg::nombre_entrees; ++l) {
            if (entree_ligne(l)->est_surbrillant()) {
                allumees.push_back(l);
            }
        }
        return allumees;
    }
};

TEST_F(Menu, SeptEntreesSousLeTitreDevantLesEtoilesEtCampagneAllumeeAuDepart) {
    const std::vector<std::pair<std::string, std::string>> attendues = {
        {"Campagne", "jeu_campagne"}, {"Grilles Libres", "jeu_libre"}, {"Editeur", "editeur"}, {"Aide", "aide"},
        {"Options musique", "musique"}, {"Credits", "credits"},        {"Quitter", "quitter"}};
    for (int l = 1; l <= menu_3d_pkg::nombre_entrees; ++l) {
        const auto entree = entree_ligne(l);
        EXPECT_EQ(entree->obtenir_texte()->obtenir_texte(), attendues[l - 1].first);
        EXPECT_EQ(entree->obtenir_nom_action(), attendues[l - 1].second);
        // La ligne L est en position 9 - L des sous-objets : le champ d'étoiles en tête, le titre en dernier.
        EXPECT_EQ(le_menu->obtenir_nieme_objets(9 - l), entree);
    }
    EXPECT_NEAR(entree_ligne(1)->obtenir_position().y - entree_ligne(6)->obtenir_position().y, 6.5f, 1e-5f);
    EXPECT_NEAR(entree_ligne(7)->obtenir_position().y, -4.5f, 1e-5f);

    const auto campagne = entree_ligne(1)->obtenir_texte();
    EXPECT_EQ(lignes_allumees(), std::vector<int>{1});
    EXPECT_EQ(campagne->obtenir_couleur(), affichage_texte_pkg::bleu);
    EXPECT_FLOAT_EQ(campagne->obtenir_echelle(), 1.5f);

    le_menu->initialiser();
    EXPECT_EQ(objet_3d_pkg::l_obj3d::taille_liste(le_menu->obtenir_sous_objets()), 9);
}

TEST_F(Menu, LaSourisDonneLaLigneDuClavierAuDessinSuivantEtLaQuitterLaLaisseAllumee) {
    const auto editeur = entree_ligne(3);
    editeur->sourisentre({});
    EXPECT_EQ(lignes_allumees(), (std::vector<int>{1, 3}));
    le_menu->entrees().gerer_conflit_controleur();
    EXPECT_EQ(menu.obtenir_courante(), 3);
    EXPECT_EQ(lignes_allumees(), std::vector<int>{3});
    EXPECT_EQ(entree_ligne(1)->obtenir_texte()->obtenir_couleur(), affichage_texte_pkg::blanc);

    editeur->sourissort({});
    EXPECT_EQ(lignes_allumees(), std::vector<int>{3});
    le_menu->entrees().gerer_conflit_controleur();
    EXPECT_EQ(menu.obtenir_courante(), 3);
    traiter(touche(touches::BAS));
    EXPECT_EQ(lignes_allumees(), std::vector<int>{4});
}

TEST_F(Menu, HautEtBasSArretentAuxBordsDuMenu) {
    EXPECT_TRUE(traiter(touche(touches::HAUT)));
    EXPECT_EQ(menu.obtenir_courante(), 1);
    for (int i = 0; i < 10; ++i) {
        traiter(touche(touches::BAS));
    }
    EXPECT_EQ(menu.obtenir_courante(), 7);
    EXPECT_EQ(lignes_allumees(), std::vector<int>{7});
    traiter(touche(touches::HAUT));
    EXPECT_EQ(menu.obtenir_courante(), 6);
}

// Chaque entrée, par son événement nommé puis par Entrée sur sa ligne, mène au même mode.
TEST_F(Menu, CliquerUneEntreeOuValiderSaLigneOuvreLeMemeMode) {
    const std::vector<std::pair<std::string, etat_principal>> cas = {
        {"jeu_campagne", etat_principal::JEU}, {"jeu_libre", etat_principal::LIBRE},
        {"editeur", etat_principal::EDITEUR},  {"aide", etat_principal::AIDE},
        {"musique", etat_principal::SON},      {"credits", etat_principal::CREDITS}};
    for (int l = 1; l <= static_cast<int>(cas.size()); ++l) {
        const auto& [nom, mode] = cas[l - 1];
        EXPECT_TRUE(traiter(nomme(nom))) << nom;
        EXPECT_EQ(banc.etat(), mode) << nom;
        EXPECT_TRUE(menu.chaine().recepteurs().empty()) << nom;
        traiter(touche(touches::ECHAP));
        ASSERT_EQ(banc.etat(), etat_principal::MENU) << nom;

        le_menu->entrees().modifier_ligne_courante(l);
        EXPECT_TRUE(traiter(touche(touches::ENTREE)));
        EXPECT_EQ(banc.etat(), mode) << nom;
        traiter(touche(touches::ECHAP));
    }
    EXPECT_FALSE(banc.est_termine());
}

// La fin demandée ne se défait pas : chaque façon de quitter est essayée dans un processus à part.
TEST_F(Menu, QuitterParLEntreeParEntreeOuParEchapTermineLeProgramme) {
    const auto termine_par = [this](const std::vector<evenement>& evenements) {
        for (const evenement& e : evenements) {
            traiter(e);
        }
        std::exit(banc.est_termine() && banc.etat() == etat_principal::MENU ? 0 : 1);
    };
    EXPECT_EXIT(termine_par({nomme("quitter")}), testing::ExitedWithCode(0),
                "");
    EXPECT_EXIT(termine_par({touche(touches::ECHAP)}), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(termine_par({touche(touches::HAUT), touche(touches::HAUT)}), testing::ExitedWithCode(1), "");
    EXPECT_EXIT(
        {
            le_menu->entrees().modifier_ligne_courante(7);
            termine_par({touche(touches::ENTREE)});
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(Menu, LesEvenementsQueLeMenuNeConnaitPasPassentAuSuivant) {
    const std::vector<evenement> inconnus = {nomme("valider"),
                                             nomme("mmusique"), touche('a'),
                                             touche(touches::GAUCHE), touche(touches::ESPACE)};
    for (evenement e : inconnus) {
        EXPECT_FALSE(traiter(e)) << e.nom << e.touche;
    }
    evenement relachee = touche(touches::ECHAP);
    relachee.type = evenement_pkg::TOUCHE_RELACHEE;
    EXPECT_FALSE(traiter(relachee));
    EXPECT_EQ(banc.etat(), etat_principal::MENU);
    EXPECT_EQ(menu.obtenir_courante(), 1);
    EXPECT_FALSE(banc.est_termine());
}

TEST_F(Menu, SesRecepteursNeSontDansSaChaineQuUneFoisEtPartentAvecLui) {
    const auto recepteurs = menu.chaine().recepteurs();
    EXPECT_EQ(recepteurs.size(), 2u);  // entrées et clavier, puis souris
    menu.entrer();
    EXPECT_EQ(menu.chaine().recepteurs(), recepteurs);
    banc.aller_a(etat_principal::CREDITS);
    EXPECT_TRUE(menu.chaine().recepteurs().empty());
    banc.aller_a(etat_principal::MENU);
    EXPECT_EQ(menu.chaine().recepteurs(), recepteurs);
}

} // namespace
