// File d'événements sur SDL2 : événements du jeu mêlés à ceux du système, dans l'ordre, sans fuite.
#include "file_evenements_sdl_pkg.hpp"

#include <gtest/gtest.h>

namespace {

using evenement_pkg::evenement;

void pousser_touche_sdl(SDL_Scancode position) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = position;
    SDL_PushEvent(&e);
}

TEST(FileEvenementsSdl, LesEvenementsNommesReviennentDansLOrdreDePousseeAvecLeurCharge) {
    file_evenements_sdl_pkg::file_evenements_sdl file;

    pousser_touche_sdl(SDL_SCANCODE_RETURN);
    file.pousser(evenement_pkg::nomme("deplacer_curseur", case_simple_pkg::coordonnees{3, 9}));
    pousser_touche_sdl(SDL_SCANCODE_ESCAPE);
    file.pousser(evenement_pkg::nomme("valider_choix_liste", std::string("niv1_1.xml")));

    auto e1 = file.scruter();
    auto e2 = file.scruter();
    auto e3 = file.scruter();
    auto e4 = file.scruter();
    ASSERT_TRUE(e1 && e2 && e3 && e4);
    EXPECT_EQ(e1->touche, evenement_pkg::touches::ENTREE);
    EXPECT_EQ(e2->type, evenement_pkg::EVENEMENT_NOMME);
    EXPECT_EQ(e2->nom, "deplacer_curseur");
    EXPECT_EQ(std::get<case_simple_pkg::coordonnees>(e2->donnee), (case_simple_pkg::coordonnees{3, 9}));
    EXPECT_EQ(e3->touche, evenement_pkg::touches::ECHAP);
    EXPECT_EQ(std::get<std::string>(e4->donnee), "niv1_1.xml");
    EXPECT_FALSE(file.scruter());
}

TEST(FileEvenementsSdl, DesEvenementsJamaisLusSontLiberesAvecLaFile) {
    {
        file_evenements_sdl_pkg::file_evenements_sdl file;
        for (int i = 0; i < 100; ++i) {
            file.pousser(evenement_pkg::nomme("valider_ecriture", std::string(200, 'x')));
        }
    }
    // Une nouvelle file ne voit rien de l'ancienne.
    file_evenements_sdl_pkg::file_evenements_sdl file;
    EXPECT_FALSE(file.scruter());
}

TEST(FileEvenementsSdl, UneToucheTenueSeRepeteApresLeDelaiPuisSArreteAuRelachement) {
    using namespace std::chrono_literals;
    file_evenements_sdl_pkg::file_evenements_sdl file;
    // Délai large : la machine peut être chargée entre deux lectures sans que la répétition soit due.
    file.definir_repetition(300ms, 10ms);
    pousser_touche_sdl(SDL_SCANCODE_DOWN);
    ASSERT_TRUE(file.scruter());
    EXPECT_FALSE(file.scruter());  // pas encore

    // L'attente finit à l'échéance de la répétition, ou plus tôt si SDL reçoit autre chose : on attend
    // de nouveau jusqu'à ce que la répétition arrive.
    std::optional<evenement_pkg::evenement> repetee;
    const auto debut = std::chrono::steady_clock::now();
    while (!repetee && std::chrono::steady_clock::now() - debut < 5s) {
        file.attendre(std::nullopt);
        repetee = file.scruter();
    }
    ASSERT_TRUE(repetee);
    EXPECT_EQ(repetee->type, evenement_pkg::TOUCHE_APPUYEE);
    EXPECT_EQ(repetee->touche, evenement_pkg::touches::BAS);

    SDL_Event relache{};
    relache.type = SDL_KEYUP;
    relache.key.keysym.scancode = SDL_SCANCODE_DOWN;
    SDL_PushEvent(&relache);
    ASSERT_EQ(file.scruter()->type, evenement_pkg::TOUCHE_RELACHEE);
    SDL_Delay(30);
    EXPECT_FALSE(file.scruter());
}

// F11 appartient à la plate-forme : un appui bascule le plein écran une fois, la répétition du système et le
// relâchement ne font rien, et aucune des trois n'arrive au jeu, qui ne la répète pas non plus.
TEST(FileEvenementsSdl, F11BasculeLePleinEcranSansArriverAuJeu) {
    using namespace std::chrono_literals;
    file_evenements_sdl_pkg::file_evenements_sdl file;
    file.definir_repetition(1ms, 1ms);
    int bascules = 0;
    file.definir_bascule_plein_ecran([&bascules] { ++bascules; });

    SDL_Event f11{};
    f11.type = SDL_KEYDOWN;
    f11.key.keysym.scancode = SDL_SCANCODE_F11;
    SDL_PushEvent(&f11);
    f11.key.repeat = 1;
    SDL_PushEvent(&f11);
    f11.type = SDL_KEYUP;
    f11.key.repeat = 0;
    SDL_PushEvent(&f11);
    EXPECT_FALSE(file.scruter());
    SDL_Delay(5);
    EXPECT_FALSE(file.scruter());  // ni l'appui ni sa répétition par la file

    pousser_touche_sdl(SDL_SCANCODE_F10);  // les autres touches de fonction restent au jeu
    const auto e = file.scruter();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->touche, evenement_pkg::touches::F1 + 9);
    EXPECT_EQ(bascules, 1);
}

} // namespace
