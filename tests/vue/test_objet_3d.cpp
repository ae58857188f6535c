// Objets affichables : courbes d'animation, files de déplacements et de rotations, ordre des sous-objets.
#include "../modele/horloge_reglable.hpp"
#include "objet_3d_pkg.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using objet_3d_pkg::coordonnee_3d;
using objet_3d_pkg::mode_animation;
using objet_3d_pkg::valeur_intermediaire;

using horloge_reglable_pkg::horloge_reglable;

// Objet qui note son nom dans un journal quand il est dessiné, sans OpenGL.
class objet_temoin : public objet_3d_pkg::objet_affichable {
public:
    objet_temoin(std::vector<std::string>& journal, std::string nom) : journal_(journal), nom_(std::move(nom)) {}
    void afficher() override {
        journal_.push_back(nom_);
        afficher_sous_objets();
    }

private:
    std::vector<std::string>& journal_;
    std::string nom_;
};

struct ObjetAnime : testing::Test {
    horloge_reglable horloge;
    std::vector<std::string> journal;
    std::shared_ptr<objet_temoin> objet = std::make_shared<objet_temoin>(journal, "objet");

    void SetUp() override { objet_3d_pkg::definir_horloge(horloge); }
    void TearDown() override { objet_3d_pkg::retablir_horloge_systeme(); }

    void avancer(horloge_pkg::duree d) {
        horloge.instant += d;
        objet->animer();
    }
};

TEST(ValeurIntermediaire, ChaqueCourbeVaDuDepartALArrivee) {
    struct cas {
        mode_animation mode;
        float pourcent;
        float attendu;
    };
    // De 10 à 20 : f(p) × 10 + 10.
    const cas table[] = {
        {mode_animation::LINEAIRE, 0.0f, 10.0f}, {mode_animation::LINEAIRE, 0.25f, 12.5f},
        {mode_animation::LINEAIRE, 1.0f, 20.0f}, {mode_animation::RACINE, 0.0f, 10.0f},
        {mode_animation::RACINE, 0.25f, 15.0f},  {mode_animation::RACINE, 1.0f, 20.0f},
        {mode_animation::CARRE, 0.0f, 10.0f},    {mode_animation::CARRE, 0.5f, 12.5f},
        {mode_animation::CARRE, 1.0f, 20.0f},
    };
    for (const cas& c : table) {
        EXPECT_FLOAT_EQ(valeur_intermediaire(c.pourcent, 10.0f, 20.0f, c.mode), c.attendu)
            << "mode " << static_cast<int>(c.mode) << ", p = " << c.pourcent;
    }
    EXPECT_FLOAT_EQ(valeur_intermediaire(0.25f, 20.0f, 10.0f, mode_animation::RACINE), 15.0f);  // à rebours
}

TEST_F(ObjetAnime, UnDeplacementRacineDUneDemiSecondeFreineEtFinitExactementSurLaCible) {
    objet->positionner_objet3d({-2.8f, 1.0f, -5.0f});
    objet->positionner_objet3d({-0.07f, 1.0f, -5.0f}, 500ms, mode_animation::RACINE);
    EXPECT_EQ(objet->obtenir_position().x, -2.8f);  // rien ne bouge avant la première image

    avancer(125ms);
    EXPECT_NEAR(objet->obtenir_position().x, -1.435f, 1e-5f);
    EXPECT_FLOAT_EQ(objet->obtenir_position().y, 1.0f);
    avancer(375ms);
    EXPECT_EQ(objet->obtenir_position(), (coordonnee_3d{-0.07f, 1.0f, -5.0f}));

    objet->positionner_objet3d({0.0f, 0.0f, 0.0f});
    avancer(1s);  // la file est vide : plus rien ne bouge
    EXPECT_EQ(objet->obtenir_position(), (coordonnee_3d{}));
}

TEST_F(ObjetAnime, UnDeplacementDeDureeNulleEstFiniALaPremiereImage) {
    objet->positionner_objet3d({1.0f, 2.0f, 3.0f}, 0ns, mode_animation::LINEAIRE);
    avancer(0ns);
    EXPECT_EQ(objet->obtenir_position(), (coordonnee_3d{1.0f, 2.0f, 3.0f}));
}

TEST_F(ObjetAnime, UnDeplacementEnFileDemarreALaFinDuPrecedentDepuisLePointAtteint) {
    objet->positionner_objet3d({4.0f, 0.0f, 0.0f}, 400ms, mode_animation::LINEAIRE);
    objet->positionner_objet3d({4.0f, 8.0f, 0.0f}, 200ms, mode_animation::LINEAIRE);

    avancer(200ms);
    EXPECT_FLOAT_EQ(objet->obtenir_position().x, 2.0f);
    EXPECT_FLOAT_EQ(objet->obtenir_position().y, 0.0f);
    avancer(250ms);  // le premier finit à cette image ; le second part d'ici
    EXPECT_EQ(objet->obtenir_position(), (coordonnee_3d{4.0f, 0.0f, 0.0f}));
    avancer(100ms);
    EXPECT_FLOAT_EQ(objet->obtenir_position().x, 4.0f);  // pas de retour au point de départ
    EXPECT_FLOAT_EQ(objet->obtenir_position().y, 4.0f);
    avancer(100ms);
    EXPECT_EQ(objet->obtenir_position(), (coordonnee_3d{4.0f, 8.0f, 0.0f}));
}

