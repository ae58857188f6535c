// Chemins des données.
#include <gtest/gtest.h>

#include "os_fichiers.hpp"

namespace {

TEST(OsFichiers, RepertoiresRelatifsAvecSeparateur) {
    using namespace os::fichiers;
    EXPECT_EQ(repertoire_ressources(), "");
    EXPECT_EQ(repertoire_sons(), "sons/");
    EXPECT_EQ(repertoire_grilles(), "grilles/");
    EXPECT_EQ(repertoire_grilles_personnelles(), "grilles_personnelles/");
    EXPECT_EQ(repertoire_grilles_campagne(), "campagne/grilles/");
    EXPECT_EQ(obtenir_session_joueur("alice"), "sessions/alice/");
    EXPECT_EQ(obtenir_chemin_texture("/case.png"), "textures//case.png");
    EXPECT_EQ(obtenir_chemin_police("FALLOUT"), "polices/FALLOUT.ttf");
}

}  // namespace
