// Menu principal sans fenêtre : entrées, ligne du clavier, récepteurs du menu et changements de mode.
#include "controleur_menu_pkg.hpp"
#include "controleur_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "menu_3d_pkg.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using controleur_pkg::etat_principal;
using evenement_pkg::evenement;
namespace touches = evenement_pkg::touches;

evenement touche(std::int32_t symbole) {
    evenement e;
    e.type = evenement_pkg::TOUCHE_APPUYEE;
    e.touche = symbole;
    return e;
}

// Tout au fond de la chaîne : ne voit que les événements que personne n'a consommés.
struct temoin : recepteur_pkg::recepteur {
    bool vu = false;
    bool accepter(evenement&) override { return vu = true; }
};

// Le jeu tel qu'au démarrage : retour au menu au fond de la chaîne, menu actif et construit.
struct Menu : testing::Test {
    temoin fond;
    controleur_menu_pkg::recepteur_retour_menu retour;
    std::shared_ptr<menu_3d_pkg::menu_affichable> le_menu = controleur_menu_pkg::obtenir_element_racine();

    void SetUp() override {
        gestion_evenements_pkg::empiler_recepteur(&fond);
        gestion_evenements_pkg::empiler_recepteur(&retour);
        controleur_menu_pkg::activer();
        le_menu->initialiser();
    }

    // Vrai si un récepteur du jeu a consommé l'événement.
    bool traiter(evenement e) {
        fond.vu = false;
        gestion_evenements_pkg::traiter_evenement(e);
        return !fond.vu;
    }

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
    EXPECT_EQ(controleur_menu_pkg::obtenir_courante(), 3);
    EXPECT_EQ(lignes_allumees(), std::vector<int>{3});
    EXPECT_EQ(entree_ligne(1)->obtenir_texte()->obtenir_couleur(), affichage_texte_pkg::blanc);

    editeur->sourissort({});
    EXPECT_EQ(lignes_allumees(), std::vector<int>{3});
    le_menu->entrees().gerer_conflit_controleur();
    EXPECT_EQ(controleur_menu_pkg::obtenir_courante(), 3);
    traiter(touche(touches::BAS));
    EXPECT_EQ(lignes_allumees(), std::vector<int>{4});
}

TEST_F(Menu, HautEtBasSArretentAuxBordsDuMenu) {
    EXPECT_TRUE(traiter(touche(touches::HAUT)));
    EXPECT_EQ(controleur_menu_pkg::obtenir_courante(), 1);
    for (int i = 0; i < 10; ++i) {
        traiter(touche(touches::BAS));
    }
    EXPECT_EQ(controleur_menu_pkg::obtenir_courante(), 7);
    EXPECT_EQ(lignes_allumees(), std::vector<int>{7});
    traiter(touche(touches::HAUT));
    EXPECT_EQ(controleur_menu_pkg::obtenir_courante(), 6);
}

// Chaque entrée, par son événement nommé puis par Entrée sur sa ligne, mène au même mode.
TEST_F(Menu, CliquerUneEntreeOuValiderSaLigneOuvreLeMemeMode) {
    const std::vector<std::pair<std::string, etat_principal>> cas = {
        {"jeu_campagne", etat_principal::JEU}, {"jeu_libre", etat_principal::LIBRE},
        {"editeur", etat_principal::EDITEUR},  {"aide", etat_principal::AIDE},
        {"musique", etat_principal::SON},      {"credits", etat_principal::CREDITS}};
    for (int l = 1; l <= static_cast<int>(cas.size()); ++l) {
        const auto& [nom, mode] = cas[l - 1];
        EXPECT_TRUE(traiter(gestion_evenements_pkg::obtenir_evenement_nomme(nom))) << nom;
        EXPECT_EQ(controleur_pkg::obtenir_etat(), mode) << nom;
        EXPECT_FALSE(controleur_menu_pkg::est_actif()) << nom;
        traiter(touche(touches::ECHAP));  // le retour au menu du fond de la chaîne
        ASSERT_EQ(controleur_pkg::obtenir_etat(), etat_principal::MENU) << nom;

        le_menu->entrees().modifier_ligne_courante(l);
        EXPECT_TRUE(traiter(touche(touches::ENTREE)));
        EXPECT_EQ(controleur_pkg::obtenir_etat(), mode) << nom;
        traiter(touche(touches::ECHAP));
    }
    EXPECT_FALSE(controleur_pkg::est_termine());
}

// La fin demandée ne se défait pas : chaque façon de quitter est essayée dans un processus à part.
TEST_F(Menu, QuitterParLEntreeParEntreeOuParEchapTermineLeProgramme) {
    const auto termine_par = [this](const std::vector<evenement>& evenements) {
        for (const evenement& e : evenements) {
            traiter(e);
        }
        std::exit(controleur_pkg::est_termine() && controleur_pkg::obtenir_etat() == etat_principal::MENU ? 0 : 1);
    };
    EXPECT_EXIT(termine_par({gestion_evenements_pkg::obtenir_evenement_nomme("quitter")}), testing::ExitedWithCode(0),
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
    const std::vector<evenement> inconnus = {gestion_evenements_pkg::obtenir_evenement_nomme("valider"),
                                             gestion_evenements_pkg::obtenir_evenement_nomme("mmusique"), touche('a'),
                                             touche(touches::GAUCHE), touche(touches::ESPACE)};
    for (evenement e : inconnus) {
        EXPECT_FALSE(traiter(e)) << e.nom << e.touche;
    }
    evenement relachee = touche(touches::ECHAP);
    relachee.type = evenement_pkg::TOUCHE_RELACHEE;
    EXPECT_FALSE(traiter(relachee));
    EXPECT_EQ(controleur_pkg::obtenir_etat(), etat_principal::MENU);
    EXPECT_EQ(controleur_menu_pkg::obtenir_courante(), 1);
    EXPECT_FALSE(controleur_pkg::est_termine());
}

TEST_F(Menu, LesRecepteursDuMenuSontDevantLeRetourEtNeSontEmpilesQuUneFois) {
    using chaine = gestion_evenements_pkg::liste_recepteurs_pkg;
    controleur_menu_pkg::activer();
    ASSERT_EQ(chaine::taille_liste(gestion_evenements_pkg::obtenir_chaine_recepteurs()), 5);
    EXPECT_EQ(chaine::obtenir_elem(gestion_evenements_pkg::obtenir_chaine_recepteurs(), 4), &retour);

    controleur_pkg::modifier_etat(etat_principal::CREDITS);
    controleur_pkg::modifier_etat(etat_principal::JEU);  // les crédits n'ont jamais été dessinés
    controleur_menu_pkg::desactiver();
    EXPECT_EQ(chaine::taille_liste(gestion_evenements_pkg::obtenir_chaine_recepteurs()), 2);
}

} // namespace
