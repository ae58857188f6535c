// Boucle principale : cadence des images, sommeil jusqu'à l'image qu'une animation attend, fin du programme.
#include "controleur_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include "../modele/horloge_reglable.hpp"
#include "../vue/evenements_de_test.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::chrono_literals;
using evenement_pkg::evenement;
using evenements_de_test::touche;
using horloge_reglable_pkg::horloge_reglable;

// Un programme qui compte ses images et dit, après chacune, ce que son écran attend.
struct programme_de_test : controleur_pkg::programme {
    int images = 0;
    bool termine = false;
    objet_3d_pkg::delai_image delai;
    std::function<void()> pendant_le_dessin;
    std::function<bool(evenement&)> traitement = [](evenement&) { return true; };

    bool traiter(evenement& e) override { return traitement(e); }
    void dessiner() override {
        ++images;
        if (pendant_le_dessin) pendant_le_dessin();
    }
    objet_3d_pkg::delai_image delai_prochaine_image() const override { return delai; }
    void quitter() override { termine = true; }
    bool est_termine() const override { return termine; }
};

// Une file qui note combien de temps la boucle voulait dormir.
struct file_qui_note_l_attente : file_evenements_pkg::file_evenements {
    file_evenements_pkg::file_memoire file;
    std::optional<std::optional<horloge_pkg::duree>> attente;
    std::optional<evenement> scruter() override { return file.scruter(); }
    void pousser(evenement e) override { file.pousser(std::move(e)); }
    void attendre(std::optional<horloge_pkg::duree> delai_max) override { attente = delai_max; }
};

struct BouclePrincipale : testing::Test {
    file_qui_note_l_attente file;
    horloge_reglable horloge;
    programme_de_test programme;
    controleur_pkg::boucle_principale boucle{file, horloge, programme};
};

TEST_F(BouclePrincipale, LaPremierePasseDessineAussitotPuisPlusRienSansRaison) {
    boucle.passe();
    EXPECT_EQ(programme.images, 1);
    horloge.instant += 1s;
    boucle.passe();
    EXPECT_EQ(programme.images, 1);
    boucle.attendre();
    ASSERT_TRUE(file.attente);
    EXPECT_EQ(*file.attente, std::nullopt) << "rien ne bouge : la boucle dort jusqu'au prochain événement";
}

TEST_F(BouclePrincipale, UneRafaleDEvenementsNeDonneQuUneImageApres25Ms) {
    const horloge_pkg::duree premiere_image = horloge.instant;
    file.pousser(touche('a'));
    boucle.passe();
    ASSERT_EQ(programme.images, 1);

    for (int i = 0; i < 50; ++i) {
        horloge.instant += 100us;
        file.pousser(touche('a'));
        boucle.passe();
    }
    EXPECT_EQ(programme.images, 1);

    horloge.instant = premiere_image + 25ms;  // pas strictement plus de 25 ms
    boucle.passe();
    EXPECT_EQ(programme.images, 1);
    horloge.instant += 1ns;
    boucle.passe();
    EXPECT_EQ(programme.images, 2);
    boucle.passe();
    EXPECT_EQ(programme.images, 2);  // plus rien n'a changé
}

// Une animation continue (le dock, le cube) demande l'image suivante au plus tôt : une toutes les 25 ms, et plus rien
// quand l'écran dit qu'elle est finie.
TEST_F(BouclePrincipale, UneAnimationEnCoursDonneUneImageToutesLes25Ms) {
    programme.delai = horloge_pkg::duree::zero();
    boucle.passe();
    ASSERT_EQ(programme.images, 1);
    horloge.instant += 10ms;
    boucle.passe();
    EXPECT_EQ(programme.images, 1);
    boucle.attendre();
    EXPECT_EQ(*file.attente, std::optional<horloge_pkg::duree>(15ms + 1ns));
    horloge.instant += 16ms;
    boucle.passe();
    EXPECT_EQ(programme.images, 2);

    programme.delai.reset();
    horloge.instant += 26ms;
    boucle.passe();
    EXPECT_EQ(programme.images, 3);
    horloge.instant += 1s;
    boucle.passe();
    EXPECT_EQ(programme.images, 3);
}

