// Choix de l'objet touché sur des tampons de sélection faits à la main.
#include "selection_pkg.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Un enregistrement : profondeur minimale puis noms de la pile (le plus extérieur d'abord).
struct enregistrement {
    std::uint32_t profondeur;
    std::vector<std::uint32_t> noms;
};

std::vector<std::uint32_t> tampon(const std::vector<enregistrement>& enregistrements) {
    std::vector<std::uint32_t> t;
    for (const auto& e : enregistrements) {
        t.push_back(static_cast<std::uint32_t>(e.noms.size()));
        t.push_back(e.profondeur);
        t.push_back(e.profondeur + 10);
        t.insert(t.end(), e.noms.begin(), e.noms.end());
    }
    return t;
}

struct cas_selection {
    const char* nom;
    std::vector<enregistrement> enregistrements;
    std::uint32_t attendu;
};

class ChoixHit : public testing::TestWithParam<cas_selection> {};

TEST_P(ChoixHit, RendLeNomAttendu) {
    const auto& cas = GetParam();
    const auto t = tampon(cas.enregistrements);
    EXPECT_EQ(selection_pkg::choisir_hit(t, static_cast<int>(cas.enregistrements.size())), cas.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ChoixHit,
    testing::Values(
        cas_selection{"rien", {}, 0},
        cas_selection{"un_seul_objet", {{500, {7}}}, 7},
        cas_selection{"le_plus_proche_gagne", {{900, {3}}, {400, {5}}, {700, {6}}}, 5},
        cas_selection{"le_plus_proche_gagne_meme_en_tete", {{400, {5}}, {900, {3}}}, 5},
        cas_selection{"decor_strictement_devant_cache", {{800, {4}}, {300, {}}}, 0},
        cas_selection{"decor_devant_puis_objet_encore_plus_pres", {{800, {4}}, {300, {}}, {200, {9}}}, 9},
        cas_selection{"decor_a_egalite_ne_cache_pas", {{300, {}}, {300, {4}}}, 4},
        cas_selection{"objet_a_egalite_avec_decor_venu_apres", {{300, {4}}, {300, {}}}, 4},
        cas_selection{"deux_objets_a_egalite_le_dernier_gagne", {{300, {4}}, {300, {8}}}, 8},
        cas_selection{"noms_imbriques_donnent_l_exterieur", {{300, {2, 11, 12}}}, 2},
        cas_selection{"decor_seul", {{300, {}}}, 0},
        cas_selection{"profondeurs_non_signees", {{0x80000000u, {3}}, {0x7FFFFFFFu, {6}}}, 6}),
    [](const testing::TestParamInfo<cas_selection>& info) { return std::string(info.param.nom); });

TEST(ChoixHitDebordement, UnCompteNegatifOuNulNeDesigneRien) {
    const auto t = tampon({{100, {5}}});
    EXPECT_EQ(selection_pkg::choisir_hit(t, -1), 0u);
    EXPECT_EQ(selection_pkg::choisir_hit(t, 0), 0u);
}

TEST(ChoixHitDebordement, UnEnregistrementTronqueNEstPasLuAuDelaDuTampon) {
    auto t = tampon({{100, {5}}, {50, {6, 7, 8}}});
    t.resize(t.size() - 2);  // le second enregistrement annonce trois noms, il n'en reste qu'un
    EXPECT_EQ(selection_pkg::choisir_hit(t, 2), 5u);
    EXPECT_EQ(selection_pkg::choisir_hit(t, 40), 5u);
}

} // namespace
