// Boucle principale : cadence des images, fin du programme, changements de mode.
#include "controleur_menu_pkg.hpp"
#include "controleur_pkg.hpp"
#include "credit_3d_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "option_son_3d_pkg.hpp"
#include "page_aide_3d_pkg.hpp"

#include "../modele/horloge_reglable.hpp"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using controleur_pkg::etat_principal;
using evenement_pkg::evenement;
using horloge_reglable_pkg::horloge_reglable;

evenement touche(std::int32_t symbole) {
    evenement e;
    e.type = evenement_pkg::TOUCHE_APPUYEE;
    e.touche = symbole;
    return e;
}

struct BouclePrincipale : testing::Test {
    file_evenements_pkg::file_memoire file;
    horloge_reglable horloge;
    int images = 0;
    controleur_pkg::boucle_principale boucle{file, horloge, [this] { ++images; }};
};

TEST_F(BouclePrincipale, UneRafaleDEvenementsNeDonneQuUneImageApres25Ms) {
    const horloge_pkg::duree premiere_image = horloge.instant;
    file.pousser(touche('a'));
    boucle.passe();
    ASSERT_EQ(images, 1);

    for (int i = 0; i < 50; ++i) {
        horloge.instant += 100us;
        file.pousser(touche('a'));
        boucle.passe();
    }
    EXPECT_EQ(images, 1);

    horloge.instant = premiere_image + 25ms;  // pas strictement plus de 25 ms
    boucle.passe();
    EXPECT_EQ(images, 1);
    horloge.instant += 1ns;
    boucle.passe();
    EXPECT_EQ(images, 2);
    boucle.passe();
    EXPECT_EQ(images, 2);  // plus rien n'a changé
}

TEST_F(BouclePrincipale, UnChangementDemandeEnCoursDePasseEstDessineDesQueLes25MsSontPassees) {
    file.pousser(touche('a'));
    boucle.passe();
    horloge.instant += 10ms;
    controleur_pkg::modifie_ecran();  // une animation, sans nouvel événement
    boucle.passe();
    EXPECT_EQ(images, 1);
    horloge.instant += 16ms;
    boucle.passe();
    EXPECT_EQ(images, 2);
}

TEST_F(BouclePrincipale, UneImageDemandeePendantLeDessinEstLaSuivante) {
    controleur_pkg::boucle_principale animee{file, horloge, [this] {
                                                 ++images;
                                                 controleur_pkg::modifie_ecran();
                                             }};
    controleur_pkg::modifie_ecran();
    animee.passe();
    EXPECT_TRUE(controleur_pkg::obtenir_modification());
    horloge.instant += 26ms;
    animee.passe();
    EXPECT_EQ(images, 2);
}

// Une animation lente (le champ d'étoiles) demande son image pour plus tard : la boucle dort jusque-là, dessine à
// l'échéance sans autre événement, et une image dessinée avant pour une autre raison remplace la demande.
TEST_F(BouclePrincipale, UneImageDemandeeDansUnDelaiEstDessineeASonEcheance) {
    struct file_qui_note_l_attente : file_evenements_pkg::file_evenements {
        file_evenements_pkg::file_memoire file;
        std::optional<horloge_pkg::duree> attente;
        std::optional<evenement> scruter() override { return file.scruter(); }
        void pousser(evenement e) override { file.pousser(std::move(e)); }
        void attendre(std::optional<horloge_pkg::duree> delai_max) override { attente = delai_max; }
    } notee;
    bool demander = true;
    controleur_pkg::boucle_principale lente{notee, horloge, [&] {
                                                ++images;
                                                if (demander) controleur_pkg::modifie_ecran_dans(100ms);
                                            }};
    notee.pousser(touche('a'));
    lente.passe();
    ASSERT_EQ(images, 1);
    EXPECT_FALSE(controleur_pkg::obtenir_modification());
    horloge.instant += 40ms;
    lente.attendre();
    EXPECT_EQ(notee.attente, std::optional<horloge_pkg::duree>(60ms));  // ni réveil de 25 ms, ni sommeil sans fin
    lente.passe();
    EXPECT_EQ(images, 1);
    horloge.instant += 60ms;
    lente.passe();
    EXPECT_EQ(images, 2);

    // Un événement redessine avant l'échéance ; cette image-là ne demande plus rien : plus d'image due.
    demander = false;
    horloge.instant += 30ms;
    notee.pousser(touche('a'));
    lente.passe();
    EXPECT_EQ(images, 3);
    horloge.instant += 200ms;
    lente.passe();
    EXPECT_EQ(images, 3);
    lente.attendre();
    EXPECT_EQ(notee.attente, std::nullopt);
}