// Une animation lente (le champ d'étoiles) demande son image pour plus tard : la boucle dort jusque-là, dessine à
// l'échéance sans autre événement, et une image dessinée avant pour une autre raison demande de nouveau à l'écran.
TEST_F(BouclePrincipale, UneImageAttendueDansUnDelaiEstDessineeASonEcheance) {
    programme.delai = 100ms;
    file.pousser(touche('a'));
    boucle.passe();
    ASSERT_EQ(programme.images, 1);
    horloge.instant += 40ms;
    boucle.attendre();
    EXPECT_EQ(*file.attente, std::optional<horloge_pkg::duree>(60ms));  // ni réveil de 25 ms, ni sommeil sans fin
    boucle.passe();
    EXPECT_EQ(programme.images, 1);
    horloge.instant += 60ms;
    boucle.passe();
    EXPECT_EQ(programme.images, 2);

    // Un événement redessine avant l'échéance ; l'écran, alors immobile, n'attend plus rien.
    programme.delai.reset();
    horloge.instant += 30ms;
    file.pousser(touche('a'));
    boucle.passe();
    EXPECT_EQ(programme.images, 3);
    horloge.instant += 200ms;
    boucle.passe();
    EXPECT_EQ(programme.images, 3);
    boucle.attendre();
    EXPECT_EQ(*file.attente, std::nullopt);
}

// Le délai est demandé après l'image : un écran qui ne sait ce qui bouge qu'en se dessinant (le champ d'étoiles
// mesure son pas à l'écran) est cru dès la première image.
TEST_F(BouclePrincipale, LeDelaiEstDemandeApresLImage) {
    programme.pendant_le_dessin = [this] { programme.delai = 40ms; };
    boucle.passe();
    horloge.instant += 40ms;
    boucle.passe();
    EXPECT_EQ(programme.images, 2);
}

TEST_F(BouclePrincipale, FermerLaFenetreTermineLaPasseApresLesEvenementsEnFileEtLImageDue) {
    evenement fermeture;
    fermeture.type = evenement_pkg::DEMANDE_QUITTER;
    file.pousser(fermeture);
    file.pousser(touche('a'));
    boucle.executer();  // rend la main : la boucle ne tourne pas une passe de plus
    EXPECT_TRUE(programme.termine);
    EXPECT_EQ(file.file.taille(), 0u);
    EXPECT_EQ(programme.images, 1);
}

TEST_F(BouclePrincipale, UnEvenementNommeEmisPendantLaPasseEstTraiteDansLaMemePasse) {
    int nommes_recus = 0;
    programme.traitement = [&](evenement& e) {
        if (e.type == evenement_pkg::TOUCHE_APPUYEE) file.pousser(evenement_pkg::nomme("valider"));
        if (evenement_pkg::nom_de(e) == "valider") ++nommes_recus;
        return true;
    };
    file.pousser(touche('a'));
    boucle.passe();
    EXPECT_EQ(nommes_recus, 1);
    EXPECT_EQ(programme.images, 1);
}

// Un vrai objet animé : le dock qui glisse, par exemple. 100 ms d'animation, une image toutes les 30 ms, puis plus
// rien.
TEST(BoucleEtAnimation, LaBoucleRedessineTantQueLObjetBouge) {
    horloge_reglable horloge;
    objet_3d_pkg::definir_horloge(horloge);
    auto objet = std::make_shared<objet_3d_pkg::objet_affichable>();
    file_evenements_pkg::file_memoire file;
    programme_de_test programme;
    programme.pendant_le_dessin = [&] {
        objet->animer();
        programme.delai = objet->delai_prochaine_image();
    };
    controleur_pkg::boucle_principale boucle(file, horloge, programme);
    objet->positionner_objet3d({1.0f, 0.0f, 0.0f}, 100ms, objet_3d_pkg::mode_animation::LINEAIRE);

    for (int i = 0; i < 10; ++i) {
        boucle.passe();
        horloge.instant += 30ms;
    }
    EXPECT_EQ(objet->obtenir_position().x, 1.0f);
    EXPECT_GE(programme.images, 4);
    EXPECT_LE(programme.images, 6);
    const int images_a_la_fin = programme.images;
    horloge.instant += 30ms;
    boucle.passe();
    EXPECT_EQ(programme.images, images_a_la_fin);
    objet_3d_pkg::retablir_horloge_systeme();
}

} // namespace
