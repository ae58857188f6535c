// Menu principal et pages d'aide, d'options et de crédits dans une vraie fenêtre, avec les données du jeu :
// pixels du dessin, souris par la vraie sélection OpenGL, musique sur le pilote audio factice.
#include "application_pkg.hpp"
#include "controleur_menu_pkg.hpp"
#include "controleur_options_son_pkg.hpp"
#include "controleur_pages_pkg.hpp"
#include "credit_3d_pkg.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "musique_pkg.hpp"
#include "page_aide_3d_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;
using mode_pkg::etat_principal;
using evenement_pkg::evenement;
namespace touches = evenement_pkg::touches;

struct rgb {
    int r, g, b;
};

// Rangées de la fenêtre 800 × 600 où tombent le titre et les entrées (menu à z = -15, 48 pixels par unité).
constexpr int rangee_titre = 59;
constexpr std::array<int, 8> rangee_entree{0, 146, 208, 271, 334, 397, 459, 517};
// Entrées de la page des options (z = -15) et plaque « menu » (z = -10).
constexpr int rangee_musique = 276;
constexpr int rangee_bruitage = 421;
constexpr int plaque_x = 110;
constexpr int plaque_y = 568;

bool bleu_menu(const rgb& p) { return p.b > 170 && p.r < 90 && p.g > 60 && p.g < 170; }
bool blanc(const rgb& p) { return p.r > 200 && p.g > 200 && p.b > 200; }

struct PagesMenu : testing::Test {
    // Les images, la police et les sons du jeu, construits dans sa racine de données.
    fs::path precedent = fs::current_path();
    bool dans_les_donnees = [] {
        fs::current_path(TESSALINE_DONNEES);
        return true;
    }();
    file_evenements_sdl_pkg::file_evenements_sdl file_fenetre;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file_fenetre};
    file_evenements_pkg::file_memoire evenements;
    application_pkg::application app;

    // Comme au démarrage du jeu : le menu, sa première image, puis la suivante, qui lance la musique.
    void SetUp() override {
        scene_pkg::initialiser_fenetre(fenetre);
        application_pkg::installer_modes(app, {.modes = app,
                                               .file = evenements,
                                               .selection = recepteur_souris_pkg::selection_scene(),
                                               .horloge = horloge_pkg::horloge_systeme()});
        app.demarrer();
        dessiner();
        dessiner();
    }

    void TearDown() override { fs::current_path(precedent); }

    void dessiner() {
        app.dessiner();
        glReadBuffer(GL_BACK);
    }

    // Comme la boucle principale : l'événement, puis les événements nommés qu'il a fait naître.
    void traiter(evenement e) {
        app.traiter(e);
        while (auto suivant = evenements.scruter()) app.traiter(*suivant);
    }

    controleur_menu_pkg::controleur_menu& menu() {
        return dynamic_cast<controleur_menu_pkg::controleur_menu&>(app.obtenir_mode(etat_principal::MENU));
    }
    controleur_options_son_pkg::controleur_options_son& options() {
        return dynamic_cast<controleur_options_son_pkg::controleur_options_son&>(app.obtenir_mode(etat_principal::SON));
    }
    template <typename type_page>
    std::shared_ptr<type_page> page(etat_principal mode) {
        return dynamic_cast<controleur_pages_pkg::controleur_page<type_page>&>(app.obtenir_mode(mode)).obtenir_page();
    }

    void touche(std::int32_t symbole) {
        evenement e;
        e.type = evenement_pkg::TOUCHE_APPUYEE;
        e.touche = symbole;
        traiter(e);
    }

    void souris(std::uint8_t type, int x, int y) {
        evenement e;
        e.type = type;
        e.bouton = evenement_pkg::boutons::GAUCHE;
        e.x = static_cast<std::uint16_t>(x);
        e.y = static_cast<std::uint16_t>(y);
        traiter(e);
    }

    // Le pointeur arrive sur (x, y) et y relâche le bouton ; une image est dessinée avant chaque événement.
    void cliquer(int x, int y) {
        dessiner();
        souris(evenement_pkg::SOURIS_BOUGE, x, y);
        dessiner();
        souris(evenement_pkg::SOURIS_RELACHE, x, y);
    }

    rgb lire(int x, int y) const {
        std::array<GLubyte, 4> p{};
        glReadPixels(x, scene_pkg::obtenir_hauteur() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        return {p[0], p[1], p[2]};
    }

    // Pixels de la bande de hauteur 2 × demi autour de la rangée y, au centre de la fenêtre, qui satisfont c.
    int compter(int y, int demi, const std::function<bool(const rgb&)>& c) const {
        int n = 0;
        for (int j = y - demi; j <= y + demi; ++j) {
            for (int x = 200; x < 600; x += 2) {
                n += c(lire(x, j)) ? 1 : 0;
            }
        }
        return n;
    }

    std::string libelle(int ligne) const {
        return const_cast<PagesMenu*>(this)->options().obtenir_page()->entrees().obtenir_entree(ligne)->obtenir_texte()->obtenir_texte();
    }
};

