// Tests des cases : occupation, coordonnées, égalité et reconnaissance des cases terminales.
#include <gtest/gtest.h>

#include <memory>

#include "case_simple_pkg.hpp"
#include "case_terminale_pkg.hpp"

namespace {

using case_simple_pkg::case_simple;
using case_simple_pkg::classe_case;
using case_simple_pkg::coordonnees;
using case_terminale_pkg::case_terminale;

// Les cases ne se copient pas (une copie vers case_simple tronquerait une case terminale) :
// on les construit derrière une poignée, comme dans une grille.
classe_case placer(classe_case c, coordonnees position, bool occupee) {
    c->donner_coordonnees(position);
    if (occupee) c->occuper();
    return c;
}

classe_case case_en(coordonnees position, bool occupee) {
    return placer(std::make_shared<case_simple>(), position, occupee);
}

classe_case terminale_en(int chiffre, coordonnees position, bool occupee) {
    return placer(std::make_shared<case_terminale>(chiffre), position, occupee);
}

TEST(Cases, OccuperEtLibererBasculentLOccupation) {
    case_simple c;
    EXPECT_FALSE(c.est_occupe());
    c.occuper();
    c.occuper();
    EXPECT_TRUE(c.est_occupe());
    c.liberer();
    EXPECT_FALSE(c.est_occupe());

    c.donner_coordonnees({3, 4});
    EXPECT_EQ(c.obtenir_coordonnees(), (coordonnees{3, 4}));
}

TEST(Cases, CoordonneesEgalesCompareChampAChamp) {
    EXPECT_TRUE(case_simple_pkg::coordonnees_egales({2, 5}, {2, 5}));
    EXPECT_FALSE(case_simple_pkg::coordonnees_egales({2, 5}, {5, 2}));
    EXPECT_FALSE(case_simple_pkg::coordonnees_egales({2, 5}, {2, 6}));
}

TEST(Cases, EgaliteDesCasesSimples) {
    struct cas {
        coordonnees c1;
        bool occupee1;
        coordonnees c2;
        bool occupee2;
        bool egales;
    };
    for (const cas& k : {cas{{1, 2}, false, {1, 2}, false, true}, cas{{1, 2}, true, {1, 2}, true, true},
                         cas{{1, 2}, true, {1, 2}, false, false}, cas{{1, 2}, false, {2, 1}, false, false}}) {
        EXPECT_EQ(*case_en(k.c1, k.occupee1) == *case_en(k.c2, k.occupee2), k.egales)
            << k.c1.x << "," << k.c1.y << " / " << k.c2.x << "," << k.c2.y;
    }
}

TEST(Cases, EgaliteDesCasesTerminales) {
    const classe_case reference = terminale_en(3, {4, 4}, false);
    EXPECT_TRUE(*reference == *terminale_en(3, {4, 4}, false));
    EXPECT_FALSE(*reference == *terminale_en(3, {4, 4}, true)) << "occupation différente";
    EXPECT_FALSE(*reference == *terminale_en(5, {4, 4}, false)) << "chiffre différent";
    EXPECT_FALSE(*reference == *terminale_en(3, {4, 5}, false)) << "coordonnées différentes";

    // Une case simple ne se confond pas avec une case terminale de même état, dans aucun sens.
    const classe_case simple = case_en({4, 4}, false);
    EXPECT_FALSE(*simple == *reference);
    EXPECT_FALSE(*reference == *simple);
}

struct case_terminale_derivee : case_terminale {
    case_terminale_derivee() : case_terminale(2) {}
};

TEST(Cases, UneCaseTerminaleSeManipuleCommeUneCaseSimple) {
    const classe_case terminale = std::make_shared<case_terminale>(6);
    terminale->donner_coordonnees({2, 3});
    terminale->occuper();
    EXPECT_TRUE(terminale->est_occupe());
    EXPECT_EQ(terminale->obtenir_coordonnees(), (coordonnees{2, 3}));
    EXPECT_EQ(std::static_pointer_cast<case_terminale>(terminale)->valeur(), 6);

    EXPECT_TRUE(case_terminale_pkg::est_case_terminale(terminale));
    EXPECT_TRUE(case_terminale_pkg::est_case_terminale(std::make_shared<case_terminale_derivee>()));
    EXPECT_FALSE(case_terminale_pkg::est_case_terminale(std::make_shared<case_simple>()));
}

TEST(Cases, LibererRessourcesLacheLaPoignee) {
    classe_case poignee = std::make_shared<case_terminale>(1);
    const std::weak_ptr<case_simple> temoin = poignee;
    classe_case autre = poignee;

    case_terminale_pkg::liberer_ressources(poignee);
    EXPECT_EQ(poignee, nullptr);
    EXPECT_FALSE(temoin.expired()) << "une autre poignée la désigne encore";
    case_terminale_pkg::liberer_ressources(autre);
    EXPECT_TRUE(temoin.expired());
}

TEST(CasesDeathTest, UnChiffreNonPositifEstUneErreurDeProgrammation) {
    EXPECT_DEBUG_DEATH(case_terminale(0), "positif");
}

} // namespace
