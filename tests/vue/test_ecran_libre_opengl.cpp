// Écran du jeu libre dans une vraie fenêtre, avec les données du jeu : ce que le joueur doit voir en entier.
#include "controleur_libre_pkg.hpp"
#include "../controleur/banc_application.hpp"
#include "fenetre_dans_les_donnees.hpp"
#include "pixels_de_test.hpp"

#include <gtest/gtest.h>

namespace {

using pixels_de_test::compter;
using pixels_de_test::pixel;

bool jaune_nom(const pixel& p) { return p.r > 180 && p.g > 180 && p.b < 140; }
bool blanc(const pixel& p) { return p.r > 200 && p.g > 200 && p.b > 200; }

struct EcranLibre : testing::Test {
    fenetre_dans_les_donnees::fenetre_du_jeu fenetre;
    banc_application::banc banc{&recepteur_souris_pkg::selection_scene()};

    // Choisie depuis le jeu libre, chargée, puis dessinée deux fois comme la boucle le ferait.
    void ouvrir(const std::string& grille) {
        banc.aller_a(banc_application::etat_principal::LIBRE);
        auto& libre = banc.mode<controleur_libre_pkg::controleur_libre>(banc_application::etat_principal::LIBRE);
        libre.lancer_jeu_pred(grille);
        ASSERT_NE(libre.obtenir_partie(), nullptr) << grille;
        dessiner();
        dessiner();
    }

    void dessiner() {
        banc.dessiner();
        glReadBuffer(GL_BACK);
    }
};

// Le cadre du nom, en haut du panneau de droite, va de x = 658 à 787 entre ses bordures orange.
TEST_F(EcranLibre, UnLongNomDeGrilleResteDansSonCadre) {
    ouvrir("station_orbitale.xml");
    EXPECT_GT(compter(664, 38, 118, 26, jaune_nom), 150) << "le nom n'est pas écrit";
    EXPECT_EQ(compter(600, 38, 64, 26, jaune_nom), 0) << "le nom dépasse à gauche";
    EXPECT_EQ(compter(782, 38, 18, 26, jaune_nom), 0) << "le nom dépasse à droite";
}

// La dernière ligne de l'aide (« 'L' - Zoom/Dezoom ... ») s'écrit au-dessus du bas du cadre, vers y = 492.
TEST_F(EcranLibre, LaDerniereLigneDeLAideEstVisible) {
    ouvrir("maison.xml");
    banc.envoyer(evenements_de_test::touche('h'));
    dessiner();
    EXPECT_GT(compter(140, 482, 380, 20, blanc), 200);
}

} // namespace
