// Scène dans une vraie fenêtre OpenGL : sélection par la souris et état rendu après chaque passe.
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "chaine_recepteurs_pkg.hpp"
#include "file_evenements_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"
#include "racine_de_scene.hpp"
#include "recepteur_souris_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
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

    static evenement_pkg::evenement taille(int l, int h) {
        evenement_pkg::evenement e;
        e.type = evenement_pkg::REDIMENSIONNEMENT;
        e.largeur = l;
        e.hauteur = h;
        return e;
    }

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
    file_evenements_pkg::file_memoire file;
    recepteur_souris_pkg::recepteur_souris souris(file, recepteur_souris_pkg::selection_scene());
    souris.definir_objet_racine(scene);
    chaine_recepteurs_pkg::chaine_recepteurs chaine;
    chaine.empiler(&souris);

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
    chaine.traiter(sur_a);
    auto sur_b_sans_image = evenement(evenement_pkg::SOURIS_RELACHE, 600);
    chaine.traiter(sur_b_sans_image);  // même sélection : encore A
    scene_pkg::afficher_scene(scene);
    auto sur_b = evenement(evenement_pkg::SOURIS_RELACHE, 600);
    chaine.traiter(sur_b);
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
    scene_pkg::redimensionnement(taille(800, 600));
    EXPECT_EQ(scene_pkg::obtenir_nombre_rechargements(), rechargements);
    scene_pkg::redimensionnement(taille(1000, 700));
    EXPECT_EQ(scene_pkg::obtenir_nombre_rechargements(), rechargements + 1);
    EXPECT_EQ(scene_pkg::obtenir_largeur(), 1000);
}

TEST(CadreImage, LePlusGrandRectangle4Sur3CentreDansLaFenetre) {
    struct cas {
        int l, h;
        scene_pkg::cadre_image attendu;
    };
    for (const cas& c : std::vector<cas>{{800, 600, {0, 0, 800, 600}},
                                         {1024, 768, {0, 0, 1024, 768}},
                                         {1000, 600, {100, 0, 800, 600}},   // bandes à gauche et à droite
                                         {800, 700, {0, 50, 800, 600}},     // en haut et en bas
                                         {1366, 768, {171, 0, 1024, 768}},  // écran large, arrondi au pixel
                                         {900, 700, {0, 12, 900, 675}},
                                         {1, 1, {0, 0, 1, 1}}}) {
        EXPECT_EQ(scene_pkg::cadre_4_3(c.l, c.h), c.attendu) << c.l << " x " << c.h;
    }
}

