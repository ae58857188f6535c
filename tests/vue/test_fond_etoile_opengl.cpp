// Champ d'étoiles du menu : mêmes pixels que le quadrilatère filtré par OpenGL, à tout angle et toute taille, et
// une image redemandée seulement quand le coin de l'écran a avancé d'une étoile.
#include "fenetre_dans_les_donnees.hpp"
#include "fond_etoile_3d.hpp"
#include "geometrie_pkg.hpp"
#include "scene_pkg.hpp"

#include "../modele/horloge_reglable.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr objet_3d_pkg::coordonnee_3d place_du_menu{0.0f, 0.0f, -15.0f};
constexpr float echelle_du_menu = 3.5f;

// Le champ tel qu'il se dessinait : le quadrilatère mipmappé, avec le mélange et la profondeur de la scène.
class champ_de_reference : public objet_3d_pkg::objet_affichable {
public:
    void afficher() override {
        preparer_affichage();
        geometrie_pkg::lier_texture("fond_etoile");
        geometrie_pkg::quad(-3.0f, -3.0f, 3.0f, 3.0f, 3.0f);
        terminer_affichage();
    }
};

struct FondEtoile : testing::Test {
    horloge_reglable_pkg::horloge_reglable horloge;
    fenetre_dans_les_donnees::fenetre_du_jeu fenetre;
    std::shared_ptr<fond_etoile_3d::fond_etoile_3d_affichable> fond =
        std::make_shared<fond_etoile_3d::fond_etoile_3d_affichable>();

    FondEtoile() {
        objet_3d_pkg::definir_horloge(horloge);
        fond->initialiser();
        fond->definir_echelle(echelle_du_menu);
        fond->positionner_objet3d(place_du_menu);
    }
    ~FondEtoile() override { objet_3d_pkg::retablir_horloge_systeme(); }

    std::vector<unsigned char> image(const objet_3d_pkg::classe_objet_affichable& o) {
        scene_pkg::afficher_scene(o);
        const int l = scene_pkg::obtenir_largeur();
        const int h = scene_pkg::obtenir_hauteur();
        std::vector<unsigned char> pixels(static_cast<std::size_t>(l) * static_cast<std::size_t>(h) * 4);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, l, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
};

TEST(NiveauMipmap, LeNiveauLePlusProcheDuLogarithmeSansDepasserLeDernier) {
    struct cas {
        double texels_par_pixel;
        int niveau;
    };
    for (const cas& c : std::vector<cas>{{0.5, 0}, {1.0, 0}, {1.41, 0}, {1.42, 1}, {2.37, 1}, {2.82, 1},
                                         {2.83, 2}, {3.03, 2}, {5000.0, 10}}) {
        EXPECT_EQ(fond_etoile_3d::niveau_mipmap(c.texels_par_pixel, 10), c.niveau) << c.texels_par_pixel;
    }
    EXPECT_NEAR(fond_etoile_3d::pas_d_un_pixel(500.0), 0.1146f, 1e-4f);
}

// Le niveau choisi par le champ et son filtrage au plus proche donnent exactement l'image d'OpenGL, sur un tour
// complet et à plusieurs tailles de fenêtre (dont le plein écran d'un écran large).
TEST_F(FondEtoile, LesPixelsSontCeuxDuQuadrilatereMipmappe) {
    auto reference = std::make_shared<champ_de_reference>();
    reference->definir_echelle(echelle_du_menu);
    reference->positionner_objet3d(place_du_menu);
    for (const auto& [l, h] : std::vector<std::pair<int, int>>{{800, 600}, {1024, 768}, {900, 700}, {640, 480}}) {
        evenement_pkg::evenement e;
        e.type = evenement_pkg::REDIMENSIONNEMENT;
        e.largeur = l;
        e.hauteur = h;
        scene_pkg::redimensionnement(e);
        image(fond);  // Mesa prend la nouvelle taille après un échange des tampons
        for (float angle = 0.0f; angle < 360.0f; angle += 23.7f) {
            reference->rotation_objet3d(angle, {0.0f, 0.0f, 1.0f});
            fond->rotation_objet3d(angle, {0.0f, 0.0f, 1.0f});
            const auto attendue = image(reference);
            const auto lue = image(fond);  // l'horloge ne bouge pas : l'angle reste celui donné
            ASSERT_EQ(fond->obtenir_angle_rotation(), angle);
            std::size_t differents = 0;
            for (std::size_t k = 0; k < lue.size(); k += 4) {
                differents += lue[k] != attendue[k] || lue[k + 1] != attendue[k + 1] || lue[k + 2] != attendue[k + 2];
            }
            EXPECT_EQ(differents, 0u) << l << " x " << h << ", angle " << angle;
        }
    }
}

// À trois degrés par seconde, l'angle suit l'horloge ; tant que le coin n'a pas avancé d'une étoile, l'angle
// reste et l'image est demandée pour le moment où il l'aura fait.
TEST_F(FondEtoile, LAngleSuitLHorlogeParPasDUneEtoileAuCoin) {
    EXPECT_EQ(fond->delai_prochaine_image(), horloge_pkg::duree::zero()) << "jamais dessiné : une image tout de suite";
    image(fond);  // mesure le pas d'après la projection
    const float depart = fond->obtenir_angle_rotation();
    const auto premier_delai = fond->delai_prochaine_image();
    ASSERT_TRUE(premier_delai);
    EXPECT_GT(*premier_delai, 10ms) << "le pas mesuré à la première image, pas un délai de démarrage";
    EXPECT_LT(*premier_delai, 100ms);
    horloge.instant += 10ms;
    image(fond);
    EXPECT_EQ(fond->obtenir_angle_rotation(), depart);
    const auto delai = fond->delai_prochaine_image();
    ASSERT_TRUE(delai);
    EXPECT_LT(std::chrono::abs(*delai - (*premier_delai - 10ms)), 1us) << "l'image suivante attend l'étoile suivante";
    horloge.instant += 90ms;
    image(fond);
    EXPECT_NEAR(fond->obtenir_angle_rotation(), depart + 0.3f, 1e-4f);  // 100 ms à 3 degrés par seconde
    // Parti du menu plus d'un quart de seconde : le champ reprend où il était.
    horloge.instant += 5s;
    image(fond);
    EXPECT_NEAR(fond->obtenir_angle_rotation(), depart + 0.3f, 1e-4f);
    // Passé un tour, l'angle repart de zéro.
    fond->rotation_objet3d(359.9f, {0.0f, 0.0f, 1.0f});
    horloge.instant += 100ms;
    image(fond);
    EXPECT_NEAR(fond->obtenir_angle_rotation(), 0.2f, 1e-3f);
}

} // namespace
