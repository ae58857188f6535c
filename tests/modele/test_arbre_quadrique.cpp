// Arbre à quatre fils avec liens vers le père : structure, comptes, copie, erreurs sur l'arbre vide.
#include <gtest/gtest.h>

#include "arbre_quadrique_generique_avec_paternite_pkg.hpp"
#include "outils_modele.hpp"

namespace {

struct nom_essai {
    static constexpr const char* valeur = "EDITEUR_PKG.EDITEUR.GENERATION_DES_CHEMINS.ARBRE_CASES";
};
using arbres = arbre_quadrique_generique_avec_paternite_pkg<int, nom_essai>;
using arbre = arbres::arbre;

// Racine 1 ; son fils 2 (sous-arbre 3) a deux feuilles 3 (sous-arbre 1) et 4 (sous-arbre 4).
arbre arbre_essai() {
    arbre racine = arbres::creer_arbre(1, nullptr, nullptr, nullptr, nullptr);
    arbre fils = arbres::creer_arbre(2, nullptr, nullptr, nullptr, nullptr);
    arbres::remplacer_sous_arbre_3(racine, fils);
    arbres::remplacer_sous_arbre_1(fils, arbres::creer_arbre(3, nullptr, nullptr, nullptr, nullptr));
    arbres::remplacer_sous_arbre_4(fils, arbres::creer_arbre(4, nullptr, nullptr, nullptr, nullptr));
    return racine;
}

TEST(ArbreQuadrique, ComptesEtHauteurs) {
    const arbre a = arbre_essai();
    EXPECT_EQ(arbres::nombre_de_feuilles(a), 2);
    EXPECT_EQ(arbres::nombre_de_sous_arbres(a), 1);
    EXPECT_EQ(arbres::obtenir_hauteur(a), 2);
    EXPECT_EQ(arbres::nombre_maximum_noeuds_a_partir_de_racine(a), 3);
    const arbre seul = arbres::creer_arbre(9, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(arbres::nombre_maximum_noeuds_a_partir_de_racine(seul), 1);
    EXPECT_EQ(arbres::obtenir_hauteur(seul), 0);
    EXPECT_EQ(arbres::nombre_maximum_noeuds_a_partir_de_racine(arbres::arbre_vide()), 0);
    EXPECT_EQ(arbres::obtenir_hauteur(nullptr), 0);
    EXPECT_EQ(arbres::nombre_de_feuilles(nullptr), 0);
    EXPECT_TRUE(arbres::existe(4, a));
    EXPECT_FALSE(arbres::existe(7, a));
}

TEST(ArbreQuadrique, PeresDoyenEtRemplacement) {
    const arbre a = arbre_essai();
    const arbre feuille = arbres::recuperer_sous_arbre_4(arbres::recuperer_sous_arbre_3(a));
    EXPECT_EQ(arbres::recuperer_doyen(feuille), a);
    EXPECT_EQ(arbres::recuperer_doyen(a), a);
    EXPECT_FALSE(arbres::possede_un_pere(a));
    EXPECT_TRUE(arbres::possede_un_pere(feuille));

    const arbre b = arbres::creer_arbre(5, nullptr, nullptr, nullptr, nullptr);
    arbres::remplacer_sous_arbre_2(a, b);
    EXPECT_EQ(arbres::recuperer_pere(b), a);
    arbres::remplacer_sous_arbre_2(a, arbres::arbre_vide());
    EXPECT_TRUE(arbres::est_vide(arbres::recuperer_sous_arbre_2(a)));
    EXPECT_EQ(arbres::recuperer_element_de_racine(b), 5);  // l'ancien fils n'est pas touché
}

TEST(ArbreQuadrique, CopieProfondeIndependante) {
    arbre a = arbre_essai();
    arbre copie = arbres::obtenir_copie(a);
    EXPECT_NE(copie, a);
    EXPECT_FALSE(arbres::possede_un_pere(copie));
    const arbre fils = arbres::recuperer_sous_arbre_3(copie);
    EXPECT_EQ(arbres::recuperer_element_de_racine(fils), 2);
    EXPECT_EQ(arbres::recuperer_pere(fils), copie);
    EXPECT_EQ(arbres::recuperer_pere(arbres::recuperer_sous_arbre_1(fils)), fils);
    EXPECT_EQ(arbres::recuperer_element_de_racine(arbres::recuperer_sous_arbre_4(fils)), 4);
    EXPECT_TRUE(arbres::est_vide(arbres::obtenir_copie(nullptr)));
    arbres::liberer_ressources(copie);
    EXPECT_TRUE(arbres::est_vide(copie));
    EXPECT_EQ(arbres::nombre_de_feuilles(a), 2);
}

TEST(ArbreQuadrique, LArbreVideEstRefuseParLesLectures) {
    const std::string attendu = "EDITEUR_PKG.EDITEUR.GENERATION_DES_CHEMINS.ARBRE_CASES.ERREUR_ARBRE_VIDE";
    const arbre vide = arbres::initialiser_arbre(arbre_essai());
    using outils_modele::erreur_levee;
    EXPECT_EQ(erreur_levee([&] { arbres::est_feuille(vide); }), attendu);
    EXPECT_EQ(erreur_levee([&] { arbres::possede_un_pere(vide); }), attendu);
    EXPECT_EQ(erreur_levee([&] { arbres::recuperer_element_de_racine(vide); }), attendu);
    EXPECT_EQ(erreur_levee([&] { arbres::recuperer_sous_arbre_1(vide); }), attendu);
    EXPECT_EQ(erreur_levee([&] { arbres::recuperer_sous_arbre_4(vide); }), attendu);
    EXPECT_EQ(erreur_levee([&] { arbres::recuperer_pere(vide); }), attendu);
    EXPECT_EQ(erreur_levee([&] { arbres::recuperer_doyen(vide); }), attendu);
}

}  // namespace
