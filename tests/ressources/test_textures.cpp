// Textures produites par la construction : présence, format de pixels, tailles, raccords et reproductibilité.
#include <SDL.h>
#include <SDL_image.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct texture_attendue {
    const char* fichier;
    int octets_par_pixel;
};

// La table des textures du jeu, avec le format que le chargeur donne à OpenGL (3 octets RGB, 4 RGBA).
const std::vector<texture_attendue> table = {
    {"interface_bouton_validation.png", 4}, {"case.png", 3}, {"bouton_rond.png", 4}, {"recherche.png", 4},
    {"caseterm.png", 3}, {"casetermoccup.png", 3}, {"caseoccup.png", 3}, {"interface_triangle.png", 4},
    {"interface_barre.png", 4}, {"interface_panneau_droite.png", 4}, {"interface_bouton_cockpit.png", 4},
    {"interface_bouton_cockpit_actif.png", 4}, {"interface_dock.png", 4}, {"interface_bouton_dock.png", 4},
    {"interface_rond_rouge.png", 4}, {"interface_rond_vert.png", 4}, {"interface_bouton_dock_actif.png", 4},
    {"interface_fleche_navigation.png", 4}, {"systeme_pluton.png", 3}, {"systeme_neptune.png", 3},
    {"systeme_uranus.png", 3}, {"systeme_saturne.png", 3}, {"systeme_jupiter.png", 3}, {"systeme_mars.png", 3},
    {"systeme_terre.png", 3}, {"systeme_venus.png", 3}, {"systeme_mercure.png", 3}, {"systeme_soleil.png", 3},
    {"systeme_inconnu.png", 3}, {"curseur.png", 4}, {"interface_fond_etoile.png", 3},
    {"interface_bouton_validation_actif.png", 4}, {"interface_fleche_navigation_actif.png", 4},
    {"bouton_rond_actif.png", 4}, {"interface_fond_score.png", 4},
};

// Nom lisible dans les rapports des tests paramétrés.
void PrintTo(const texture_attendue& t, std::ostream* flux) {
    *flux << t.fichier;
}