TEST_F(PagesMenu, LeMenuMontreSonTitreEtCampagneEnBleuPuisSuitLaSouris) {
    EXPECT_GT(compter(rangee_titre, 20, blanc), 300);
    EXPECT_GT(compter(rangee_entree[1], 25, bleu_menu), 300);
    EXPECT_EQ(compter(rangee_entree[3], 20, bleu_menu), 0);

    souris(evenement_pkg::SOURIS_BOUGE, 400, rangee_entree[3]);
    dessiner();
    EXPECT_EQ(menu().obtenir_courante(), 3);
    EXPECT_EQ(compter(rangee_entree[1], 25, bleu_menu), 0);
    EXPECT_GT(compter(rangee_entree[3], 25, bleu_menu), 300);
    touche(touches::ENTREE);
    EXPECT_EQ(app.obtenir_etat(), etat_principal::EDITEUR);
}

TEST_F(PagesMenu, QuitterAgitAuRelachementDuBoutonPasALAppui) {
    souris(evenement_pkg::SOURIS_BOUGE, 400, rangee_entree[7]);
    dessiner();
    souris(evenement_pkg::SOURIS_APPUIE, 400, rangee_entree[7]);
    EXPECT_FALSE(app.est_termine());
    souris(evenement_pkg::SOURIS_RELACHE, 400, rangee_entree[7]);
    EXPECT_TRUE(app.est_termine());
}

TEST_F(PagesMenu, LaPageDesOptionsEteintEtRallumeLaMusiqueEtLesBruitages) {
    ASSERT_EQ(Mix_Playing(musique_pkg::canal_musique), 1) << "la musique démarre avec le menu";
    cliquer(400, rangee_entree[5]);
    ASSERT_EQ(app.obtenir_etat(), etat_principal::SON);
    dessiner();
    EXPECT_EQ(libelle(1), "Musique : activée");
    EXPECT_EQ(libelle(2), "Bruitage : activé");

    cliquer(400, rangee_musique);
    EXPECT_FALSE(musique_pkg::musique_est_actif());
    EXPECT_EQ(Mix_Playing(musique_pkg::canal_musique), 0);
    dessiner();
    EXPECT_EQ(libelle(1), "Musique : désactivée");
    cliquer(400, rangee_musique);
    EXPECT_EQ(Mix_Playing(musique_pkg::canal_musique), 1);
    dessiner();
    EXPECT_EQ(libelle(1), "Musique : activée");

    // La souris sur les bruitages puis Entrée : ce sont les bruitages qui basculent.
    souris(evenement_pkg::SOURIS_BOUGE, 400, rangee_bruitage);
    dessiner();
    EXPECT_EQ(options().obtenir_courante(), 2);
    touche(touches::BAS);
    touche(touches::ENTREE);
    EXPECT_FALSE(musique_pkg::bruitage_est_actif());
    EXPECT_TRUE(musique_pkg::musique_est_actif());
    dessiner();
    EXPECT_EQ(libelle(2), "Bruitage : désactivé");
    touche(touches::HAUT);
    touche(touches::HAUT);
    EXPECT_EQ(options().obtenir_courante(), 1);

    touche(touches::ECHAP);
    EXPECT_EQ(app.obtenir_etat(), etat_principal::MENU);
    EXPECT_TRUE(options().chaine().recepteurs().empty());
    EXPECT_FALSE(app.est_termine());
}

