// Textes dans une vraie fenêtre OpenGL, avec une police de la machine : cache partagé, mesures, couleur à l'écran.
#include "donnees_temporaires.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "racine_de_scene.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace affichage_texte_pkg;
using objet_texte_pkg::texte_affichable;

struct TexteOpenGL : testing::Test {
    donnees_temporaires::racine_donnees donnees;
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    std::shared_ptr<racine_de_scene::racine> scene = std::make_shared<racine_de_scene::racine>();

    void SetUp() override {
        ASSERT_TRUE(donnees.copier_police_systeme()) << "aucune police trouvée par « fc-match sans »";
        scene_pkg::initialiser_fenetre(fenetre);
    }

    std::shared_ptr<texte_affichable> texte(const std::string& contenu, const couleur_texte& couleur = blanc) {
        auto t = std::make_shared<texte_affichable>(contenu, couleur);
        t->positionner_objet3d({0.0f, 0.0f, -3.0f});
        scene->ajouter_sous_objet(t);
        return t;
    }

    static int largeur_latin1(const std::string& latin1) {
        int w = 0;
        for (const char c : latin1) {
            w += largeur(obtenir_caractere(c));
        }
        return w;
    }

    // Pixels de la ligne du milieu de l'image présentée.
    static std::vector<std::array<GLubyte, 3>> ligne_du_milieu() {
        std::vector<std::array<GLubyte, 3>> ligne(800);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 300, 800, 1, GL_RGB, GL_UNSIGNED_BYTE, ligne.data());
        return ligne;
    }
};

// Alpha d'un glyphe en cache, lu à sa place dans la page de l'atlas qui le porte.
std::vector<GLubyte> alpha_du_glyphe(char c) {
    const caractere g = obtenir_caractere(c);
    glBindTexture(GL_TEXTURE_2D, g.texture);
    GLint l = 0;
    GLint h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &l);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<GLubyte> page(static_cast<std::size_t>(l * h));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, page.data());
    const auto x0 = static_cast<int>(std::lround(g.s0 * static_cast<float>(l)));
    const auto y0 = static_cast<int>(std::lround(g.t0 * static_cast<float>(h)));
    std::vector<GLubyte> alpha;
    for (int y = y0; y < y0 + g.height; ++y) {
        for (int x = x0; x < x0 + g.width; ++x) {
            alpha.push_back(page.at(static_cast<std::size_t>(y * l + x)));
        }
    }
    return alpha;
}

TEST_F(TexteOpenGL, DeuxTextesPartagentLesGlyphesDuCache) {
    const int rendus = nombre_glyphes_rendus();
    auto premier = texte("AB");
    auto second = texte("BA");
    premier->mettre_a_jour();
    second->mettre_a_jour();
    EXPECT_EQ(nombre_glyphes_rendus(), rendus + 2);
    scene_pkg::afficher_scene(scene);
    EXPECT_EQ(nombre_glyphes_rendus(), rendus + 2);
    EXPECT_EQ(premier->obtenir_largeur(), second->obtenir_largeur());
    // Une même page de l'atlas, deux places qui ne se chevauchent pas.
    const caractere a = obtenir_caractere('A');
    const caractere b = obtenir_caractere('B');
    EXPECT_EQ(a.texture, b.texture);
    EXPECT_TRUE(a.s1 <= b.s0 || b.s1 <= a.s0 || a.t1 <= b.t0 || b.t1 <= a.t0);
}

TEST_F(TexteOpenGL, LaMesureSuitLeTexteEtSeRefaitAuDessinSuivant) {
    auto t = texte("A");
    t->mettre_a_jour();
    const caractere a = obtenir_caractere('A');
    const caractere g = obtenir_caractere('g');
    EXPECT_EQ(t->obtenir_largeur(), a.width);
    EXPECT_EQ(t->obtenir_hauteur(), a.height);
    EXPECT_GT(a.width, 0);

    t->definir_texte("Agg");
    scene_pkg::afficher_scene(scene);  // sans mettre_a_jour explicite
    EXPECT_EQ(t->obtenir_largeur(), a.width + 2 * g.width);
    EXPECT_EQ(t->obtenir_hauteur(), std::max(a.height, g.height));

    t->definir_texte("");
    scene_pkg::afficher_scene(scene);
    EXPECT_EQ(t->obtenir_largeur(), 0);
}

