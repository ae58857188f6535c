// Polices du jeu et de secours : chargées par SDL_ttf, lettres accentuées du français présentes, licence à côté.
#include "emplacements_pkg.hpp"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// La police du jeu et celle de secours, prise quand la première est abîmée.
TEST(PoliceDuJeu, ContientToutesLesLettresAccentueesEtSaLicence) {
    struct cas { const char* police; const char* licence; const char* mention; };
    ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
    for (const cas& c : {cas{"FALLOUT", "LICENCE-Play.txt", "OPEN FONT LICENSE"},
                         cas{"SECOURS", "LICENCE-DejaVu.txt", "Bitstream Vera"}}) {
        SCOPED_TRACE(c.police);
        const std::string chemin = std::string(DOSSIER_DONNEES) + "/" + emplacements_pkg::obtenir_chemin_police(c.police);
        TTF_Font* police = TTF_OpenFont(chemin.c_str(), 14);
        ASSERT_NE(police, nullptr) << TTF_GetError();
        // Latin-1 : le jeu passe ses textes en octets Latin-1 au rendu.
        const std::u16string lettres = u"àâäçéèêëîïôöùûüÿÀÂÄÇÉÈÊËÎÏÔÖÙÛÜ«»°";
        for (const char16_t lettre : lettres) {
            EXPECT_TRUE(TTF_GlyphIsProvided(police, lettre)) << "U+" << std::hex << static_cast<int>(lettre);
        }
        TTF_CloseFont(police);

        std::ifstream licence(std::string(DOSSIER_DONNEES) + "/polices/" + c.licence);
        const std::string texte((std::istreambuf_iterator<char>(licence)), std::istreambuf_iterator<char>());
        EXPECT_NE(texte.find(c.mention), std::string::npos);
    }
    TTF_Quit();
}

} // namespace