TEST_F(ObjetAnime, DeplacementEtRotationDuMemeObjetAvancentEnsemble) {
    objet->rotation_objet3d(10.0f, {0.0f, 0.0f, 1.0f});
    objet->positionner_objet3d({2.0f, 0.0f, 0.0f}, 1s, mode_animation::LINEAIRE);
    objet->rotation_objet3d(90.0f, {0.0f, 1.0f, 1.0f}, 2s, mode_animation::CARRE);

    avancer(500ms);
    EXPECT_FLOAT_EQ(objet->obtenir_position().x, 1.0f);
    EXPECT_FLOAT_EQ(objet->obtenir_angle_rotation(), 15.0f);  // 10 + 0.25² × 80
    EXPECT_FLOAT_EQ(objet->obtenir_axe_rotation().y, 0.0625f);
    EXPECT_FLOAT_EQ(objet->obtenir_axe_rotation().z, 1.0f);
    avancer(1500ms);
    EXPECT_FLOAT_EQ(objet->obtenir_position().x, 2.0f);
    EXPECT_EQ(objet->obtenir_angle_rotation(), 90.0f);
    EXPECT_EQ(objet->obtenir_axe_rotation(), (coordonnee_3d{0.0f, 1.0f, 1.0f}));
}

TEST_F(ObjetAnime, LesSousObjetsSAnimentSaufSiLeParentLeRefuse) {
    auto enfant = std::make_shared<objet_temoin>(journal, "enfant");
    objet->ajouter_sous_objet(enfant);
    enfant->positionner_objet3d({1.0f, 0.0f, 0.0f}, 100ms, mode_animation::LINEAIRE);

    objet->animer_sous_objets(false);
    avancer(200ms);
    EXPECT_EQ(enfant->obtenir_position(), (coordonnee_3d{}));  // figé
    objet->animer_sous_objets(true);
    avancer(0ns);
    EXPECT_EQ(enfant->obtenir_position(), (coordonnee_3d{1.0f, 0.0f, 0.0f}));
}

// L'écran dit à la boucle quand il aura besoin d'une image : au plus tôt tant qu'une animation est en file, celle
// d'un sous-objet comprise s'il l'anime ; jamais une fois tout arrivé.
TEST_F(ObjetAnime, UnObjetDemandeUneImageTantQuUneAnimationEstEnFile) {
    auto enfant = std::make_shared<objet_temoin>(journal, "enfant");
    objet->ajouter_sous_objet(enfant);
    EXPECT_FALSE(objet->delai_prochaine_image());

    enfant->positionner_objet3d({1.0f, 0.0f, 0.0f}, 100ms, mode_animation::LINEAIRE);
    EXPECT_EQ(objet->delai_prochaine_image(), horloge_pkg::duree::zero());
    objet->animer_sous_objets(false);
    EXPECT_FALSE(objet->delai_prochaine_image()) << "un sous-objet qu'il n'anime pas ne compte pas";
    objet->animer_sous_objets(true);

    avancer(50ms);
    EXPECT_EQ(objet->delai_prochaine_image(), horloge_pkg::duree::zero());
    avancer(60ms);  // arrivée : la file se vide à l'image qui la termine
    EXPECT_FALSE(objet->delai_prochaine_image());

    objet->rotation_objet3d(90.0f, {0.0f, 0.0f, 1.0f}, 100ms, mode_animation::CARRE);
    EXPECT_EQ(objet->delai_prochaine_image(), horloge_pkg::duree::zero());
}

TEST(SousObjets, LeDernierAjouteEstLePremierDansLaListeEtAuDessin) {
    std::vector<std::string> journal;
    auto parent = std::make_shared<objet_temoin>(journal, "parent");
    auto a = std::make_shared<objet_temoin>(journal, "A");
    auto b = std::make_shared<objet_temoin>(journal, "B");
    parent->ajouter_sous_objet(a);
    parent->ajouter_sous_objet(b);

    EXPECT_EQ(parent->obtenir_nieme_objets(1), b);
    EXPECT_EQ(parent->obtenir_nieme_objets(2), a);
    EXPECT_THROW(parent->obtenir_nieme_objets(3), objet_3d_pkg::l_obj3d::ERREUR_POS_INTROUVABLE);
    parent->afficher();
    EXPECT_EQ(journal, (std::vector<std::string>{"parent", "B", "A"}));

    parent->supprimer_sous_objet(b);
    EXPECT_EQ(parent->obtenir_nieme_objets(1), a);
    EXPECT_THROW(parent->supprimer_sous_objet(b), objet_3d_pkg::l_obj3d::ERREUR_ELEM_INTROUVABLE);
    parent->supprimer_sous_objet(a);
    EXPECT_THROW(parent->supprimer_sous_objet(a), objet_3d_pkg::LISTE_VIDE);
}

TEST(SousObjets, LaBaseNeSaitPasSeDessiner) {
    objet_3d_pkg::objet_affichable vide;
    EXPECT_THROW(vide.afficher(), objet_3d_pkg::ERREUR_AFFICHAGE_OBJET_VIDE);
}

} // namespace
