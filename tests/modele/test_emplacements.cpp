// Chemins des données.
#include <gtest/gtest.h>

#include "emplacements_pkg.hpp"

namespace {

using namespace emplacements_pkg;

TEST(Emplacements, RepertoiresRelatifsAvecSeparateur) {
    EXPECT_EQ(repertoire_ressources(), "");
    EXPECT_EQ(repertoire_sons(), "sons/");
    EXPECT_EQ(repertoire_grilles(), "grilles/");
    EXPECT_EQ(repertoire_grilles_personnelles(), "grilles_personnelles/");
    EXPECT_EQ(repertoire_grilles_campagne(), "campagne/grilles/");
    EXPECT_EQ(obtenir_session_joueur("alice"), "sessions/alice/");
    EXPECT_EQ(obtenir_chemin_texture("/case.png"), "textures/case.png");
    EXPECT_EQ(obtenir_chemin_police("FALLOUT"), "polices/FALLOUT.ttf");
}

// Jeu installé : ce qui est livré sous une racine, ce qu'écrit le joueur sous l'autre, rien ailleurs.
TEST(Emplacements, DeuxRacinesQuandLeJeuEstInstalle) {
    definir_racines("/p/share/jeu", "/maison/jeu/");
    EXPECT_EQ(repertoire_sons(), "/p/share/jeu/sons/");
    EXPECT_EQ(repertoire_grilles(), "/p/share/jeu/grilles/");
    EXPECT_EQ(repertoire_grilles_campagne(), "/p/share/jeu/campagne/grilles/");
    EXPECT_EQ(obtenir_chemin_texture("/case.png"), "/p/share/jeu/textures/case.png");
    EXPECT_EQ(obtenir_chemin_police("FALLOUT"), "/p/share/jeu/polices/FALLOUT.ttf");
    EXPECT_EQ(repertoire_grilles_personnelles(), "/maison/jeu/grilles_personnelles/");
    EXPECT_EQ(obtenir_session_joueur("alice"), "/maison/jeu/sessions/alice/");
    definir_racines("", "");
    EXPECT_EQ(obtenir_session_joueur("alice"), "sessions/alice/");
}

}  // namespace
