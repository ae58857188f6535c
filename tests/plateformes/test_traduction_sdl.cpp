// Traduction des événements SDL2 en événements du jeu.
#include "traduction_sdl_pkg.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using namespace evenement_pkg;
using traduction_sdl_pkg::traduire;

SDL_Event touche(Uint32 type, SDL_Scancode position, Uint16 modificateurs = KMOD_NONE, Uint8 repetition = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = position;
    e.key.keysym.sym = SDL_SCANCODE_TO_KEYCODE(position);
    e.key.keysym.mod = modificateurs;
    e.key.repeat = repetition;
    return e;
}

TEST(TraductionSdl, SymbolesDesTouchesParPosition) {
    const std::pair<SDL_Scancode, std::int32_t> table[] = {
        {SDL_SCANCODE_ESCAPE, 27},   {SDL_SCANCODE_RETURN, 13},   {SDL_SCANCODE_SPACE, 32},
        {SDL_SCANCODE_BACKSPACE, 8}, {SDL_SCANCODE_UP, 273},      {SDL_SCANCODE_DOWN, 274},
        {SDL_SCANCODE_RIGHT, 275},   {SDL_SCANCODE_LEFT, 276},    {SDL_SCANCODE_KP_1, 257},
        {SDL_SCANCODE_KP_6, 262},    {SDL_SCANCODE_KP_MINUS, 269}, {SDL_SCANCODE_KP_PLUS, 270},
        {SDL_SCANCODE_A, 'a'},       {SDL_SCANCODE_Q, 'q'},       {SDL_SCANCODE_Z, 'z'},
        {SDL_SCANCODE_0, '0'},       {SDL_SCANCODE_9, '9'},       {SDL_SCANCODE_SEMICOLON, ';'},
        {SDL_SCANCODE_COMMA, ','},   {SDL_SCANCODE_M, 'm'},
    };
    for (const auto& [position, symbole] : table) {
        SCOPED_TRACE(SDL_GetScancodeName(position));
        const auto traduits = traduire(touche(SDL_KEYDOWN, position));
        ASSERT_EQ(traduits.size(), 1u);
        EXPECT_EQ(traduits[0].type, TOUCHE_APPUYEE);
        EXPECT_EQ(traduits[0].touche, symbole);
    }
}

TEST(TraductionSdl, MajusculeRelachementRepetitionEtToucheInconnue) {
    const auto maj = traduire(touche(SDL_KEYDOWN, SDL_SCANCODE_A, KMOD_RSHIFT | KMOD_NUM));
    ASSERT_EQ(maj.size(), 1u);
    EXPECT_TRUE(maj[0].majuscule);
    EXPECT_FALSE(traduire(touche(SDL_KEYDOWN, SDL_SCANCODE_A, KMOD_NUM | KMOD_CAPS))[0].majuscule);

    const auto relache = traduire(touche(SDL_KEYUP, SDL_SCANCODE_LEFT));
    ASSERT_EQ(relache.size(), 1u);
    EXPECT_EQ(relache[0].type, TOUCHE_RELACHEE);
    EXPECT_EQ(relache[0].touche, 276);

    EXPECT_TRUE(traduire(touche(SDL_KEYDOWN, SDL_SCANCODE_A, KMOD_NONE, 1)).empty());
    EXPECT_TRUE(traduire(touche(SDL_KEYDOWN, SDL_SCANCODE_APPLICATION)).empty());
}

// Le texte suit la disposition du clavier ; un accent rendu en latin-1 par X sans méthode de saisie arrive en UTF-8.
TEST(TraductionSdl, LeTexteSaisiArriveEnUtf8) {
    const std::pair<const char*, std::string> table[] = {
        {"q", "q"}, {"\xC3\xA9", "é"}, {"\xE9", "é"}, {"A\xC9", "AÉ"}, {"\xE2\x82\xAC", "€"},
    };
    for (const auto& [brut, attendu] : table) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        std::snprintf(e.text.text, sizeof e.text.text, "%s", brut);
        const auto traduits = traduire(e);
        ASSERT_EQ(traduits.size(), 1u);
        EXPECT_EQ(traduits[0].type, TEXTE_SAISI);
        EXPECT_EQ(traduits[0].texte, attendu) << brut;
    }
}

TEST(TraductionSdl, BoutonsMasqueDeMouvementEtCoordonnees) {
    SDL_Event appui{};
    appui.type = SDL_MOUSEBUTTONDOWN;
    appui.button.button = SDL_BUTTON_RIGHT;
    appui.button.x = 120;
    appui.button.y = 45;
    const auto a = traduire(appui);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].type, SOURIS_APPUIE);
    EXPECT_EQ(a[0].bouton, 3);
    EXPECT_EQ(a[0].x, 120);
    EXPECT_EQ(a[0].y, 45);

    appui.type = SDL_MOUSEBUTTONUP;
    appui.button.button = SDL_BUTTON_X1;  // pas de bouton latéral dans le jeu
    EXPECT_TRUE(traduire(appui).empty());

    SDL_Event mouvement{};
    mouvement.type = SDL_MOUSEMOTION;
    mouvement.motion.state = SDL_BUTTON_LMASK;
    mouvement.motion.x = -4;  // hors de la fenêtre pendant un glissement
    mouvement.motion.y = 70000;
    const auto m = traduire(mouvement);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].type, SOURIS_BOUGE);
    EXPECT_EQ(m[0].bouton, 1);
    EXPECT_EQ(m[0].x, 0);
    EXPECT_EQ(m[0].y, 65535);
}

TEST(TraductionSdl, UnCranDeMoletteDonneUnAppuiPuisUnRelachement) {
    SDL_Event molette{};
    molette.type = SDL_MOUSEWHEEL;
    molette.wheel.y = -1;
    molette.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    molette.wheel.mouseX = 300;
    molette.wheel.mouseY = 200;
    const auto bas = traduire(molette);
    ASSERT_EQ(bas.size(), 2u);
    EXPECT_EQ(bas[0].type, SOURIS_APPUIE);
    EXPECT_EQ(bas[1].type, SOURIS_RELACHE);
    EXPECT_EQ(bas[0].bouton, 5);
    EXPECT_EQ(bas[1].x, 300);

    molette.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    EXPECT_EQ(traduire(molette)[0].bouton, 4);
    molette.wheel.y = 0;  // défilement horizontal seul
    EXPECT_TRUE(traduire(molette).empty());
}

TEST(TraductionSdl, EvenementsDeLaFenetre) {
    SDL_Event fenetre{};
    fenetre.type = SDL_WINDOWEVENT;
    fenetre.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    fenetre.window.data1 = 1024;
    fenetre.window.data2 = 768;
    const auto taille = traduire(fenetre);
    ASSERT_EQ(taille.size(), 1u);
    EXPECT_EQ(taille[0].type, REDIMENSIONNEMENT);
    EXPECT_EQ(taille[0].largeur, 1024);
    EXPECT_EQ(taille[0].hauteur, 768);

    fenetre.window.event = SDL_WINDOWEVENT_EXPOSED;
    EXPECT_EQ(traduire(fenetre)[0].type, EXPOSITION);
    fenetre.window.event = SDL_WINDOWEVENT_MOVED;
    EXPECT_TRUE(traduire(fenetre).empty());

    SDL_Event fermeture{};
    fermeture.type = SDL_QUIT;
    EXPECT_EQ(traduire(fermeture)[0].type, DEMANDE_QUITTER);

    SDL_Event inconnu{};
    inconnu.type = SDL_JOYAXISMOTION;
    EXPECT_TRUE(traduire(inconnu).empty());
}

} // namespace
