// Scène dans une vraie fenêtre OpenGL : sélection par la souris et état rendu après chaque passe.
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"
#include "racine_de_scene.hpp"
#include "recepteur_souris_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using objet_3d_pkg::coordonnee_3d;

// Rectangle plein de x_min à x_max, de hauteur 1, centré sur l'axe horizontal, dans le plan de l'objet.
void rectangle(float x_min, float x_max, float r, float g, float b) {
    glColor3f(r, g, b);
    glBegin(GL_QUADS);
    glVertex3f(x_min, -0.5f, 0.0f);
    glVertex3f(x_max, -0.5f, 0.0f);
    glVertex3f(x_max, 0.5f, 0.0f);
    glVertex3f(x_min, 0.5f, 0.0f);
    glEnd();
}

class rectangle_cliquable : public objet_3d_recepteur_pkg::objet_3d_recepteur {
public:
    rectangle_cliquable(float x_min, float x_max, float z, float r, float g, float b)
        : x_min_(x_min), x_max_(x_max), r_(r), g_(g), b_(b) {
        positionner_objet3d({0.0f, 0.0f, z});
        initialiser();
    }
    void afficher() override {
        preparer_affichage();
        rectangle(x_min_, x_max_, r_, g_, b_);
        afficher_sous_objets();
        terminer_affichage();
    }

private:
    float x_min_, x_max_, r_, g_, b_;
};

// Rectangle cliquable qui note les crochets de souris qu'il reçoit.
class rectangle_temoin : public rectangle_cliquable {
public:
    rectangle_temoin(std::vector<std::string>& journal, std::string nom, float x_min, float x_max, float z)
        : rectangle_cliquable(x_min, x_max, z, 1, 1, 1), journal_(journal), nom_(std::move(nom)) {}
    void sourisentre(const evenement_pkg::evenement&) override { journal_.push_back(nom_ + ".entre"); }
    void sourissort(const evenement_pkg::evenement&) override { journal_.push_back(nom_ + ".sort"); }
    void sourisrelache(const evenement_pkg::evenement&) override { journal_.push_back(nom_ + ".relache"); }

private:
    std::vector<std::string>& journal_;
    std::string nom_;
};

class panneau : public objet_3d_pkg::objet_affichable {
public:
    panneau(float x_min, float x_max, float z) : x_min_(x_min), x_max_(x_max) { positionner_objet3d({0, 0, z}); }
    void afficher() override {
        preparer_affichage();
        rectangle(x_min_, x_max_, 0.5f, 0.5f, 0.5f);
        afficher_sous_objets();
        terminer_affichage();
    }

private:
    float x_min_, x_max_;
};

struct SceneOpenGL : testing::Test {
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    std::shared_ptr<racine_de_scene::racine> scene = std::make_shared<racine_de_scene::racine>();

    void SetUp() override { scene_pkg::initialiser_fenetre(fenetre); }

    std::uint32_t objet_sous(int x, int y) {
        scene_pkg::afficher_mode_selection(scene, x, y);
        return scene_pkg::obtenir_identifiant_hit();
    }
};

// A rouge à z = -5 couvre les pixels x 183 à 472 ; B vert, plus proche à z = -4, couvre 310 à 672.
TEST_F(SceneOpenGL, DeuxRectanglesQuiSeChevauchentSontDistinguesParLaProfondeur) {
    auto a = std::make_shared<rectangle_cliquable>(-1.5f, 0.5f, -5.0f, 1, 0, 0);
    auto b = std::make_shared<rectangle_cliquable>(-0.5f, 1.5f, -4.0f, 0, 1, 0);
    scene->ajouter_sous_objet(a);
    scene->ajouter_sous_objet(b);

    EXPECT_EQ(objet_sous(250, 300), a->obtenir_identifiant());
    EXPECT_EQ(objet_sous(400, 300), b->obtenir_identifiant());
    EXPECT_EQ(objet_sous(600, 300), b->obtenir_identifiant());
    EXPECT_EQ(objet_sous(100, 300), scene_pkg::aucun_hit_detecte);
    EXPECT_EQ(objet_sous(250, 100), scene_pkg::aucun_hit_detecte);  // au-dessus des rectangles
}

TEST_F(SceneOpenGL, LaChaineDesRecepteursTrouveLObjetSousLePointeurUneFoisParImage) {
    std::vector<std::string> journal;
    scene->ajouter_sous_objet(std::make_shared<rectangle_temoin>(journal, "A", -1.5f, 0.5f, -5.0f));
    scene->ajouter_sous_objet(std::make_shared<rectangle_temoin>(journal, "B", -0.5f, 1.5f, -4.0f));
    recepteur_souris_pkg::recepteur_souris souris;
    souris.definir_objet_racine(scene);
    gestion_evenements_pkg::empiler_recepteur(&souris);

    auto evenement = [](std::uint8_t type, int x) {
        evenement_pkg::evenement e;
        e.type = type;
        e.x = static_cast<std::uint16_t>(x);
        e.y = 300;
        e.bouton = 1;
        return e;
    };
    scene_pkg::afficher_scene(scene);
    auto sur_a = evenement(evenement_pkg::SOURIS_BOUGE, 250);
    gestion_evenements_pkg::traiter_evenement(sur_a);
    auto sur_b_sans_image = evenement(evenement_pkg::SOURIS_RELACHE, 600);
    gestion_evenements_pkg::traiter_evenement(sur_b_sans_image);  // même sélection : encore A
    scene_pkg::afficher_scene(scene);
    auto sur_b = evenement(evenement_pkg::SOURIS_RELACHE, 600);
    gestion_evenements_pkg::traiter_evenement(sur_b);
    EXPECT_EQ(journal, (std::vector<std::string>{"A.entre", "A.relache", "B.entre", "B.relache", "A.sort"}));
}