struct liberer_surface {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using surface = std::unique_ptr<SDL_Surface, liberer_surface>;

std::filesystem::path chemin(const std::string& fichier) {
    return std::filesystem::path(DOSSIER_TEXTURES) / fichier;
}

surface charger(const std::filesystem::path& p) {
    return surface(IMG_Load(p.string().c_str()));
}

std::vector<unsigned char> octets(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

bool puissance_de_deux(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

const std::uint8_t* pixel(const SDL_Surface* s, int x, int y) {
    return static_cast<const std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch +
           static_cast<std::ptrdiff_t>(x) * s->format->BytesPerPixel;
}

// Écart moyen (par composante) entre deux colonnes, ou deux lignes, de l'image.
double ecart(const SDL_Surface* s, bool colonnes, int i, int j) {
    const int longueur = colonnes ? s->h : s->w;
    double somme = 0.0;
    for (int k = 0; k < longueur; ++k) {
        const std::uint8_t* a = colonnes ? pixel(s, i, k) : pixel(s, k, i);
        const std::uint8_t* b = colonnes ? pixel(s, j, k) : pixel(s, k, j);
        for (int c = 0; c < 3; ++c) {
            somme += std::abs(a[c] - b[c]);
        }
    }
    return somme / (3.0 * longueur);
}

// Un raccord est invisible quand la dernière colonne (ligne) ressemble à la première autant que deux
// colonnes (lignes) voisines quelconques se ressemblent.
::testing::AssertionResult se_raccorde(const SDL_Surface* s, bool colonnes) {
    const int nombre = colonnes ? s->w : s->h;
    double voisines = 0.0;
    for (int i = 0; i + 1 < nombre; ++i) {
        voisines += ecart(s, colonnes, i, i + 1);
    }
    voisines /= nombre - 1;
    const double raccord = ecart(s, colonnes, 0, nombre - 1);
    if (raccord <= 1.5 * voisines + 1.0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << (colonnes ? "colonnes" : "lignes") << " : écart au raccord " << raccord
                                         << " pour " << voisines << " entre voisines";
}

class fichier_texture : public ::testing::TestWithParam<texture_attendue> {};

TEST_P(fichier_texture, existe_se_decode_au_format_de_la_table_et_n_est_pas_vide) {
    const texture_attendue& t = GetParam();
    const std::filesystem::path p = chemin(t.fichier);
    ASSERT_TRUE(std::filesystem::exists(p)) << p;

    // En-tête PNG : profondeur 8 bits, type de couleur 2 (RGB) ou 6 (RGBA).
    const std::vector<unsigned char> contenu = octets(p);
    ASSERT_GT(contenu.size(), 26u);
    EXPECT_EQ(contenu[24], 8);
    EXPECT_EQ(contenu[25], t.octets_par_pixel == 3 ? 2 : 6);

    const surface s = charger(p);
    ASSERT_TRUE(s) << IMG_GetError();
    EXPECT_EQ(s->format->BytesPerPixel, t.octets_par_pixel);
    EXPECT_TRUE(puissance_de_deux(s->w)) << s->w;
    EXPECT_TRUE(puissance_de_deux(s->h)) << s->h;

    // Une image opaque n'est pas d'une seule teinte ; une image transparente a des parties pleines et des vides.
    int transparents = 0, opaques = 0;
    std::uint8_t minimum = 255, maximum = 0;
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            const std::uint8_t* px = pixel(s.get(), x, y);
            minimum = std::min(minimum, px[1]);
            maximum = std::max(maximum, px[1]);
            if (t.octets_par_pixel == 4) {
                transparents += px[3] == 0;
                opaques += px[3] == 255;
            }
        }
    }
    EXPECT_GT(maximum - minimum, 20);
    if (t.octets_par_pixel == 4) {
        EXPECT_GT(transparents, 0);
        EXPECT_GT(opaques, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(table_des_textures, fichier_texture, ::testing::ValuesIn(table),
                         [](const ::testing::TestParamInfo<texture_attendue>& info) {
                             std::string nom = info.param.fichier;
                             nom = nom.substr(0, nom.find('.'));
                             return nom;
                         });

TEST(fond_etoile, se_raccorde_a_gauche_a_droite_en_haut_et_en_bas) {
    const surface s = charger(chemin("interface_fond_etoile.png"));
    ASSERT_TRUE(s);
    EXPECT_TRUE(se_raccorde(s.get(), true));
    EXPECT_TRUE(se_raccorde(s.get(), false));
}

TEST(cartes_des_planetes, se_raccordent_au_meridien_de_recollement) {
    for (const char* fichier : {"systeme_pluton.png", "systeme_neptune.png", "systeme_uranus.png",
                                "systeme_saturne.png", "systeme_jupiter.png", "systeme_mars.png", "systeme_terre.png",
                                "systeme_venus.png", "systeme_mercure.png", "systeme_soleil.png",
                                "systeme_inconnu.png"}) {
        SCOPED_TRACE(fichier);
        const surface s = charger(chemin(fichier));
        ASSERT_TRUE(s);
        EXPECT_TRUE(se_raccorde(s.get(), true));
    }
}

// L'icône du bureau, à chaque taille : carrée, coins transparents (le bureau l'entoure), centre opaque.
TEST(icone, carree_aux_coins_transparents_a_chaque_taille) {
    for (const int cote : {48, 128, 256}) {
        const std::string taille = std::to_string(cote) + "x" + std::to_string(cote);
        SCOPED_TRACE(taille);
        const surface s = charger(std::filesystem::path(DOSSIER_ICONES) / taille / "novelia-tessaline.png");
        ASSERT_TRUE(s);
        EXPECT_EQ(s->w, cote);
        EXPECT_EQ(s->h, cote);
        ASSERT_EQ(s->format->BytesPerPixel, 4);
        EXPECT_EQ(pixel(s.get(), 0, 0)[3], 0);
        EXPECT_EQ(pixel(s.get(), cote - 1, cote - 1)[3], 0);
        EXPECT_EQ(pixel(s.get(), cote / 2, cote / 2)[3], 255);
    }
}

TEST(generateur_images, redonne_les_memes_octets_a_chaque_execution) {
    const std::filesystem::path dossier =
        std::filesystem::temp_directory_path() / ("textures_" + std::to_string(::getpid()));
    const std::string commande = std::string("\"") + GENERATEUR_IMAGES + "\" \"" + dossier.string() + "\" \"" +
                                 (dossier / "icones").string() + "\"";
    ASSERT_EQ(std::system(commande.c_str()), 0);
    for (const texture_attendue& t : table) {
        SCOPED_TRACE(t.fichier);
        EXPECT_EQ(octets(dossier / t.fichier), octets(chemin(t.fichier)));
    }
    const std::string icone = "256x256/novelia-tessaline.png";
    EXPECT_EQ(octets(dossier / "icones" / icone), octets(std::filesystem::path(DOSSIER_ICONES) / icone));
    std::filesystem::remove_all(dossier);
}

} // namespace
