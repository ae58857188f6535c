// Écran du jeu libre sans fenêtre : vue normale, étendue et rapprochée, défilement qui rattrape le curseur.
#include "grille_jouee_3d_pkg.hpp"
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

    // Juste assez pour que le curseur revienne dans les marges (6 vers la droite, 7 ailleurs), les deux axes.
    e->obtenir_la_partie()->deplacer_curseur({17, 18});
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_centre(), (coordonnees{11, 11}));
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_centre(), (coordonnees{11, 11}));

    e->modifier_plan_vue();
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_vue(), etat_vue::ETENDU);
    EXPECT_FLOAT_EQ(e->obtenir_coef_echelle(), 10.0f / 20.0f);
}

// Sur le 42 × 42, 41 flèches vers la droite plus rapides que les images : la vue qui suit est rattrapée dès l'image
// suivante (elle défilait d'une case par image, et rien ne redessine un écran immobile).
TEST(GrilleLibreAffichable, LaVueRapprocheeRattrapeUnCurseurRapideEnUneImage) {
    const auto e = ecran(42);
    e->modifier_plan_vue();
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    ASSERT_EQ(e->obtenir_vue(), etat_vue::ZOOM);
    ASSERT_EQ(e->obtenir_centre(), (coordonnees{1, 1}));
    for (int x = 2; x <= 42; ++x) e->obtenir_la_partie()->deplacer_curseur({x, 1});
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_centre(), (coordonnees{36, 1}));
    for (int y = 2; y <= 42; ++y) e->obtenir_la_partie()->deplacer_curseur({42, y});
    for (int x = 41; x >= 1; --x) e->obtenir_la_partie()->deplacer_curseur({x, 42});
    e->mettre_a_jour("essai", coeur_jeu_pkg::etat::RECHERCHE);
    EXPECT_EQ(e->obtenir_centre(), (coordonnees{8, 35}));
}

struct cas_suivi {
    coordonnees centre, curseur, attendu;
};

TEST(SuivreCurseur, LaCaseCentreeBougeJusteAssezSurChaqueAxe) {
    const grille_jouee_3d_pkg::marges_defilement m{6, 7, 5, 4};
    for (const cas_suivi& c : {cas_suivi{{20, 20}, {26, 16}, {20, 20}},    // dans les marges : rien
                               cas_suivi{{20, 20}, {27, 20}, {21, 20}},    // une flèche : une case
                               cas_suivi{{20, 20}, {12, 20}, {19, 20}},
                               cas_suivi{{20, 20}, {20, 26}, {20, 21}},
                               cas_suivi{{20, 20}, {20, 15}, {20, 19}},
                               cas_suivi{{1, 1}, {42, 42}, {36, 37}},      // loin sur les deux axes
                               cas_suivi{{40, 40}, {1, 1}, {8, 5}}}) {
        coordonnees centre = c.centre;
        grille_jouee_3d_pkg::suivre_curseur(centre, c.curseur, m);
        EXPECT_EQ(centre, c.attendu) << c.curseur.x << "," << c.curseur.y;
    }
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