TEST_F(TexteOpenGL, ComplexiteRendSonEAccentUnSeulGlyphe) {
    auto t = texte("Complexité");
    t->mettre_a_jour();
    EXPECT_EQ(t->obtenir_largeur(), largeur_latin1("Complexit\xE9"));
    EXPECT_NE(t->obtenir_largeur(), largeur_latin1("Complexit\xC3\xA9"));  // les octets UTF-8 pris pour du latin-1

    // Le glyphe de é porte plus d'encre que celui de e : son accent.
    auto encre = [](char c) {
        long somme = 0;
        for (const GLubyte v : alpha_du_glyphe(c)) {
            somme += v;
        }
        return somme;
    };
    EXPECT_GT(encre('\xE9'), encre('e') + 1000);
}

// Une espace n'a pas d'encre : elle reste transparente, sans message, et le glyphe suivant donne l'opacité.
TEST_F(TexteOpenGL, UnPremierGlypheSansEncreResteTransparentEtLeSuivantDonneLOpacite) {
    auto t = texte(" A");
    testing::internal::CaptureStdout();
    t->mettre_a_jour();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    const auto espace = alpha_du_glyphe(' ');
    const auto a = alpha_du_glyphe('A');
    EXPECT_EQ(*std::max_element(espace.begin(), espace.end()), 0);
    EXPECT_EQ(*std::max_element(a.begin(), a.end()), 255);
}

TEST_F(TexteOpenGL, ApresRechargementLesGlyphesSontRendusDeNouveauEtSeVoient) {
    auto t = texte("IHHH");
    t->definir_echelle(0.8f);
    scene_pkg::afficher_scene(scene);
    const int rendus = nombre_glyphes_rendus();
    const int textures = nom_gl_pkg::nombre_textures();
    recharger_table_caracteres();
    scene_pkg::afficher_scene(scene);  // le texte, déjà mesuré, redemande ses glyphes en se dessinant
    EXPECT_EQ(nombre_glyphes_rendus(), rendus + 2);
    EXPECT_EQ(nom_gl_pkg::nombre_textures(), textures) << "l'ancienne page de l'atlas n'est pas supprimée";
    // Les H de droite, rendus après le I, et pas seulement la première lettre.
    const auto ligne = ligne_du_milieu();
    EXPECT_GT(std::count_if(ligne.begin() + 400, ligne.end(), [](const auto& p) { return p[0] > 120; }), 30);
}

// Une police du jeu absente, tronquée ou brouillée : une ligne le dit, et la police de secours dessine les textes ;
// sans police de secours non plus, une ligne encore, et les glyphes sont vides sans que rien ne tombe.
TEST_F(TexteOpenGL, UnePoliceAbimeeDonneUneLigneEtLaPoliceDeSecours) {
    std::ifstream systeme("polices/FALLOUT.ttf", std::ios::binary);
    const std::string bonne((std::istreambuf_iterator<char>(systeme)), std::istreambuf_iterator<char>());
    ASSERT_GT(bonne.size(), 4000u);
    donnees.ecrire_fichier("polices/SECOURS.ttf", bonne);
    std::string brouillee(bonne.size(), '\0');
    for (std::size_t k = 0; k < brouillee.size(); ++k) brouillee[k] = static_cast<char>((k * 7919 + 13) % 251);
    donnees.ecrire_fichier("polices/TRONQUEE.ttf", bonne.substr(0, 4000));
    donnees.ecrire_fichier("polices/BROUILLEE.ttf", brouillee);
    donnees.ecrire_fichier("polices/VIDE.ttf", "");
    for (const char* nom : {"TRONQUEE", "BROUILLEE", "VIDE", "ABSENTE"}) {
        SCOPED_TRACE(nom);
        changer_police(nom);
        testing::internal::CaptureStdout();
        std::string texte_rendu;
        for (const char c : std::string("Police de secours")) texte_rendu += std::to_string(largeur(obtenir_caractere(c)));
        const std::string sortie = testing::internal::GetCapturedStdout();
        EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), 1) << sortie;
        EXPECT_NE(sortie.find(std::string("polices/") + nom + ".ttf"), std::string::npos) << sortie;
        EXPECT_NE(sortie.find("police de secours : polices/SECOURS.ttf"), std::string::npos) << sortie;
        EXPECT_GT(largeur(obtenir_caractere('A')), 0);
    }

    donnees.ecrire_fichier("polices/SECOURS.ttf", brouillee);
    changer_police("BROUILLEE");
    testing::internal::CaptureStdout();
    for (const char c : std::string("Plus rien")) EXPECT_EQ(largeur(obtenir_caractere(c)), 0);
    recharger_table_caracteres();
    EXPECT_EQ(largeur(obtenir_caractere('P')), 0);
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), 1) << sortie;
    EXPECT_NE(sortie.find("Les textes ne seront pas affichés : aucune police utilisable"), std::string::npos) << sortie;
}

