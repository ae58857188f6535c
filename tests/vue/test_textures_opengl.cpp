// Textures dans une vraie fenêtre OpenGL : groupes chargés au bon moment, planètes une à une, pixels intacts.
#include "donnees_temporaires.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace gestionnaire_texture_pkg;
using donnees_temporaires::pixel;

// Largeur impaire : une ligne RGB n'est pas un multiple de 4 octets. GLU agrandit l'image en 4 × 4 ; les coins
// restent exacts. (Sa mise à l'échelle perd la dernière ligne quand une seule dimension change : 3 × 2 l'y expose.)
constexpr int largeur_image = 3;
constexpr int hauteur_image = 3;
constexpr int cote_texture = 4;

// Chaque image est reconnaissable : colonne dans le rouge, ligne dans le vert, emplacement dans le bleu.
pixel motif_de(int emplacement, int x, int y) {
    return {static_cast<std::uint8_t>(10 + 40 * x), static_cast<std::uint8_t>(20 + 100 * y),
            static_cast<std::uint8_t>(5 * emplacement), static_cast<std::uint8_t>(255 - 60 * x - 20 * y)};
}

struct TexturesOpenGL : testing::Test {
    donnees_temporaires::racine_donnees donnees;
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    textures& t = obtenir_textures();

    // Toutes les images de la table sont écrites avant l'ouverture de la fenêtre, qui charge le groupe de base.
    void SetUp() override {
        for (const description_texture& d : table_textures()) {
            if (!d.fichier.empty()) {
                const int e = d.emplacement;
                donnees.ecrire_texture(std::string(d.fichier.substr(1)), largeur_image, hauteur_image, d.alpha,
                                       [e](int x, int y) { return motif_de(e, x, y); });
            }
        }
        scene_pkg::initialiser_fenetre(fenetre);
    }

    std::uint32_t nom(std::string_view texture) const {
        return t.nom(emplacement_texture(texture));
    }

    // Noms de la table dont l'emplacement porte une texture.
    std::vector<std::string_view> charges(groupe_texture groupe) const {
        std::vector<std::string_view> resultat;
        for (const description_texture& d : table_textures()) {
            if (d.groupe == groupe && nom(d.nom) != 0) {
                resultat.push_back(d.nom);
            }
        }
        return resultat;
    }

    // Bleu du texel en haut à gauche de la texture du nom donné.
    std::uint8_t bleu_du_premier_texel(std::string_view texture) const {
        appliquer_textures(t, texture);
        std::vector<std::uint8_t> lus(static_cast<std::size_t>(cote_texture * cote_texture * 4));
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, lus.data());
        return lus.at(2);
    }

    static GLuint texture_liee() {
        GLint liee = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &liee);
        return static_cast<GLuint>(liee);
    }
};

TEST_F(TexturesOpenGL, LesGroupesArriventAuDemarragePuisAuPremierEcranDeJeuSeulement) {
    EXPECT_EQ(charges(groupe_texture::base).size(), 6u);
    EXPECT_TRUE(charges(groupe_texture::jeu).empty());
    EXPECT_TRUE(charges(groupe_texture::aide).empty());
    EXPECT_TRUE(charges(groupe_texture::planete).empty());
    EXPECT_EQ(texture_liee(), 0u);

    initialiser_jeu_textures(t);
    initialiser_aide_textures(t);
    EXPECT_EQ(charges(groupe_texture::jeu).size(), 17u);
    EXPECT_EQ(charges(groupe_texture::aide), std::vector<std::string_view>{"recherche"});
    EXPECT_EQ(texture_liee(), 0u);

    // Un changement de taille relit la base seulement, sans garder l'ancienne texture ; un second appel ne
    // recharge pas le jeu. Les deux images changent sur le disque entre-temps : le texel dit ce qui a été relu.
    for (const description_texture& d : table_textures()) {
        if (d.nom == "fleche" || d.nom == "case") {
            donnees.ecrire_texture(std::string(d.fichier.substr(1)), largeur_image, hauteur_image, d.alpha,
                                   [](int x, int y) { return motif_de(50, x, y); });
        }
    }
    const int vivantes = nom_gl_pkg::nombre_textures();
    evenement_pkg::evenement plus_grand;
    plus_grand.type = evenement_pkg::REDIMENSIONNEMENT;
    plus_grand.largeur = 900;
    plus_grand.hauteur = 700;
    scene_pkg::redimensionnement(plus_grand);
    initialiser_jeu_textures(t);
    EXPECT_EQ(bleu_du_premier_texel("fleche"), motif_de(50, 0, 0).b);
    EXPECT_EQ(bleu_du_premier_texel("case"), motif_de(emplacement_texture("case"), 0, 0).b);
    EXPECT_EQ(nom_gl_pkg::nombre_textures(), vivantes);
}

