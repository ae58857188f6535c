// Textes : conversion vers le latin-1 du rendu, mesure et placement des glyphes, sans affichage.
#include "objet_texte_pkg.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using affichage_texte_pkg::caractere;
using affichage_texte_pkg::utf8_vers_latin1;
using objet_texte_pkg::mesurer;
using objet_texte_pkg::placer_glyphe;

TEST(TexteLatin1, LesTextesUtf8DuJeuArriventEnOctetsLatin1) {
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"Complexité", "Complexit\xE9"},
        {"NOVELIA TESSALINE", "NOVELIA TESSALINE"},
        {"à ç ù ÿ É", "\xE0 \xE7 \xF9 \xFF \xC9"},
        {"", ""},
        {"5 €", "5 ?"},                         // hors latin-1
        {"a😀b", "a?b"},                        // quatre octets, un seul caractère
        {"caf\xE9", "caf?"},                    // déjà du latin-1 : octet isolé mal formé
        {"\xC3", "?"},                          // séquence tronquée
        {"\xC0\x80z", "??z"},                   // forme trop longue du caractère nul
        {"\xE0\x80\xA9", "???"},                // idem sur trois octets
        {"\xC3(", "?("},                        // suite qui n'est pas une continuation
    };
    for (const auto& [utf8, latin1] : cas) {
        EXPECT_EQ(utf8_vers_latin1(utf8), latin1) << utf8;
    }
}

struct MesureTexte : testing::Test {
    std::map<char, caractere> glyphes = {{'A', {'A', 60, 118, 1}}, {'B', {'B', 70, 118, 2}}, {'g', {'g', 50, 100, 3}}};
    objet_texte_pkg::source_glyphes source = [this](char c) { return glyphes.at(c); };
};

TEST_F(MesureTexte, AbOccupeCentTrenteSurCentDixHuitEtSeCentreSurLOrigine) {
    const auto m = mesurer("AB", source);
    EXPECT_EQ(m.w, 130);
    EXPECT_EQ(m.h, 118);

    const float moitie = 130.0f / 118.0f / 2.0f;  // 0,5508...
    const auto a = placer_glyphe(glyphes['A'], 0, m);
    const auto b = placer_glyphe(glyphes['B'], 60, m);
    EXPECT_NEAR(a.gauche, -0.5508f, 1e-4f);
    EXPECT_FLOAT_EQ(a.gauche, -moitie);
    EXPECT_FLOAT_EQ(a.droite, -moitie + 60.0f / 118.0f);
    EXPECT_FLOAT_EQ(b.gauche, a.droite);  // sans crénage
    EXPECT_FLOAT_EQ(b.droite, moitie);
    EXPECT_FLOAT_EQ(a.demi, 0.5f);
}

TEST_F(MesureTexte, LaHauteurEstCelleDuPlusGrandGlypheEtLesPlusPetitsRestentCentres) {
    const auto m = mesurer("gAg", source);
    EXPECT_EQ(m.w, 160);
    EXPECT_EQ(m.h, 118);
    EXPECT_FLOAT_EQ(placer_glyphe(glyphes['g'], 0, m).demi, 50.0f / 118.0f);
}

// Glyphes de 100 pixels de haut : « A » 50 de large, « . » et l'espace 20. À l'échelle 1, « AAAA » fait 2 unités.
TEST_F(MesureTexte, UnTexteTropLargeEstReduitPuisCoupeAvecDesPointsDeSuite) {
    glyphes = {{'A', {'A', 50, 100, 1}}, {'.', {'.', 20, 100, 2}}, {' ', {' ', 20, 100, 3}}};
    struct cas {
        std::string texte;
        float echelle;
        float largeur_max;
        std::string montre;
        float reduction;
    };
    const std::vector<cas> table = {
        {"AAAA", 1.0f, 0.0f, "AAAA", 1.0f},         // sans limite
        {"AAAA", 1.0f, 2.0f, "AAAA", 1.0f},         // tient tout juste
        {"AAAA", 1.0f, 1.5f, "AAAA", 0.75f},        // réduit seulement
        {"AAAA", 2.0f, 3.0f, "AAAA", 0.75f},        // la limite compte l'échelle du texte
        {"AAAA", 1.0f, 1.2f, "AAAA", 0.6f},         // la plus forte réduction sans coupe
        {"AAAAAAAAAA", 1.0f, 1.2f, "AA...", 0.6f},  // (2 × 0,5 + 0,6) × 0,6 = 0,96 ; un A de plus : 1,26
        {"AA AAAA", 1.0f, 1.0f, "AA...", 0.6f},     // l'espace de la coupe ne reste pas devant les points
        {"AAAA", 1.0f, 0.1f, "...", 0.6f},          // rien ne tient : les points seuls
    };
    for (const cas& c : table) {
        const auto a = objet_texte_pkg::ajuster_largeur(c.texte, c.echelle, c.largeur_max, source);
        const float largeur = c.echelle * a.reduction * static_cast<float>(mesurer(a.montre, source).w) / 100.0f;
        EXPECT_EQ(a.montre, c.montre) << c.texte << " dans " << c.largeur_max;
        EXPECT_FLOAT_EQ(a.reduction, c.reduction) << c.texte << " dans " << c.largeur_max;
        if (c.largeur_max > 0.0f && a.montre != "...") {
            EXPECT_LE(largeur, c.largeur_max + 1e-5f) << c.texte << " dans " << c.largeur_max;
        }
    }
}

// Un nom tapé d'une traite ne doit pas coûter de plus en plus à chaque caractère : la coupe lit chaque glyphe une
// poignée de fois, pas une fois par caractère retiré (deux mille caractères tapés figeaient le jeu 31 s).
TEST_F(MesureTexte, LaCoupeDUnLongTexteLitChaqueGlypheUnePoigneeDeFois) {
    glyphes = {{'A', {'A', 50, 100, 1}}, {'.', {'.', 20, 100, 2}}, {' ', {' ', 20, 100, 3}}};
    long lectures = 0;
    const objet_texte_pkg::source_glyphes comptee = [&](char c) {
        ++lectures;
        return glyphes.at(c);
    };
    const std::string texte(2000, 'A');
    const auto a = objet_texte_pkg::ajuster_largeur(texte, 1.0f, 1.2f, comptee);
    EXPECT_EQ(a.montre, "AA...");
    EXPECT_LE(lectures, 3 * 2000 + 10);
}

TEST_F(MesureTexte, UnTexteVideNeMesureRien) {
    const auto m = mesurer("", source);
    EXPECT_EQ(m.w, 0);
    EXPECT_EQ(m.h, 0);
}

} // namespace