// Un « g » grossi : le haut de son quadrilatère (vers y = 59) ne montre pas le bas de la lettre.
TEST_F(TexteOpenGL, UnGlypheGrossiNeDebordePasParSonBord) {
    texte("g")->definir_echelle(2.0f);
    scene_pkg::afficher_scene(scene);
    std::vector<std::array<GLubyte, 3>> bande(800 * 8);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 600 - 63, 800, 8, GL_RGB, GL_UNSIGNED_BYTE, bande.data());  // rangées 56 à 63
    EXPECT_EQ(std::count_if(bande.begin(), bande.end(), [](const auto& p) { return p[0] > 40; }), 0);
    const auto milieu = ligne_du_milieu();
    EXPECT_GT(std::count_if(milieu.begin(), milieu.end(), [](const auto& p) { return p[0] > 120; }), 20);
}

TEST_F(TexteOpenGL, LeTexteSAfficheDansSaCouleur) {
    auto t = texte("HHH", rouge);
    t->definir_echelle(0.8f);
    auto compter = [](auto predicat) {
        int n = 0;
        for (const auto& p : ligne_du_milieu()) {
            n += predicat(p) ? 1 : 0;
        }
        return n;
    };
    auto rougeatre = [](const std::array<GLubyte, 3>& p) { return p[0] > 120 && p[1] < 20 && p[2] < 20; };
    auto verdatre = [](const std::array<GLubyte, 3>& p) { return p[1] > 120 && p[0] < 20 && p[2] < 20; };

    scene_pkg::afficher_scene(scene);
    EXPECT_GT(compter(rougeatre), 30);
    EXPECT_EQ(compter(verdatre), 0);
    // Les jambages des H laissent du fond noir entre eux.
    EXPECT_GT(compter([](const auto& p) { return p[0] + p[1] + p[2] == 0; }), 400);

    t->definir_couleur(vert);
    scene_pkg::afficher_scene(scene);
    EXPECT_GT(compter(verdatre), 30);
    EXPECT_EQ(compter(rougeatre), 0);
}

// Sans police du jeu ni police de secours : un seul message, et rien n'est dessiné.
TEST_F(TexteOpenGL, SansPoliceLesTextesNeDessinentRienEtLeJeuContinue) {
    std::filesystem::remove("polices/FALLOUT.ttf");
    auto t = texte("Jouer");
    texte("Quitter");
    testing::internal::CaptureStdout();
    scene_pkg::afficher_scene(scene);
    scene_pkg::afficher_scene(scene);
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_EQ(t->obtenir_largeur(), 0);
    EXPECT_NE(sortie.find("polices/FALLOUT.ttf"), std::string::npos) << sortie;
    EXPECT_EQ(sortie.find('\n'), sortie.size() - 1) << "un seul message attendu :\n" << sortie;
    for (const auto& p : ligne_du_milieu()) {
        ASSERT_EQ(p[0] + p[1] + p[2], 0);
    }
}

} // namespace