TEST_F(BouclePrincipale, FermerLaFenetreTermineLaPasseApresLesEvenementsEnFileEtLImageDue) {
    evenement fermeture;
    fermeture.type = evenement_pkg::DEMANDE_QUITTER;
    file.pousser(fermeture);
    file.pousser(touche('a'));
    boucle.executer();  // rend la main : la boucle ne tourne pas une passe de plus
    EXPECT_TRUE(controleur_pkg::est_termine());
    EXPECT_EQ(file.taille(), 0u);
    EXPECT_EQ(images, 1);
}

TEST_F(BouclePrincipale, UnEvenementNommeEmisPendantLaPasseEstTraiteDansLaMemePasse) {
    gestion_evenements_pkg::definir_file(file);
    struct emetteur : recepteur_pkg::recepteur {
        int nommes_recus = 0;
        bool accepter(evenement& e) override {
            if (e.type == evenement_pkg::TOUCHE_APPUYEE) {
                gestion_evenements_pkg::emettre_evenement_nomme("valider");
                return true;
            }
            if (gestion_evenements_pkg::obtenir_nom_evenement(e) == "valider") {
                ++nommes_recus;
                return true;
            }
            return false;
        }
    } recepteur;
    gestion_evenements_pkg::empiler_recepteur(&recepteur);
    file.pousser(touche('a'));
    boucle.passe();
    EXPECT_EQ(recepteur.nommes_recus, 1);
    EXPECT_EQ(images, 1);
}

TEST(ModesDuJeu, EchapHorsDuMenuYRameneEtSurLeMenuTermine) {
    controleur_menu_pkg::recepteur_retour_menu retour;
    gestion_evenements_pkg::empiler_recepteur(&retour);
    controleur_menu_pkg::activer();

    controleur_pkg::modifier_etat(etat_principal::AIDE);
    EXPECT_FALSE(controleur_menu_pkg::est_actif());
    auto echap = touche(evenement_pkg::touches::ECHAP);
    gestion_evenements_pkg::traiter_evenement(echap);
    EXPECT_EQ(controleur_pkg::obtenir_etat(), etat_principal::MENU);
    EXPECT_TRUE(controleur_menu_pkg::est_actif());
    EXPECT_FALSE(controleur_pkg::est_termine());

    gestion_evenements_pkg::traiter_evenement(echap);
    EXPECT_TRUE(controleur_pkg::est_termine());
}

TEST(ModesDuJeu, RevenirAuModeCourantNeTouchePasAuxRecepteurs) {
    controleur_menu_pkg::activer();
    const auto avant = gestion_evenements_pkg::obtenir_chaine_recepteurs();
    controleur_pkg::modifier_etat(etat_principal::MENU);
    EXPECT_EQ(gestion_evenements_pkg::obtenir_chaine_recepteurs(), avant);
    EXPECT_EQ(gestion_evenements_pkg::liste_recepteurs_pkg::taille_liste(avant), 3);
}

// Une page active ses récepteurs à son dessin : revenir au menu doit retirer ceux de la page quittée.
TEST(ModesDuJeu, RevenirAuMenuRetireLesRecepteursDeLaPageQuittee) {
    struct cas_page {
        etat_principal mode;
        void (*activer)();
        bool (*est_actif)();
    };
    const cas_page pages[] = {
        {etat_principal::AIDE, page_aide_3d_pkg::activer, page_aide_3d_pkg::est_actif},
        {etat_principal::SON, option_son_3d_pkg::activer, option_son_3d_pkg::est_actif},
        {etat_principal::CREDITS, credit_3d_pkg::activer, credit_3d_pkg::est_actif},
    };
    const auto taille_chaine = [] {
        return gestion_evenements_pkg::liste_recepteurs_pkg::taille_liste(
            gestion_evenements_pkg::obtenir_chaine_recepteurs());
    };
    controleur_menu_pkg::activer();
    const int avec_le_menu = taille_chaine();
    for (const cas_page& page : pages) {
        SCOPED_TRACE(static_cast<int>(page.mode));
        controleur_pkg::modifier_etat(page.mode);
        EXPECT_FALSE(controleur_menu_pkg::est_actif());
        page.activer();
        controleur_pkg::modifier_etat(etat_principal::MENU);
        EXPECT_FALSE(page.est_actif());
        EXPECT_TRUE(controleur_menu_pkg::est_actif());
        EXPECT_EQ(taille_chaine(), avec_le_menu);
    }
}

TEST(ModesDuJeu, UnModeSansDessinLeveEtatIndefini) {
    controleur_pkg::modifier_etat(etat_principal::QUITTER);
    EXPECT_THROW(controleur_pkg::dessiner_mode_courant(), controleur_pkg::ETAT_INDEFINI);
}

} // namespace