TEST_F(SceneOpenGL, UnPanneauOuUnObjetInactifDevantCacheLObjetDerriere) {
    auto a = std::make_shared<rectangle_cliquable>(-1.5f, 0.5f, -5.0f, 1, 0, 0);
    auto devant = std::make_shared<panneau>(-1.2f, -0.8f, -4.5f);
    auto inactif = std::make_shared<rectangle_cliquable>(0.0f, 0.4f, -4.5f, 0, 0, 1);
    inactif->desactiver();
    scene->ajouter_sous_objet(a);
    scene->ajouter_sous_objet(devant);
    scene->ajouter_sous_objet(inactif);

    EXPECT_EQ(objet_sous(200, 300), a->obtenir_identifiant());
    EXPECT_EQ(objet_sous(215, 300), scene_pkg::aucun_hit_detecte);  // derrière le panneau
    EXPECT_EQ(objet_sous(435, 300), scene_pkg::aucun_hit_detecte);  // derrière l'objet inactif
}

TEST_F(SceneOpenGL, UnObjetDansUnObjetCliquableEstRapporteCommeLExterieur) {
    auto exterieur = std::make_shared<rectangle_cliquable>(-1.0f, 1.0f, -5.0f, 1, 0, 0);
    auto interieur = std::make_shared<rectangle_cliquable>(-0.3f, 0.3f, 0.5f, 0, 1, 0);
    exterieur->ajouter_sous_objet(interieur);
    scene->ajouter_sous_objet(exterieur);
    EXPECT_EQ(objet_sous(400, 300), exterieur->obtenir_identifiant());
}

TEST_F(SceneOpenGL, LaPasseDeSelectionRendLEtatEtLaProjectionInchanges) {
    scene->ajouter_sous_objet(std::make_shared<rectangle_cliquable>(-1.0f, 1.0f, -5.0f, 1, 0, 0));
    std::array<GLfloat, 16> avant{};
    std::array<GLfloat, 16> apres{};
    glGetFloatv(GL_PROJECTION_MATRIX, avant.data());

    scene_pkg::afficher_scene(scene);
    EXPECT_TRUE(scene_pkg::picking_a_mettre_a_jour());
    objet_sous(400, 300);
    EXPECT_FALSE(scene_pkg::picking_a_mettre_a_jour());
    EXPECT_EQ(scene_pkg::obtenir_mode_de_rendu_courant(), 0u);

    glGetFloatv(GL_PROJECTION_MATRIX, apres.data());
    EXPECT_EQ(avant, apres);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    GLint mode_matrice = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode_matrice);
    EXPECT_EQ(mode_matrice, GL_MODELVIEW);

    scene_pkg::afficher_scene(scene);
    EXPECT_TRUE(scene_pkg::picking_a_mettre_a_jour());
}

TEST_F(SceneOpenGL, UneImageDessineLaSceneDansLaFenetre) {
    scene->ajouter_sous_objet(std::make_shared<rectangle_cliquable>(-1.0f, 1.0f, -5.0f, 1, 0, 0));
    scene_pkg::afficher_scene(scene);
    // Avec Mesa logiciel, l'échange copie le tampon arrière : il garde l'image présentée.
    glReadBuffer(GL_BACK);
    std::array<GLubyte, 4> centre{};
    std::array<GLubyte, 4> coin{};
    glReadPixels(400, 300, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, centre.data());
    glReadPixels(5, 5, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, coin.data());
    EXPECT_GT(centre[0], 150);  // rouge éclairé
    EXPECT_LT(centre[1], 60);
    EXPECT_EQ(coin[0] + coin[1] + coin[2], 0);  // fond noir
}

TEST_F(SceneOpenGL, UnRedimensionnementALaMemeTailleNeRechargeRien) {
    const int rechargements = scene_pkg::obtenir_nombre_rechargements();
    evenement_pkg::evenement meme_taille;
    meme_taille.type = evenement_pkg::REDIMENSIONNEMENT;
    meme_taille.largeur = 800;
    meme_taille.hauteur = 600;
    scene_pkg::redimensionnement(meme_taille);
    EXPECT_EQ(scene_pkg::obtenir_nombre_rechargements(), rechargements);

    evenement_pkg::evenement plus_grand = meme_taille;
    plus_grand.largeur = 1000;
    plus_grand.hauteur = 700;
    scene_pkg::redimensionnement(plus_grand);
    EXPECT_EQ(scene_pkg::obtenir_nombre_rechargements(), rechargements + 1);
    EXPECT_EQ(scene_pkg::obtenir_largeur(), 1000);
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport[2], 1000);
    EXPECT_EQ(viewport[3], 700);
}

} // namespace
