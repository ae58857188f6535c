// Cube d'un niveau sans fenêtre : rotations minutées d'une face à l'autre, zoom des grandes grilles, faces suivies.
#include "niveau_3d_pkg.hpp"

#include "../modele/horloge_reglable.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using case_simple_pkg::coordonnees;
using niveau_3d_pkg::cote_adjacent_cube;
using namespace std::chrono_literals;

// Un niveau de six grilles vides des côtés donnés, face courante 1.
niveau_pkg::niveau_ptr niveau_de(const std::array<int, 6>& cotes) {
    auto n = std::make_shared<niveau_pkg::niveau>();
    n->initialiser_niveau("essai");
    for (int i = 1; i <= 6; ++i) {
        auto g = std::make_shared<grille_pkg::grille>(cotes[static_cast<std::size_t>(i - 1)]);
        g->initialiser("essai");
        n->obtenir_partie(i)->initialiser(g);
    }
    n->changer_partie_courante(1);
    return n;
}

struct NiveauAffichable : testing::Test {
    horloge_reglable_pkg::horloge_reglable horloge;
    void SetUp() override { objet_3d_pkg::definir_horloge(horloge); }
    void TearDown() override { objet_3d_pkg::retablir_horloge_systeme(); }

    // Avance l'horloge et anime le cube comme le ferait l'image suivante.
    void avancer(niveau_3d_pkg::niveau_affichable& vue, horloge_pkg::duree d) {
        horloge.instant += d;
        vue.animer();
    }
};

// Chaque changement de face tourne le cube en une seconde, linéairement ; vers ou depuis la face 4, le cube
// continue dans le même sens et retombe sans saut visible sur l'angle équivalent.
TEST_F(NiveauAffichable, LeCubeTourneVersLaFaceVoisineEnUneSecondeSansSaut) {
    struct angles {
        float x, y;
    };
    struct cas {
        std::vector<cote_adjacent_cube> chemin;  // pour arriver à la face de départ
        cote_adjacent_cube direction;
        int arrivee;
        angles depart, milieu, fin, ensuite;
    };
    using enum cote_adjacent_cube;
    const std::vector<cas> table{
        {{GAUCHE}, DROITE, 1, {0, -270}, {0, -315}, {0, -360}, {0, 0}},   // de 4 à 1
        {{}, GAUCHE, 4, {0, 0}, {0, 45}, {0, 90}, {0, -270}},             // de 1 à 4
        {{DROITE}, HAUT, 5, {0, -90}, {45, -45}, {90, 0}, {90, 0}},       // de 2 à 5 : deux angles ensemble
        {{}, DROITE, 2, {0, 0}, {0, -45}, {0, -90}, {0, -90}},
        {{DROITE, DROITE}, GAUCHE, 2, {0, -180}, {0, -135}, {0, -90}, {0, -90}},
        {{GAUCHE}, BAS, 6, {0, -270}, {-45, -315}, {-90, -360}, {-90, 0}},  // de 4 à 6
        {{BAS}, BAS, 3, {-90, 0}, {-45, -90}, {0, -180}, {0, -180}},       // de 6 à 3
    };
    for (const cas& c : table) {
        const auto niveau = niveau_de({5, 5, 5, 5, 5, 5});
        niveau_3d_pkg::niveau_affichable vue;
        vue.initialiser(niveau);
        const auto cube = vue.obtenir_cube();
        int face = 1;
        for (const cote_adjacent_cube d : c.chemin) {
            face = niveau_3d_pkg::obtenir_numero_face_adjacente(face, d);
            niveau->changer_partie_courante(face);
            vue.mettre_a_jour();
            avancer(vue, 2s);
            avancer(vue, 0s);
        }
        SCOPED_TRACE("de " + std::to_string(face) + " vers " + std::to_string(c.arrivee));
        ASSERT_EQ(niveau_3d_pkg::obtenir_numero_face_adjacente(face, c.direction), c.arrivee);
        EXPECT_FLOAT_EQ(cube->obtenir_angle_x(), c.depart.x);
        EXPECT_FLOAT_EQ(cube->obtenir_angle_y(), c.depart.y);

        niveau->changer_partie_courante(c.arrivee);
        vue.mettre_a_jour();
        EXPECT_EQ(cube->obtenir_face_courante(), c.arrivee);
        avancer(vue, 0s);
        avancer(vue, 500ms);
        EXPECT_NEAR(cube->obtenir_angle_x(), c.milieu.x, 1e-3f);
        EXPECT_NEAR(cube->obtenir_angle_y(), c.milieu.y, 1e-3f);
        avancer(vue, 500ms);
        EXPECT_FLOAT_EQ(cube->obtenir_angle_x(), c.fin.x);
        EXPECT_FLOAT_EQ(cube->obtenir_angle_y(), c.fin.y);
        avancer(vue, 0s);
        EXPECT_FLOAT_EQ(cube->obtenir_angle_x(), c.ensuite.x);
        EXPECT_FLOAT_EQ(cube->obtenir_angle_y(), c.ensuite.y);
        EXPECT_FALSE(cube->tourne());
    }
}