// La ligne du clavier est gardée, et montrée, quand on revient au menu comme à la page des options.
TEST_F(PagesMenu, LaLigneDuClavierEstGardeeEtAllumeeQuandLEcranRevient) {
    souris(evenement_pkg::SOURIS_BOUGE, 400, rangee_entree[5]);
    dessiner();
    touche(touches::ENTREE);
    ASSERT_EQ(app.obtenir_etat(), etat_principal::SON);
    dessiner();
    touche(touches::BAS);
    touche(touches::ECHAP);
    dessiner();
    EXPECT_EQ(menu().obtenir_courante(), 5);
    EXPECT_GT(compter(rangee_entree[5], 25, bleu_menu), 300);
    EXPECT_EQ(compter(rangee_entree[1], 25, bleu_menu), 0);

    touche(touches::ENTREE);
    dessiner();
    EXPECT_EQ(options().obtenir_courante(), 2);
    EXPECT_GT(compter(rangee_bruitage, 25, bleu_menu), 300);
    EXPECT_EQ(compter(rangee_musique, 25, bleu_menu), 0);
}

TEST_F(PagesMenu, LeMenuNeRelancePasUneMusiqueEteinte) {
    app.aller_a(etat_principal::SON);
    dessiner();
    touche(touches::ENTREE);
    touche(touches::ECHAP);
    dessiner();
    EXPECT_EQ(Mix_Playing(musique_pkg::canal_musique), 0);
}

// Aide et crédits : construites une fois, quittées par la plaque « menu » ou par Échap.
TEST_F(PagesMenu, LesPagesDAideEtDeCreditsSeConstruisentUneFoisEtRamenentAuMenu) {
    struct cas {
        etat_principal mode;
        std::function<objet_3d_pkg::classe_objet_affichable()> page;
        int textes;
    };
    const std::array<cas, 2> pages{{
        {etat_principal::AIDE, [this] { return page<page_aide_3d_pkg::page_aide_affichable>(etat_principal::AIDE); }, 18},
        {etat_principal::CREDITS, [this] { return page<credit_3d_pkg::credit_affichable>(etat_principal::CREDITS); }, 4},
    }};
    for (const cas& c : pages) {
        app.aller_a(c.mode);
        dessiner();
        const auto page = c.page();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(objet_3d_pkg::l_obj3d::taille_liste(page->obtenir_sous_objets()), c.textes);

        cliquer(plaque_x, plaque_y);
        EXPECT_EQ(app.obtenir_etat(), etat_principal::MENU);
        dessiner();

        app.aller_a(c.mode);
        dessiner();
        EXPECT_EQ(c.page(), page);
        EXPECT_EQ(objet_3d_pkg::l_obj3d::taille_liste(page->obtenir_sous_objets()), c.textes);
        touche(touches::ECHAP);
        EXPECT_EQ(app.obtenir_etat(), etat_principal::MENU);
        dessiner();
    }
    EXPECT_TRUE(app.obtenir_mode(etat_principal::AIDE).chaine().recepteurs().empty());
    EXPECT_TRUE(app.obtenir_mode(etat_principal::CREDITS).chaine().recepteurs().empty());
    EXPECT_FALSE(app.est_termine());
}

} // namespace