TEST_F(TexturesOpenGL, LesPlanetesArriventUneParAppelJusquAuNiveauDemande) {
    using liste = std::vector<std::string_view>;
    initialiser_planetes_textures(t, 5);
    EXPECT_EQ(charges(groupe_texture::planete), (liste{"inconnu", "pluton"}));
    const liste suivantes = {"neptune", "uranus", "saturne", "jupiter", "mars"};
    liste attendues = {"inconnu", "pluton"};
    for (const std::string_view planete : suivantes) {
        initialiser_planetes_textures(t, 5);
        attendues.push_back(planete);
        EXPECT_EQ(charges(groupe_texture::planete), attendues);
    }
    initialiser_planetes_textures(t, 5);
    initialiser_planetes_textures(t, 0);
    EXPECT_EQ(charges(groupe_texture::planete), attendues);
    EXPECT_EQ(texture_liee(), 0u);
}

// Chaque image refusée donne une ligne qui dit sa cause (pas un PNG n'est pas trop grand), une seule fois même quand
// le groupe se recharge ; les autres images du groupe sont là.
TEST_F(TexturesOpenGL, UneImageRefuseeDitSaCauseUneFoisEtNeLieAucuneTexture) {
    std::ifstream image("textures/casetermoccup.png", std::ios::binary);
    std::string png_tronque(60, '\0');
    image.read(png_tronque.data(), 60);
    // En-tête PNG annonçant 5 000 × 8 pixels, sans rien d'autre.
    const std::string png_geant = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x13\x88\0\0\0\x08\x08\x06\0\0\0", 29);
    struct cas { const char* fichier; std::string contenu; const char* nom; const char* cause; };
    const std::vector<cas> table{
        {"case.png", "ceci n'est pas une image PNG", "case", "pas une image PNG"},
        {"casetermoccup.png", png_tronque, "case_terminale_occupe", "image PNG illisible"},
        {"curseur.png", png_geant, "curseur", "image de 5000 × 8 pixels, plus grande que 4096 × 4096"},
        {"caseoccup.png", "", "case_occupe", "impossible d'ouvrir"},
    };
    for (const cas& c : table) {
        if (c.contenu.empty()) std::filesystem::remove(std::string("textures/") + c.fichier);
        else donnees.ecrire_fichier(std::string("textures/") + c.fichier, c.contenu);
    }
    testing::internal::CaptureStdout();
    initialiser_jeu_textures(t);
    const std::string sortie = testing::internal::GetCapturedStdout();

    for (const cas& c : table) {
        const std::string debut = std::string("textures/") + c.fichier + " : ";
        const auto ligne = sortie.find(debut);
        ASSERT_NE(ligne, std::string::npos) << sortie;
        EXPECT_NE(sortie.substr(ligne, sortie.find('\n', ligne) - ligne).find(c.cause), std::string::npos) << sortie;
        EXPECT_EQ(sortie.find(debut, ligne + 1), std::string::npos) << "deux lignes pour " << c.fichier;
        EXPECT_EQ(nom(c.nom), 0u) << c.nom;
    }
    EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), static_cast<long>(table.size())) << sortie;
    EXPECT_EQ(charges(groupe_texture::jeu).size(), 13u);  // les autres images du groupe sont là

    // Rechargée (comme le groupe de base à chaque changement de taille de la fenêtre), l'image toujours abîmée ne
    // se redit pas.
    testing::internal::CaptureStdout();
    inittexture(t, "/case.png", emplacement_texture("case"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    appliquer_textures(t, "case_terminale");
    EXPECT_NE(texture_liee(), 0u);
    appliquer_textures(t, "case");
    EXPECT_EQ(texture_liee(), 0u);
}

TEST_F(TexturesOpenGL, AppliquerLieLaTextureDuNomEtResetNeLieRien) {
    appliquer_textures(t, "bouton_rond");
    EXPECT_EQ(texture_liee(), nom("bouton_rond"));
    appliquer_textures(t, "reset");
    EXPECT_EQ(texture_liee(), 0u);
    appliquer_textures(t, "fond_etoile");
    EXPECT_THROW(appliquer_textures(t, "Fond_etoile"), TEXTURE_NON_EXISTANTE);
    EXPECT_EQ(texture_liee(), nom("fond_etoile"));
    reset_texture_courante(t);
    EXPECT_EQ(texture_liee(), 0u);
}

// Les octets de l'image arrivent tels quels, ligne du haut en premier, en 3 ou 4 octets selon la table.
TEST_F(TexturesOpenGL, LesPixelsRgbEtRgbaArriventTelsQuelsLigneDuHautEnPremier) {
    for (const std::string_view texture : {"fond_etoile", "fleche"}) {
        const bool alpha = texture == "fleche";
        const int octets = alpha ? 4 : 3;
        const int e = emplacement_texture(texture);
        appliquer_textures(t, texture);
        GLint format = 0;
        GLint largeur_texture = 0;
        GLint hauteur_texture = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &largeur_texture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &hauteur_texture);
        EXPECT_EQ(format, octets) << texture;
        ASSERT_EQ(largeur_texture, cote_texture) << texture;
        ASSERT_EQ(hauteur_texture, cote_texture) << texture;
        std::vector<std::uint8_t> lus(static_cast<std::size_t>(largeur_texture * hauteur_texture * octets));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, alpha ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, lus.data());
        // Coins de l'image (0 ou 2) et de la texture (0 ou 3), ligne du haut en premier.
        for (const int x : {0, 1}) {
            for (const int y : {0, 1}) {
                const pixel attendu = motif_de(e, 2 * x, 2 * y);
                const std::uint8_t* p = &lus.at(static_cast<std::size_t>((3 * y * cote_texture + 3 * x) * octets));
                EXPECT_EQ(+p[0], +attendu.r) << texture << " " << x << "," << y;
                EXPECT_EQ(+p[1], +attendu.g) << texture << " " << x << "," << y;
                EXPECT_EQ(+p[2], +attendu.b) << texture << " " << x << "," << y;
                if (alpha) {
                    EXPECT_EQ(+p[3], +attendu.a) << texture << " " << x << "," << y;
                }
            }
        }
    }
}

