// Police du jeu : chargée par SDL_ttf, toutes les lettres accentuées du français présentes, licence à côté.
#include "emplacements_pkg.hpp"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

TEST(PoliceDuJeu, ContientToutesLesLettresAccentueesEtSaLicence) {
    const std::string chemin = std::string(DOSSIER_DONNEES) + "/" + emplacements_pkg::obtenir_chemin_police("FALLOUT");
    ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
    TTF_Font* police = TTF_OpenFont(chemin.c_str(), 14);
    ASSERT_NE(police, nullptr) << TTF_GetError();
    // Latin-1 : le jeu passe ses textes en octets Latin-1 au rendu.
    const std::u16string lettres = u"àâäçéèêëîïôöùûüÿÀÂÄÇÉÈÊËÎÏÔÖÙÛÜ«»°";
    for (const char16_t lettre : lettres) {
        EXPECT_TRUE(TTF_GlyphIsProvided(police, lettre)) << "U+" << std::hex << static_cast<int>(lettre);
    }
    TTF_CloseFont(police);
    TTF_Quit();

    std::ifstream licence(std::string(DOSSIER_DONNEES) + "/polices/LICENCE-Play.txt");
    const std::string texte((std::istreambuf_iterator<char>(licence)), std::istreambuf_iterator<char>());
    EXPECT_NE(texte.find("OPEN FONT LICENSE"), std::string::npos);
}

} // namespace
