// Table des textures : noms exacts, emplacements et groupes, sans affichage.
#include "gestionnaire_texture_pkg.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace gestionnaire_texture_pkg;

TEST(TableDesTextures, ChaqueNomDonneSonEmplacement) {
    const std::vector<std::pair<std::string, int>> cas = {
        {"reset", 0},        {"bouton_ancien", 1}, {"case", 2},         {"bouton_rond", 4},  {"recherche", 6},
        {"case_occupe", 9},  {"bouton_dock_actif", 22}, {"fleche", 23}, {"pluton", 24},      {"soleil", 33},
        {"inconnu", 34},     {"curseur", 38},      {"fond_etoile", 39}, {"fleche_actif", 41}, {"fond_score", 43},
    };
    for (const auto& [nom, emplacement] : cas) {
        EXPECT_EQ(emplacement_texture(nom), emplacement) << nom;
    }
}

TEST(TableDesTextures, UnNomInconnuOuDAutreCasseEstRefuse) {
    for (const std::string nom : {"Case", "CASE", "case ", " reset", "", "bouton", "systeme_mars", "Mars"}) {
        EXPECT_THROW(emplacement_texture(nom), TEXTURE_NON_EXISTANTE) << '"' << nom << '"';
    }
}

TEST(TableDesTextures, TrenteSixNomsSurDesEmplacementsDistinctsHorsDesEmplacementsLibres) {
    const std::set<int> jamais_charges = {3, 5, 13, 14, 15, 35, 36, 37, 44, 45, 46, 47, 48, 49, 50};
    std::set<std::string_view> noms;
    std::set<int> emplacements;
    for (const description_texture& d : table_textures()) {
        noms.insert(d.nom);
        emplacements.insert(d.emplacement);
        EXPECT_EQ(jamais_charges.count(d.emplacement), 0u) << d.nom;
        EXPECT_EQ(d.groupe == groupe_texture::planete, d.planete >= 0) << d.nom;
    }
    EXPECT_EQ(noms.size(), 36u);
    EXPECT_EQ(emplacements.size(), 36u);
}

TEST(TableDesTextures, LeGroupeDeBaseSeChargeDansLOrdreAttenduEtEnSixImages) {
    std::vector<std::string_view> base;
    for (const description_texture& d : table_textures()) {
        if (d.groupe == groupe_texture::base) {
            base.push_back(d.nom);
        }
    }
    EXPECT_EQ(base, (std::vector<std::string_view>{"fleche", "fond_etoile", "bouton_ancien", "bouton_ancien_actif",
                                                   "bouton_rond", "bouton_rond_actif"}));
}

} // namespace
