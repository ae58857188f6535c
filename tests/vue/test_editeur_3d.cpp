// Écran de l'éditeur sans fenêtre : une grille toute peinte n'est pas une partie gagnée, le curseur suit la phase,
// le panneau droit dit la taille, la complexité, le verdict et la sauvegarde.
#include "editeur_3d_pkg.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

using case_simple_pkg::coordonnees;
using interface_editeur_droite_pkg::sauvegarde;
using interface_editeur_droite_pkg::valeurs_panneau;
using interface_editeur_droite_pkg::verdict;

struct EcranEditeur : testing::Test {
    editeur_pkg::editeur_ptr modele = std::make_shared<editeur_pkg::editeur>();
    std::shared_ptr<editeur_3d_pkg::editeur_affichable> ecran = std::make_shared<editeur_3d_pkg::editeur_affichable>();

    void ouvrir(int taille) {
        modele->initialiser(taille, "essai");
        ecran->initialiser(modele);
    }
    bool une_tuile_finie() const {
        const int t = modele->obtenir_grille()->taille();
        for (int x = 1; x <= t; ++x) {
            for (int y = 1; y <= t; ++y) {
                if (ecran->obtenir_la_grille()->obtenir_case_affichable({x, y})->case_est_fini()) return true;
            }
        }
        return false;
    }
};

// Sans case terminale, la grille de l'éditeur passerait pour résolue auprès d'un écran de partie.
TEST_F(EcranEditeur, LeDessinNEstPasUnePartieGagneeEtLeCurseurSuitLaPhase) {
    ouvrir(4);
    ASSERT_TRUE(modele->obtenir_partie()->est_valide());
    ecran->mettre_a_jour(true, {});
    EXPECT_FALSE(une_tuile_finie());
    EXPECT_TRUE(ecran->curseur_est_montre());

    modele->placer_curseur({3, 2});
    ecran->doit_etre_modifie();
    ecran->mettre_a_jour(true, {});
    EXPECT_EQ(ecran->obtenir_le_curseur()->obtenir_coordonnees(), (coordonnees{3, 2}));

    modele->generation_des_chemins(4, modele->obtenir_grille());
    ecran->montrer_generation();
    ecran->mettre_a_jour(false, {});
    EXPECT_FALSE(ecran->curseur_est_montre());
    EXPECT_FALSE(une_tuile_finie());
    // Les tuiles reconstruites portent les cases terminales posées par la génération.
    const auto premier = grille_pkg::listes_chemins::get_elem(modele->obtenir_grille()->obtenir_solution());
    const auto tuile = ecran->obtenir_la_grille()->obtenir_case_affichable(premier->nieme_coord(1));
    EXPECT_TRUE(case_terminale_pkg::est_case_terminale(tuile->obtenir_case_affichee()));
}

TEST_F(EcranEditeur, JusquASeizeCasesPasDeZoomAuDelaLaVueEtendueSeRapproche) {
    ouvrir(16);
    EXPECT_EQ(ecran->obtenir_vue(), editeur_3d_pkg::etat_vue::NORMAL);
    ecran->modifier_plan_vue();
    EXPECT_EQ(ecran->obtenir_vue(), editeur_3d_pkg::etat_vue::NORMAL);

    ecran = std::make_shared<editeur_3d_pkg::editeur_affichable>();
    ouvrir(17);
    EXPECT_EQ(ecran->obtenir_vue(), editeur_3d_pkg::etat_vue::ETENDU);
    ecran->mettre_a_jour(true, {});
    EXPECT_FLOAT_EQ(ecran->obtenir_coef_echelle(), 10.0f / 17.0f);
    ecran->modifier_plan_vue();
    ecran->mettre_a_jour(true, {});
    EXPECT_EQ(ecran->obtenir_vue(), editeur_3d_pkg::etat_vue::ZOOM);
    EXPECT_FLOAT_EQ(ecran->obtenir_coef_echelle(), editeur_3d_pkg::coef_min);
    EXPECT_EQ(ecran->obtenir_panneau_droit()->obtenir_bouton_zoom()->obtenir_etiquette()->obtenir_texte(), " -");
}

TEST(PanneauEditeur, TailleComplexiteVerdictEtSauvegarde) {
    interface_editeur_droite_pkg::interface_editeur_droite_affichable panneau;
    panneau.initialiser();
    const struct {
        verdict v;
        std::string texte;
    } verdicts[] = {
        {verdict::aucun, ""},
        {verdict::unique, "Solution unique"},
        {verdict::plusieurs, "Plusieurs solutions"},
        {verdict::non_prouve, "Unicité non prouvée"},
    };
    for (const auto& [v, texte] : verdicts) {
        panneau.mettre_a_jour({.nom_grille = "Fusée", .taille = 12, .complexite = 8, .unicite = v});
        EXPECT_EQ(panneau.obtenir_verdict(), texte);
    }
    EXPECT_EQ(panneau.obtenir_nom_grille()->obtenir_texte(), "Fusée");
    EXPECT_EQ(panneau.obtenir_taille()->obtenir_texte(), " 12 x 12");
    EXPECT_EQ(panneau.obtenir_complexite()->obtenir_texte(), " 8");
    valeurs_panneau valeurs;
    for (const auto& [s, texte] :
         {std::pair{sauvegarde::reussie, "Sauvegardée"}, {sauvegarde::echouee, "Échec sauvegarde"}}) {
        valeurs.derniere_sauvegarde = s;
        panneau.mettre_a_jour(valeurs);
        EXPECT_EQ(panneau.obtenir_sauvegarde()->obtenir_texte(), texte);
    }
}

TEST(EcranEditeurSansModele, DessinerAvantInitialiserLeveSonErreur) {
    editeur_3d_pkg::editeur_affichable e;
    EXPECT_THROW(e.afficher(), editeur_3d_pkg::ERREUR_EDITEUR_AFFICHABLE_NON_INITIALISE);
    interface_editeur_droite_pkg::interface_editeur_droite_affichable p;
    EXPECT_THROW(p.afficher(), interface_editeur_droite_pkg::ERREUR_INTERFACE_EDITEUR_DROITE_NON_INITIALISE);
}

} // namespace
