// Entrées d'un écran : la ligne du clavier aux bords, déplacée par la souris, gardée quand la souris s'en va.
#include "entrees_menu_pkg.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using entrees_menu_pkg::entrees_menu;

const std::array<entrees_menu_pkg::description_entree, 4> quatre_entrees{{
    {"Un", "un", 1.5f},
    {"Deux", "deux", 0.0f},
    {"Trois", "trois", -1.5f},
    {"Quatre", "quatre", -3.0f},
}};

entrees_menu construites() {
    entrees_menu e;
    e.construire(quatre_entrees, 0.6f, -10.0f);
    return e;
}

// Lignes allumées, de haut en bas ; l'aspect de chaque entrée (bleue et grossie, ou blanche) suit son état.
std::vector<int> lignes_allumees(const entrees_menu& e) {
    std::vector<int> allumees;
    for (int ligne = 1; ligne <= e.nombre_lignes(); ++ligne) {
        const auto entree = e.obtenir_entree(ligne);
        const auto texte = entree->obtenir_texte();
        const bool bleue = texte->obtenir_couleur() == affichage_texte_pkg::bleu && texte->obtenir_echelle() == 1.5f;
        const bool blanche = texte->obtenir_couleur() == affichage_texte_pkg::blanc && texte->obtenir_echelle() == 1.0f;
        EXPECT_TRUE(entree->est_surbrillant() ? bleue : blanche) << "ligne " << ligne << " : l'aspect suit l'état";
        if (entree->est_surbrillant()) allumees.push_back(ligne);
    }
    return allumees;
}

TEST(EntreesMenu, LesEntreesSontPoseesDeHautEnBasEtLaPremiereLigneEstAllumee) {
    const entrees_menu e = construites();
    ASSERT_EQ(e.nombre_lignes(), 4);
    std::vector<bouton_menu_pkg::classe_bouton_menu> par_ligne;
    for (int ligne = 1; ligne <= 4; ++ligne) {
        const auto& d = quatre_entrees[static_cast<std::size_t>(ligne - 1)];
        const auto entree = e.obtenir_entree(ligne);
        EXPECT_EQ(entree->obtenir_texte()->obtenir_texte(), d.libelle);
        EXPECT_EQ(entree->obtenir_nom_action(), d.action);
        EXPECT_EQ(entree->obtenir_position(), (objet_3d_pkg::coordonnee_3d{0.0f, d.y, -10.0f}));
        EXPECT_FLOAT_EQ(entree->obtenir_echelle(), 0.6f);
        par_ligne.push_back(entree);
    }
    EXPECT_EQ(std::vector(e.begin(), e.end()), par_ligne) << "le parcours va de haut en bas";
    EXPECT_EQ(e.obtenir_ligne_courante(), 1);
    EXPECT_EQ(lignes_allumees(e), std::vector<int>{1});
}

// Ce qui arrive entre deux images : une touche, la souris qui entre sur une entrée ou en sort ; puis l'image.
enum class geste { HAUT, BAS, SOURIS_ENTRE, SOURIS_SORT, IMAGE };

struct pas {
    geste quoi;
    int ligne = 0;  // l'entrée que la souris touche
};

struct cas {
    const char* nom;
    int depart;
    std::vector<pas> gestes;
    int ligne_attendue;
    std::vector<int> allumees;
};

TEST(EntreesMenu, LaLigneDuClavierEstLEntreeAllumeeQueLeClavierEtLaSourisDeplacent) {
    using enum geste;
    const std::vector<cas> les_cas = {
        {"haut sur la première ligne", 1, {{HAUT}}, 1, {1}},
        {"bas sur la dernière ligne", 4, {{BAS}}, 4, {4}},
        {"bas, bas puis haut", 1, {{BAS}, {BAS}, {HAUT}}, 2, {2}},
        {"la souris allume une entrée, la ligne attend l'image", 1, {{SOURIS_ENTRE, 3}}, 1, {1, 3}},
        {"à l'image, l'entrée de la souris devient la ligne", 1, {{SOURIS_ENTRE, 3}, {IMAGE}}, 3, {3}},
        {"la souris s'en va : la ligne reste allumée", 1, {{SOURIS_ENTRE, 3}, {IMAGE}, {SOURIS_SORT, 3}, {IMAGE}}, 3,
         {3}},
        {"la souris traverse la ligne du clavier", 2, {{SOURIS_ENTRE, 2}, {IMAGE}, {SOURIS_SORT, 2}, {IMAGE}}, 2, {2}},
        {"le clavier repart de la ligne de la souris", 1, {{SOURIS_ENTRE, 3}, {IMAGE}, {BAS}}, 4, {4}},
        {"la souris sur la dernière, puis bas", 1, {{SOURIS_ENTRE, 4}, {IMAGE}, {BAS}}, 4, {4}},
        {"la souris sur la première, puis haut", 3, {{SOURIS_ENTRE, 1}, {IMAGE}, {HAUT}}, 1, {1}},
        {"la souris d'une entrée à l'autre", 1, {{SOURIS_ENTRE, 2}, {IMAGE}, {SOURIS_SORT, 2}, {SOURIS_ENTRE, 4}, {IMAGE}},
         4, {4}},
    };
    const evenement_pkg::evenement souris;
    for (const cas& c : les_cas) {
        entrees_menu e = construites();
        e.modifier_ligne_courante(c.depart);
        for (const pas& p : c.gestes) {
            switch (p.quoi) {
            case HAUT: e.monter(); break;
            case BAS: e.descendre(); break;
            case SOURIS_ENTRE: e.obtenir_entree(p.ligne)->sourisentre(souris); break;
            case SOURIS_SORT: e.obtenir_entree(p.ligne)->sourissort(souris); break;
            case IMAGE: e.gerer_conflit_controleur(); break;
            }
        }
        EXPECT_EQ(e.obtenir_ligne_courante(), c.ligne_attendue) << c.nom;
        EXPECT_EQ(lignes_allumees(e), c.allumees) << c.nom;
    }
}

} // namespace
