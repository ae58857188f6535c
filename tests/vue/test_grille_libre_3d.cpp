// Écran du jeu libre sans fenêtre : vue normale, étendue et rapprochée, défilement qui suit le curseur.
#include "grille_libre_3d_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

using case_simple_pkg::coordonnees;
using grille_libre_3d_pkg::etat_vue;

std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> ecran(int taille) {
    auto partie = std::make_shared<grille_libre_pkg::grille_libre>();
    partie->initialiser(taille, "essai");
    auto e = std::make_shared<grille_libre_3d_pkg::grille_libre_affichable>();
    e->initialiser(partie, partie->obtenir_chemin_aide_courant());
    return e;
}

TEST(GrilleLibreAffichable, JusquASeizeCasesLaGrilleEntiereSeMontreEtNeSeRapprochePas) {
    const auto e = ecran(16);
    EXPECT_EQ(e->obtenir_vue(), etat_vue::NORMAL);
    EXPECT_FLOAT_EQ(e->obtenir_coef_echelle(), 0.625f);
    e->modifier_plan_vue();
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_vue(), etat_vue::NORMAL);
    EXPECT_FLOAT_EQ(e->obtenir_coef_echelle(), 0.625f);
}

TEST(GrilleLibreAffichable, AuDelaLaVueEtendueBasculeEnVueRapprocheeCentreeSurLeCurseur) {
    EXPECT_EQ(ecran(17)->obtenir_vue(), etat_vue::ETENDU);
    const auto e = ecran(20);
    EXPECT_EQ(e->obtenir_vue(), etat_vue::ETENDU);
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_FLOAT_EQ(e->obtenir_coef_echelle(), 10.0f / 20.0f);
    EXPECT_EQ(e->obtenir_element_droite()->obtenir_bouton_zoom()->obtenir_etiquette()->obtenir_texte(), "+");

    e->obtenir_la_partie()->deplacer_curseur({10, 10});
    e->modifier_plan_vue();
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_vue(), etat_vue::ZOOM);
    EXPECT_EQ(e->obtenir_centre(), (coordonnees{10, 10}));
    EXPECT_FLOAT_EQ(e->obtenir_coef_echelle(), grille_libre_3d_pkg::coef_min);
    EXPECT_EQ(e->obtenir_element_droite()->obtenir_bouton_zoom()->obtenir_etiquette()->obtenir_texte(), " -");

    // Une case par mise à jour, un seul axe, x d'abord.
    e->obtenir_la_partie()->deplacer_curseur({17, 18});
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_centre(), (coordonnees{11, 10}));
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_centre(), (coordonnees{11, 11}));
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_centre(), (coordonnees{11, 11}));

    e->modifier_plan_vue();
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_vue(), etat_vue::ETENDU);
    EXPECT_FLOAT_EQ(e->obtenir_coef_echelle(), 10.0f / 20.0f);
}

TEST(GrilleLibreAffichable, LeCurseurNeSuitLaPartieQuApresLAnnonceDUnDeplacement) {
    const auto e = ecran(5);
    e->obtenir_la_partie()->deplacer_curseur({3, 4});
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_le_curseur()->obtenir_coordonnees(), (coordonnees{1, 1}));
    e->doit_etre_modifie();
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_le_curseur()->obtenir_coordonnees(), (coordonnees{3, 4}));
}

// Chaque ouverture du 42 × 42 crée 1 764 tuiles cliquables : la table des noms suit les objets vivants, elle ne
// grandit pas avec les ouvertures (elle grandissait d'une case par objet jamais créé, réallouée chaque fois).
TEST(GrilleLibreAffichable, CentOuverturesNeGrandissentPasLaTableDesObjetsCliquables) {
    using objet_3d_recepteur_pkg::nombre_noms_tenus;
    const std::size_t avant = nombre_noms_tenus();
    std::size_t ouvert = 0;
    for (int ouverture = 1; ouverture <= 100; ++ouverture) {
        auto e = ecran(42);
        e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
        if (ouverture == 1) {
            ouvert = nombre_noms_tenus();
            ASSERT_GE(ouvert, avant + 42 * 42);
        }
        ASSERT_EQ(nombre_noms_tenus(), ouvert) << "ouverture " << ouverture;
    }
    EXPECT_EQ(nombre_noms_tenus(), avant);
}

TEST(GrilleLibreAffichable, SansInitialisationLAffichageEstRefuse) {
    grille_libre_3d_pkg::grille_libre_affichable e;
    EXPECT_THROW(e.afficher(), grille_libre_3d_pkg::ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE);
}

} // namespace