// Carré texturé de 2 × 2 unités à z = -3, sans éclairage : les couleurs à l'écran sont celles des texels.
class carre_texture : public objet_3d_pkg::objet_affichable {
public:
    void afficher() override {
        preparer_affichage();
        glDisable(GL_LIGHTING);
        appliquer_textures(obtenir_textures(), "fond_etoile");
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(-1.0f, -1.0f, -3.0f);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(1.0f, -1.0f, -3.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(1.0f, 1.0f, -3.0f);
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(-1.0f, 1.0f, -3.0f);
        glEnd();
        appliquer_textures(obtenir_textures(), "reset");
        glEnable(GL_LIGHTING);
        terminer_affichage();
    }
};

TEST_F(TexturesOpenGL, UnCarreTextureMontreLImageLeHautEnHaut) {
    scene_pkg::afficher_scene(std::make_shared<carre_texture>());
    glReadBuffer(GL_BACK);
    // Le carré couvre environ les pixels 158 à 641 en x et 58 à 541 en y (origine OpenGL en bas) ; un texel y fait
    // 120 pixels de côté et l'échantillonnage est au plus proche : on vise le centre des texels des coins.
    auto lire = [](int x, int y) {
        std::array<GLubyte, 3> p{};
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p.data());
        return p;
    };
    const int e = emplacement_texture("fond_etoile");
    const struct {
        int x_ecran, y_ecran, x_image, y_image;
    } echantillons[] = {{218, 482, 0, 0}, {581, 482, 2, 0}, {218, 122, 0, 2}, {581, 122, 2, 2}};
    for (const auto& s : echantillons) {
        const pixel attendu = motif_de(e, s.x_image, s.y_image);
        const auto lu = lire(s.x_ecran, s.y_ecran);
        EXPECT_NEAR(lu[0], attendu.r, 2) << s.x_image << "," << s.y_image;
        EXPECT_NEAR(lu[1], attendu.g, 2) << s.x_image << "," << s.y_image;
        EXPECT_NEAR(lu[2], attendu.b, 2) << s.x_image << "," << s.y_image;
    }
}

} // namespace
