// Chemins des données et correspondance du clavier français.
#include <gtest/gtest.h>

#include "grille_libre_pkg.hpp"
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
    EXPECT_EQ(grille_libre_pkg::nom_fichier_grille_personnelle("ma grille"), "magrille.xml");
}

TEST(OsFichiers, MappageClavier) {
    const std::pair<char, char> table[] = {
        {'a', 'q'}, {'q', 'a'}, {'z', 'w'}, {'w', 'z'}, {'A', 'Q'}, {'Q', 'A'}, {'Z', 'W'}, {'W', 'Z'},
        {';', 'm'}, {'m', ','}, {'M', '?'}, {',', ','}, {'?', '?'}, {27, 'M'}, {12, '?'},
        {'b', 'b'}, {'7', '7'}, {'.', '.'}, {'-', '-'},
    };
    for (const auto& [entree, sortie] : table) {
        EXPECT_EQ(os::fichiers::mappage_clavier(entree), sortie) << int(entree);
    }
}

}  // namespace
