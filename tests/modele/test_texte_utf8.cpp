// Textes UTF-8 : nombre de caractères, minuscules, dernier caractère retiré, latin-1 remis en UTF-8.
#include <gtest/gtest.h>

#include "grille_libre_pkg.hpp"
#include "texte_utf8_pkg.hpp"

namespace {

using namespace texte_utf8_pkg;

TEST(TexteUtf8, UnCaractereAccentueCompteEtPartEnEntier) {
    struct cas {
        std::string texte;
        std::size_t caracteres;
        std::string minuscule;
        std::string sans_dernier;
    };
    const std::vector<cas> table = {
        {"", 0, "", ""},
        {"ABC", 3, "abc", "AB"},
        {"Fusée", 5, "fusée", "Fusé"},
        {"ÉCOLE À Ÿ", 9, "école à Ÿ", "ÉCOLE À "},  // Ÿ n'est pas du latin-1 : laissé tel quel
        {"×Þ", 2, "×þ", "×"},                         // le signe × n'est pas une lettre
        {"a😀", 2, "a😀", "a"},
        {"caf\xE9", 4, "caf\xEF\xBF\xBD", "caf"},     // octet mal formé : un caractère
    };
    for (const cas& c : table) {
        EXPECT_EQ(nombre_caracteres(c.texte), c.caracteres) << c.texte;
        EXPECT_EQ(minuscules(c.texte), c.minuscule) << c.texte;
        EXPECT_EQ(sans_dernier_caractere(c.texte), c.sans_dernier) << c.texte;
    }
}

TEST(TexteUtf8, ValiditeEtPassageDepuisLeLatin1) {
    EXPECT_TRUE(est_valide("Fusée 😀"));
    for (const char* mal_forme : {"caf\xE9", "\xC3", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(est_valide(mal_forme)) << "forme refusée";
    }
    EXPECT_EQ(depuis_latin1("Fus\xE9" "e \xC9t\xE9"), "Fusée Été");
    EXPECT_EQ(encoder(U'é') + encoder(U'€') + encoder(U'😀'), "é€😀");
}

// Un nom en forme décomposée (lettre puis accent combinant) se compose en un caractère, comme en NFC.
TEST(TexteUtf8, LesLettresSuiviesDUnAccentCombinantSeComposent) {
    const std::vector<std::pair<std::string, std::string>> table = {
        {"e\u0301le\u0301onore", "éléonore"},
        {"E\u0300ve c\u0327a Y\u0308", "Ève ça Ÿ"},
        {"i\u0302le n\u0303 u\u0308", "île ñ ü"},
        {"éléonore", "éléonore"},          // déjà composé
        {"\u0301e", "\u0301e"},           // accent sans lettre devant : laissé
        {"x\u0301 e\u0301\u0301", "x\u0301 é\u0301"},  // pas de forme composée, accent en trop : laissés
        {"", ""},
    };
    for (const auto& [decompose, compose] : table) EXPECT_EQ(composer(decompose), compose) << decompose;
}

// Un nom de grille devient un nom de fichier du répertoire des grilles personnelles, et n'en sort jamais.
TEST(NomFichierGrille, LesBlancsPartentEtUnNomQuiSortiraitDuRepertoireEstRefuse) {
    EXPECT_EQ(grille_libre_pkg::nom_fichier_grille_personnelle("ma grille"), "magrille.xml");
    EXPECT_EQ(grille_libre_pkg::nom_fichier_grille_personnelle(" Fusée 2 "), "Fusée2.xml");
    const std::vector<std::string> refuses = {"",    "   ",   ".cache", " .. ",  "a/b",
                                              "../a", "a\\b", "a\tb",   std::string("a\0b", 3), "a\x7F"};
    for (const std::string& refuse : refuses) {
        EXPECT_THROW(grille_libre_pkg::nom_fichier_grille_personnelle(refuse),
                     grille_libre_pkg::ERREUR_NOM_GRILLE_INVALIDE)
            << refuse;
    }
}

} // namespace