// Dans toute fenêtre, la scène garde ses proportions au centre, des bandes noires autour, et la sélection touche
// ce qui est dessiné sous le pointeur : chaque point visé à 800 × 600 est visé à l'endroit où il se retrouve.
TEST_F(SceneOpenGL, LaSceneGardeSesProportionsEtLaSelectionSuitLeCadre) {
    auto a = std::make_shared<rectangle_cliquable>(-1.5f, 0.5f, -5.0f, 1, 0, 0);
    auto b = std::make_shared<rectangle_cliquable>(-0.5f, 1.5f, -4.0f, 0, 1, 0);
    // Bien plus large que la vue : coupé au bord du cadre, il ne doit pas répondre dans les bandes.
    auto large = std::make_shared<rectangle_cliquable>(-40.0f, 40.0f, -6.0f, 0, 0, 1);
    large->positionner_objet3d({0.0f, -1.0f, -6.0f});
    scene->ajouter_sous_objet(a);
    scene->ajouter_sous_objet(b);
    scene->ajouter_sous_objet(large);

    struct point {
        int x, y;  // à 800 × 600
        std::uint32_t attendu;
        std::array<int, 3> couleur;  // composante dominante attendue : 1 pour rouge, vert ou bleu
    };
    const std::vector<point> points{{250, 300, a->obtenir_identifiant(), {1, 0, 0}},
                                    {600, 300, b->obtenir_identifiant(), {0, 1, 0}},
                                    {100, 300, scene_pkg::aucun_hit_detecte, {0, 0, 0}},
                                    {5, 420, large->obtenir_identifiant(), {0, 0, 1}},
                                    {795, 420, large->obtenir_identifiant(), {0, 0, 1}}};
    for (const auto& [l, h] : std::vector<std::pair<int, int>>{{800, 600}, {1000, 600}, {800, 700}, {1024, 768}}) {
        scene_pkg::redimensionnement(taille(l, h));
        const scene_pkg::cadre_image cadre = scene_pkg::obtenir_cadre();
        EXPECT_EQ(cadre, scene_pkg::cadre_4_3(l, h));
        std::array<GLint, 4> viewport{};
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        EXPECT_EQ(viewport, (std::array<GLint, 4>{cadre.x, cadre.y, cadre.largeur, cadre.hauteur}));

        // Mesa ne reprend la taille de la fenêtre qu'après un échange des tampons : la seconde image est lue.
        scene_pkg::afficher_scene(scene);
        scene_pkg::afficher_scene(scene);
        glReadBuffer(GL_BACK);
        const double echelle = cadre.largeur / 800.0;
        const int haut_du_cadre = h - cadre.y - cadre.hauteur;
        for (const point& p : points) {
            const int x = cadre.x + static_cast<int>(p.x * echelle);
            const int y = haut_du_cadre + static_cast<int>(p.y * echelle);
            EXPECT_EQ(objet_sous(x, y), p.attendu) << l << " x " << h << " au pixel " << x << ", " << y;
            std::array<GLubyte, 4> lu{};
            glReadPixels(x, h - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, lu.data());
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(lu[k] > 100, p.couleur[k] == 1) << l << " x " << h << " composante " << k;
            }
        }
        // Dans les bandes noires, à la hauteur du grand rectangle : rien de dessiné, rien de touché.
        if (cadre.x > 0) {
            for (const int x : {cadre.x / 2, cadre.x + cadre.largeur + cadre.x / 2}) {
                const int y = haut_du_cadre + static_cast<int>(420 * echelle);
                EXPECT_EQ(objet_sous(x, y), scene_pkg::aucun_hit_detecte) << l << " x " << h << " bande en " << x;
                std::array<GLubyte, 4> lu{};
                glReadPixels(x, h - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, lu.data());
                EXPECT_EQ(lu[0] + lu[1] + lu[2], 0) << l << " x " << h << " bande en " << x;
            }
        }
        if (cadre.y > 0) {
            for (const int y : {cadre.y / 2, h - cadre.y / 2 - 1}) {
                EXPECT_EQ(objet_sous(400, y), scene_pkg::aucun_hit_detecte) << l << " x " << h << " bande en " << y;
            }
        }
    }
}

// La fenêtre de la plate-forme passe en plein écran sur tout l'écran virtuel, puis revient à sa taille d'avant ;
// chaque fois SDL en annonce la taille par un redimensionnement du jeu.
TEST_F(SceneOpenGL, LePleinEcranPrendToutLEcranPuisRendLaFenetre) {
    SDL_DisplayMode bureau{};
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &bureau), 0) << SDL_GetError();
    auto taille_annoncee = [this](int l, int h) {
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < limite) {
            file.attendre(std::chrono::milliseconds(50));
            while (auto e = file.scruter()) {
                if (e->type == evenement_pkg::REDIMENSIONNEMENT && e->largeur == l && e->hauteur == h) return true;
            }
        }
        return false;
    };
    const int largeur_avant = scene_pkg::obtenir_largeur();
    const int hauteur_avant = scene_pkg::obtenir_hauteur();
    ASSERT_TRUE(fenetre.basculer_plein_ecran());
    EXPECT_TRUE(fenetre.est_plein_ecran());
    EXPECT_TRUE(taille_annoncee(bureau.w, bureau.h)) << "plein écran " << bureau.w << " x " << bureau.h;
    ASSERT_TRUE(fenetre.basculer_plein_ecran());
    EXPECT_FALSE(fenetre.est_plein_ecran());
    EXPECT_TRUE(taille_annoncee(largeur_avant, hauteur_avant));
}

} // namespace