TEST_F(NiveauAffichable, UneSecondeFaceDemandeePendantLaRotationPartDesAnglesAtteints) {
    const auto niveau = niveau_de({5, 5, 5, 5, 5, 5});
    niveau_3d_pkg::niveau_affichable vue;
    vue.initialiser(niveau);
    niveau->changer_partie_courante(2);
    vue.mettre_a_jour();
    avancer(vue, 0s);
    avancer(vue, 500ms);
    niveau->changer_partie_courante(3);
    vue.mettre_a_jour();
    avancer(vue, 500ms);  // la première finit à −90
    avancer(vue, 500ms);
    EXPECT_NEAR(vue.obtenir_cube()->obtenir_angle_y(), -135.0f, 1e-3f);
    avancer(vue, 500ms);
    EXPECT_FLOAT_EQ(vue.obtenir_cube()->obtenir_angle_y(), -180.0f);
}

TEST_F(NiveauAffichable, LaVueRapprocheeSuitLeCurseurDesGrandesGrilles) {
    // Faces 1 à 6 : 16, 17, 20, 20, 5 et 5 cases de côté.
    const auto niveau = niveau_de({16, 17, 20, 20, 5, 5});
    niveau_3d_pkg::niveau_affichable vue;
    vue.initialiser(niveau);
    const auto cube = vue.obtenir_cube();

    vue.changer_vue();
    EXPECT_FALSE(vue.zoom_actif()) << "16 × 16 se voit en entier";

    niveau->changer_partie_courante(2);
    vue.mettre_a_jour();
    niveau->obtenir_partie(2)->deplacer_curseur({3, 15});
    vue.changer_vue();
    EXPECT_TRUE(vue.zoom_actif());
    EXPECT_EQ(vue.obtenir_case_centree(), (coordonnees{7, 10}));
    EXPECT_FLOAT_EQ(cube->obtenir_echelle(), 17.0f / 16.0f);

    // Changer de face éteint le zoom.
    niveau->changer_partie_courante(3);
    vue.mettre_a_jour();
    EXPECT_FALSE(vue.zoom_actif());
    EXPECT_FLOAT_EQ(cube->obtenir_echelle(), 1.0f);
    EXPECT_EQ(cube->obtenir_position_objet3d(), (objet_3d_pkg::coordonnee_3d{0.0f, 0.0f, -20.0f}));

    niveau->obtenir_partie(3)->deplacer_curseur({10, 10});
    vue.changer_vue();
    vue.mettre_a_jour();
    EXPECT_FLOAT_EQ(cube->obtenir_echelle(), 1.25f);
    const auto p = cube->obtenir_position_objet3d();
    EXPECT_FLOAT_EQ(p.x, 0.8f);
    EXPECT_FLOAT_EQ(p.y, 0.0f);
    EXPECT_FLOAT_EQ(p.z, -20.0f);

    // Juste assez, en une mise à jour, pour que le curseur revienne à six cases au plus du centre.
    niveau->obtenir_partie(3)->deplacer_curseur({17, 18});
    vue.mettre_a_jour();
    EXPECT_EQ(vue.obtenir_case_centree(), (coordonnees{11, 12}));
    vue.mettre_a_jour();
    EXPECT_EQ(vue.obtenir_case_centree(), (coordonnees{11, 12}));
    EXPECT_FLOAT_EQ(cube->obtenir_position_objet3d().x, 0.8f - 0.65f);

    vue.changer_vue();
    vue.mettre_a_jour();
    EXPECT_FALSE(vue.zoom_actif());
    EXPECT_EQ(cube->obtenir_position_objet3d(), (objet_3d_pkg::coordonnee_3d{0.0f, 0.0f, -20.0f}));
}

// Les loupes de chaque face suivent le chemin d'aide de sa partie ; une face résolue les perd et ne montre
// plus son curseur, et seule la face courante est active.
TEST_F(NiveauAffichable, LesFacesSuiventLeurPartieEtLaFaceCouranteSeule) {
    const auto niveau = niveau_de({3, 3, 3, 3, 3, 3});
    auto g = std::make_shared<grille_pkg::grille>(3);
    g->initialiser("essai");
    g->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(1), {1, 1});
    niveau->obtenir_partie(1)->initialiser(g);
    niveau_3d_pkg::niveau_affichable vue;
    vue.initialiser(niveau);
    const auto face = vue.partie_courante();

    niveau->reinitialiser_chemin_aide(g->rend_case({1, 1}));
    niveau->obtenir_chemin_aide_courant()->ajouter_coord({2, 1});
    vue.mettre_a_jour();
    EXPECT_TRUE(face->obtenir_la_grille()->obtenir_case_affichable({2, 1})->obtenir_aide());

    niveau->obtenir_partie(1)->demarrer_chemin_courant(g->rend_case({1, 1}));
    niveau->obtenir_partie(1)->valider_chemin_courant();
    ASSERT_TRUE(niveau->obtenir_partie(1)->est_valide());
    vue.mettre_a_jour();
    EXPECT_FALSE(face->obtenir_la_grille()->obtenir_case_affichable({2, 1})->obtenir_aide());
    EXPECT_TRUE(face->obtenir_la_grille()->obtenir_case_affichable({1, 1})->case_est_fini());

    niveau->changer_partie_courante(2);
    vue.mettre_a_jour();
    EXPECT_FALSE(face->est_actif());
    EXPECT_TRUE(vue.partie_courante()->est_actif());
}

} // namespace
