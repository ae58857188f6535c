// Tests du tableau extensible : bornes à l'allocation, croissance, saturation aux limites.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "generic_unbounded_array.hpp"

namespace {

using element = std::shared_ptr<int>;
using tableau_cases = generic_unbounded_array<int, element, 64, 50>;
using tableau_recepteurs = generic_unbounded_array<unsigned, element, 512, 100>;

TEST(TableauExtensible, RienNEstLisibleAvantLePremierPut) {
    tableau_cases t;
    EXPECT_FALSE(t.bornes().has_value());
    EXPECT_THROW(t.get(0), std::out_of_range);
}

TEST(TableauExtensible, LePremierPutAlloueMinimalSizeCasesAuDelaDeLIndice) {
    tableau_cases t;
    const auto sept = std::make_shared<int>(7);
    t.put(7, sept);

    EXPECT_EQ(t.bornes(), std::pair(7, 71));
    EXPECT_EQ(t.get(7), sept);
    EXPECT_EQ(t.get(8), nullptr);
    EXPECT_EQ(t.get(71), nullptr);
    EXPECT_THROW(t.get(6), std::out_of_range);
    EXPECT_THROW(t.get(72), std::out_of_range);
}

struct cas_croissance {
    std::vector<int> indices;
    int premier, dernier;
};

void PrintTo(const cas_croissance& c, std::ostream* sortie) {
    *sortie << "put";
    for (int i : c.indices) *sortie << ' ' << i;
    *sortie << " -> " << c.premier << ".." << c.dernier;
}

class CroissanceTableau : public testing::TestWithParam<cas_croissance> {};

// Le pas vaut la moitié de la longueur, au moins 64 cases, ajouté du côté de l'indice ;
// tout ce qui a été écrit se relit au même indice après chaque agrandissement.
TEST_P(CroissanceTableau, BornesEtContenuApresAgrandissement) {
    const cas_croissance& c = GetParam();
    tableau_cases t;
    std::vector<element> ecrits;
    for (int i : c.indices) {
        ecrits.push_back(std::make_shared<int>(i));
        t.put(i, ecrits.back());
    }

    EXPECT_EQ(t.bornes(), std::pair(c.premier, c.dernier));
    for (int i = c.premier; i <= c.dernier; ++i) {
        const element lu = t.get(i);
        if (lu) {
            EXPECT_EQ(*lu, i) << "élément déplacé lors d'un agrandissement";
        }
    }
    for (std::size_t k = 0; k < c.indices.size(); ++k) EXPECT_EQ(t.get(c.indices[k]), ecrits[k]);
    EXPECT_THROW(t.get(c.premier - 1), std::out_of_range);
    EXPECT_THROW(t.get(c.dernier + 1), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CroissanceTableau,
    testing::Values(cas_croissance{{7, 71, 20}, 7, 71},            // dans les bornes : rien ne bouge
                    cas_croissance{{7, 72}, 7, 72},                // 7 + max(65 / 2, 64) = 71 : l'indice l'emporte
                    cas_croissance{{7, 500}, 7, 500},              // l'indice dépasse le pas
                    cas_croissance{{7, 200, 201}, 7, 201},         // 7 + 194 / 2 = 104 : l'indice l'emporte
                    cas_croissance{{7, 6}, 6, 71},                 // 71 - 64 = 7 : l'indice l'emporte
                    cas_croissance{{7, -1000}, -1000, 71},
                    cas_croissance{{7, 200, 6}, 6, 200},           // 200 - 194 / 2 = 103 : l'indice l'emporte
                    cas_croissance{{500, 600, 550, 400}, 400, 600}));

TEST(TableauExtensible, LesBornesSaturentAuxLimitesDeLIndice) {
    constexpr unsigned max = std::numeric_limits<unsigned>::max();
    const auto x = std::make_shared<int>(1);

    tableau_recepteurs pres_de_zero;
    pres_de_zero.put(5, x);
    EXPECT_EQ(pres_de_zero.bornes(), std::pair(5u, 517u));
    pres_de_zero.put(2, x);
    EXPECT_EQ(pres_de_zero.bornes(), std::pair(2u, 517u)) << "517 - 513 = 4 : l'indice l'emporte";
    EXPECT_EQ(pres_de_zero.get(5), x);

    tableau_recepteurs pres_du_max;
    pres_du_max.put(max - 10, x);
    EXPECT_EQ(pres_du_max.bornes(), std::pair(max - 10, max));
    EXPECT_EQ(pres_du_max.get(max), nullptr);

    tableau_recepteurs croissance_vers_le_max;
    croissance_vers_le_max.put(max - 1000, x);
    croissance_vers_le_max.put(max - 400, x);
    EXPECT_EQ(croissance_vers_le_max.bornes(), std::pair(max - 1000, max - 400));
    EXPECT_EQ(croissance_vers_le_max.get(max - 1000), x);

    using bornes_octet = std::pair<signed char, signed char>;
    generic_unbounded_array<signed char, element, 64, 50> petit;
    petit.put(-100, x);
    EXPECT_EQ(petit.bornes(), bornes_octet(-100, -36));
    petit.put(90, x);
    petit.put(100, x);
    EXPECT_EQ(petit.bornes(), bornes_octet(-100, 100));
    petit.put(127, x);
    petit.put(-128, x);
    EXPECT_EQ(petit.bornes(), bornes_octet(-128, 127));
}

TEST(TableauExtensible, EraseEtFinalizeRamenentALEtatInitial) {
    tableau_cases t;
    t.put(3, std::make_shared<int>(3));
    t.erase();
    EXPECT_FALSE(t.bornes().has_value());
    EXPECT_THROW(t.get(3), std::out_of_range);

    t.put(100, std::make_shared<int>(100));
    EXPECT_EQ(t.bornes(), std::pair(100, 164));
    t.finalize();
    EXPECT_THROW(t.get(100), std::out_of_range);
}

} // namespace
