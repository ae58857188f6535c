// En-têtes de sons et d'images lus avant tout décodage.
#include "entetes_media_pkg.hpp"

#include <gtest/gtest.h>

#include "sons_forges.hpp"

namespace {

using sons_forges::wav;

TEST(EntetesMedia, UnSonOrdinaireEstAccepte) {
    EXPECT_NO_THROW(entetes_media_pkg::verifier_wav(wav(22050, 2, 16, 4000)));
    EXPECT_NO_THROW(entetes_media_pkg::verifier_wav(wav(44100, 1, 32, 4000, -1, 3)));  // flottants
}

// Chaque son refusé nomme l'erreur déclarée ; aucun n'atteint le mélangeur.
TEST(EntetesMedia, UnSonQuiMentSurSonEnTeteOuSaDureeEstRefuse) {
    const struct {
        const char* nom;
        std::string contenu;
    } cas[] = {
        {"cinq_heures_a_2_hz", wav(2, 1, 8, 40000)},
        {"donnees_annoncees_plus_longues_que_le_fichier", wav(22050, 2, 16, 100, 0x7FFFFFF0)},
        {"adpcm", wav(22050, 1, 4, 100, -1, 2)},
        {"zero_canal", wav(22050, 0, 16, 100)},
        {"frequence_nulle", wav(0, 1, 16, 100)},
        {"sans_bloc_data", wav(22050, 1, 16, 0).substr(0, 36)},
        {"pas_un_riff", "RIFX" + wav(22050, 1, 16, 10).substr(4)},
        {"vide", ""},
    };
    for (const auto& c : cas) {
        EXPECT_THROW(entetes_media_pkg::verifier_wav(c.contenu), entetes_media_pkg::ERREUR_SON_INVALIDE) << c.nom;
    }
}

TEST(EntetesMedia, LesDimensionsDUnPngSontLuesSansDecoder) {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\xff\xff\0\0\x01\x02", 24);
    const auto d = entetes_media_pkg::dimensions_png(png);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->largeur, 65535u);
    EXPECT_EQ(d->hauteur, 258u);
    EXPECT_FALSE(entetes_media_pkg::dimensions_png(png.substr(0, 23)).has_value());
    EXPECT_FALSE(entetes_media_pkg::dimensions_png("GIF89a" + png).has_value());
}

}  // namespace
