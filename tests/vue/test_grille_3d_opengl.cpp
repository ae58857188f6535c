// Grille dans une vraie fenêtre : textures selon l'état, chiffres, image finale, loupe, curseur, souris jusqu'aux cases.
#include "case_term_3d_pkg.hpp"
#include "curseur_3d_pkg.hpp"
#include "donnees_temporaires.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "chaine_recepteurs_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "grille_3d_pkg.hpp"
#include "nom_gl_pkg.hpp"
#include "pixels_de_test.hpp"
#include "racine_de_scene.hpp"
#include "recepteur_souris_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

using case_simple_pkg::coordonnees;
using namespace pixels_de_test;

// Une couleur franche par texture de la grille ; les autres en gris.
const std::map<std::string, pixel> couleurs_fixture{
    {"case", bleu},          {"case_occupe", vert}, {"case_terminale", jaune}, {"case_terminale_occupe", rouge},
    {"curseur", magenta},    {"recherche", cyan},
};

bool sombre(const pixel& p) { return p.r < 40 && p.g < 40 && p.b < 40; }

// Grille de 3 × 3 à z = -5, échelle 1 : une unité y couvre environ 145 pixels de la fenêtre 800 × 600.
constexpr int cote = 3;
constexpr float profondeur = -5.0f;
const float pixels_par_unite = 300.0f / (5.0f * static_cast<float>(std::tan(std::numbers::pi / 8.0)));

struct GrilleOpenGL : testing::Test {
    donnees_temporaires::racine_donnees donnees;
    bool police = donnees.copier_police_systeme();
    file_evenements_sdl_pkg::file_evenements_sdl file_fenetre;
    std::unique_ptr<fenetre_sdl_pkg::fenetre_sdl> fenetre;
    file_evenements_pkg::file_memoire evenements;
    std::shared_ptr<racine_de_scene::racine> scene = std::make_shared<racine_de_scene::racine>();
    grille_pkg::grille_ptr modele = std::make_shared<grille_pkg::grille>(cote);
    grille_3d_pkg::classe_grille_affichable g3d;
    curseur_3d_pkg::classe_curseur_affichable curseur = std::make_shared<curseur_3d_pkg::curseur_affichable>(cote);

    void SetUp() override {
        for (const auto& d : gestionnaire_texture_pkg::table_textures()) {
            if (!d.fichier.empty()) {
                const auto trouve = couleurs_fixture.find(std::string(d.nom));
                const pixel p = trouve == couleurs_fixture.end() ? gris : trouve->second;
                donnees.ecrire_texture(std::string(d.fichier), 8, 8, d.alpha, [p](int, int) { return p; });
            }
        }
        ouvrir_fenetre();

        // Chemins (1, 1)-(1, 2) de 2 cases et (3, 3) de 1 case ; (1, 1), (1, 2) et (2, 2) occupées.
        modele->initialiser("essai");
        modele->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(2), {1, 1});
        modele->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(2), {1, 2});
        modele->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(1), {3, 3});
        for (const coordonnees c : {coordonnees{1, 1}, coordonnees{1, 2}, coordonnees{2, 2}}) {
            modele->rend_case(c)->occuper();
        }
        g3d = std::make_shared<grille_3d_pkg::grille_affichable>(modele);
        g3d->initialiser();
        g3d->positionner_objet3d({0.0f, 0.0f, profondeur});
        scene->ajouter_sous_objet(g3d);
    }

    // Le curseur a la place et l'échelle de la grille, un peu devant elle.
    void poser_curseur(const coordonnees& c) {
        curseur->positionner_objet3d({0.0f, 0.0f, profondeur + 0.01f});
        curseur->mettre_a_jour(c);
        scene->ajouter_sous_objet(curseur);
    }

    // La nouvelle fenêtre s'ouvre avant que l'ancienne se ferme : la vidéo de SDL reste démarrée.
    void ouvrir_fenetre() {
        auto nouvelle = std::make_unique<fenetre_sdl_pkg::fenetre_sdl>(file_fenetre);
        scene_pkg::initialiser_fenetre(*nouvelle);
        fenetre = std::move(nouvelle);
        auto& t = gestionnaire_texture_pkg::obtenir_textures();
        gestionnaire_texture_pkg::initialiser_jeu_textures(t);
        gestionnaire_texture_pkg::initialiser_aide_textures(t);
    }

    void dessiner() {
        scene_pkg::afficher_scene(scene);
        glReadBuffer(GL_BACK);
    }

    // Pixel de la fenêtre (origine en haut à gauche) où tombe le point de la case c décalé de (dx, dy) unités.
    static std::array<int, 2> pixel_de(const coordonnees& c, float dx = 0.0f, float dy = 0.0f) {
        const auto centre = grille_3d_pkg::position_tuile(cote, c);
        return {static_cast<int>(std::lround(400.0f + (centre.x + dx) * pixels_par_unite)),
                static_cast<int>(std::lround(300.0f - (centre.y + dy) * pixels_par_unite))};
    }

    // Coin bas gauche de la tuile, loin du chiffre.
    static pixel coin(const coordonnees& c) {
        const auto p = pixel_de(c, -0.38f, -0.38f);
        return lire(p[0], p[1]);
    }

    // Pixels sombres (l'encre du chiffre) dans la tuile, bordure exclue.
    static int encre(const coordonnees& c) {
        const auto haut_gauche = pixel_de(c, -0.45f, 0.45f);
        const auto bas_droite = pixel_de(c, 0.45f, -0.45f);
        int n = 0;
        for (int y = haut_gauche[1]; y <= bas_droite[1]; ++y) {
            for (int x = haut_gauche[0]; x <= bas_droite[0]; ++x) {
                n += sombre(lire(x, y)) ? 1 : 0;
            }
        }
        return n;
    }

    void verifier_couleurs(const std::vector<std::pair<coordonnees, pixel>>& attendues) const {
        for (const auto& [c, p] : attendues) {
            EXPECT_TRUE(ressemble(coin(c), p)) << "case " << c.x << "," << c.y << " : lu " << texte(coin(c))
                                               << ", attendu " << texte(p);
        }
    }

    std::vector<std::string> evenements_envoyes() {
        std::vector<std::string> noms;
        while (auto e = evenements.scruter()) {
            std::string nom = evenement_pkg::nom_de(*e);
            if (const auto* c = std::get_if<coordonnees>(&e->donnee)) {
                nom += " " + std::to_string(c->x) + "," + std::to_string(c->y);
            }
            noms.push_back(nom);
        }
        return noms;
    }
};

TEST_F(GrilleOpenGL, ChaqueCaseMontreSonEtatLesTerminalesLeurChiffrePuisLaGrilleFinieSonImage) {
    dessiner();
    verifier_couleurs({{{3, 1}, bleu}, {{2, 2}, vert}, {{3, 3}, jaune}, {{1, 1}, rouge}, {{1, 2}, rouge}});
    if (police) {
        EXPECT_GT(encre({3, 3}), 150) << "chiffre de la case terminale libre";
        EXPECT_GT(encre({1, 1}), 150) << "chiffre de la case terminale occupée";
    }
    EXPECT_EQ(encre({2, 2}), 0);

    // Partie gagnée : les cases occupées prennent toutes la même texture et les chiffres disparaissent.
    for (int x = 1; x <= cote; ++x) {
        for (int y = 1; y <= cote; ++y) {
            g3d->obtenir_case_affichable({x, y})->finir_case();
        }
    }
    dessiner();
    verifier_couleurs({{{3, 1}, bleu}, {{2, 2}, rouge}, {{3, 3}, jaune}, {{1, 1}, rouge}, {{1, 2}, rouge}});
    EXPECT_EQ(encre({3, 3}), 0);
    EXPECT_EQ(encre({1, 1}), 0);
}

TEST_F(GrilleOpenGL, LaLoupeCouvreLesCasesDAideEtLeCurseurSaCaseSansArreterLaSouris) {
    g3d->obtenir_case_affichable({3, 1})->modifier_aide(true);
    std::dynamic_pointer_cast<case_term_3d_pkg::case_term_affichable>(g3d->obtenir_case_affichable({3, 3}))
        ->modifier_aide_term(true);
    poser_curseur({2, 3});
    dessiner();
    verifier_couleurs({{{3, 1}, cyan}, {{3, 3}, cyan}, {{2, 3}, magenta}, {{2, 1}, bleu}, {{1, 3}, bleu}});
    if (police) {
        EXPECT_GT(encre({3, 3}), 150) << "la loupe cache le chiffre de la case terminale";
    }

    // La sélection ne voit pas le curseur : elle trouve la case dessous.
    const auto centre = pixel_de({2, 3});
    scene_pkg::afficher_mode_selection(scene, centre[0], centre[1]);
    EXPECT_EQ(scene_pkg::obtenir_identifiant_hit(), g3d->obtenir_case_affichable({2, 3})->obtenir_identifiant());

    g3d->obtenir_case_affichable({3, 1})->modifier_aide(false);
    dessiner();
    verifier_couleurs({{{3, 1}, bleu}, {{3, 3}, cyan}});
}

TEST_F(GrilleOpenGL, LaSourisAtteintLesCasesParLaChaineDesRecepteursEtEnvoieLeursEvenements) {
    recepteur_souris_pkg::recepteur_souris recepteur(evenements, recepteur_souris_pkg::selection_scene());
    recepteur.definir_objet_racine(scene);
    chaine_recepteurs_pkg::chaine_recepteurs chaine;
    chaine.empiler(&recepteur);
    // Une image entre deux événements : chacun a sa propre passe de sélection.
    auto envoyer = [&](std::uint8_t type, const std::array<int, 2>& p, std::uint8_t bouton) {
        dessiner();
        evenement_pkg::evenement e;
        e.type = type;
        e.x = static_cast<std::uint16_t>(p[0]);
        e.y = static_cast<std::uint16_t>(p[1]);
        e.bouton = bouton;
        chaine.traiter(e);
    };
    using namespace evenement_pkg;
    poser_curseur({3, 3});  // sous le curseur, c'est toujours la case qui répond

    envoyer(SOURIS_BOUGE, pixel_de({2, 3}), 0);
    envoyer(SOURIS_BOUGE, pixel_de({2, 3}, 0.2f, 0.1f), 0);  // dans la même case : rien
    envoyer(SOURIS_APPUIE, pixel_de({2, 3}, 0.2f, 0.1f), boutons::GAUCHE);
    envoyer(SOURIS_BOUGE, pixel_de({3, 3}), 1);  // sur le chiffre, bouton gauche tenu
    envoyer(SOURIS_RELACHE, pixel_de({3, 3}), boutons::GAUCHE);
    EXPECT_EQ(evenements_envoyes(),
              (std::vector<std::string>{"deplacer_curseur 2,3", "appuie", "glisser 3,3", "valider"}));

    envoyer(SOURIS_BOUGE, pixel_de({1, 1}, 0.45f, -0.45f), 0);
    envoyer(SOURIS_APPUIE, pixel_de({1, 1}, 0.45f, -0.45f), boutons::DROIT);
    envoyer(SOURIS_RELACHE, pixel_de({1, 1}, 0.45f, -0.45f), boutons::DROIT);
    envoyer(SOURIS_BOUGE, pixel_de({1, 1}, 3.0f, 0.0f), 0);  // hors de la grille
    envoyer(SOURIS_RELACHE, pixel_de({1, 1}, 3.0f, 0.0f), boutons::GAUCHE);
    EXPECT_EQ(evenements_envoyes(), (std::vector<std::string>{"deplacer_curseur 1,1", "appuie", "effacer"}));
}

// Hors de la grille, une case se dessine seule : sa texture, son chiffre, sa loupe par-dessus.
TEST_F(GrilleOpenGL, UneCaseSeuleSeDessineAvecSaTextureSonChiffreEtSaLoupe) {
    scene->supprimer_sous_objet(g3d);
    const auto tuile = g3d->obtenir_case_affichable({3, 3});
    auto place = grille_3d_pkg::position_tuile(cote, {3, 3});
    place.z = profondeur;
    tuile->positionner_objet3d(place);
    scene->ajouter_sous_objet(tuile);
    dessiner();
    verifier_couleurs({{{3, 3}, jaune}});
    if (police) {
        EXPECT_GT(encre({3, 3}), 150);
    }
    EXPECT_FALSE(ressemble(coin({2, 2}), vert)) << "la grille n'est plus dessinée";
    tuile->modifier_aide(true);
    dessiner();
    verifier_couleurs({{{3, 3}, cyan}});
}

// Un nombre à deux chiffres reste dans sa tuile : ni encre sur les bords de la tuile, ni sur la voisine.
TEST_F(GrilleOpenGL, UnNombreADeuxChiffresTientDansSaTuile) {
    if (!police) {
        GTEST_SKIP() << "aucune police sur la machine";
    }
    const auto g = std::make_shared<grille_pkg::grille>(cote);
    g->initialiser("deux chiffres");
    g->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(12), {2, 2});
    const auto vue = std::make_shared<grille_3d_pkg::grille_affichable>(g);
    vue->initialiser();
    vue->positionner_objet3d({0.0f, 0.0f, profondeur});
    scene->supprimer_sous_objet(g3d);
    scene->ajouter_sous_objet(vue);
    dessiner();
    EXPECT_GT(encre({2, 2}), 300);
    // Bandes de la hauteur des chiffres, le long des bords gauche et droit de la tuile (qui va de -0,5 à 0,5).
    for (const float bord : {-0.49f, 0.41f}) {
        int taches = 0;
        for (float dy = -0.2f; dy <= 0.2f; dy += 0.02f) {
            for (float dx = 0.0f; dx <= 0.08f; dx += 0.01f) {
                const auto p = pixel_de({2, 2}, bord + dx, dy);
                taches += sombre(lire(p[0], p[1])) ? 1 : 0;
            }
        }
        EXPECT_EQ(taches, 0) << "encre au bord " << bord;
    }
}

// Un nouveau contexte OpenGL ne connaît plus la liste d'affichage des cases : elle est compilée de nouveau.
TEST_F(GrilleOpenGL, LesCasesSeDessinentEncoreDansUneNouvelleFenetre) {
    dessiner();
    ASSERT_TRUE(ressemble(coin({3, 1}), bleu));
    ouvrir_fenetre();
    dessiner();
    // Les textures du jeu sont rechargées dans le nouveau contexte : la case libre garde sa couleur.
    const pixel p = coin({3, 1});
    EXPECT_TRUE(ressemble(p, bleu)) << "lu " << texte(p);
}

// La scène relit ses textures de base et ses glyphes à chaque changement de taille : les anciennes sont
// supprimées, et la liste des tuiles, qui ne dépend que du contexte, n'est pas recompilée.
TEST_F(GrilleOpenGL, CinquanteRedimensionnementsNeLaissentNiTextureNiListeDeTrop) {
    auto taille = [](int l, int h) {
        evenement_pkg::evenement e;
        e.type = evenement_pkg::REDIMENSIONNEMENT;
        e.largeur = static_cast<std::uint16_t>(l);
        e.hauteur = static_cast<std::uint16_t>(h);
        scene_pkg::redimensionnement(e);
    };
    dessiner();
    taille(900, 700);
    dessiner();
    const int textures = nom_gl_pkg::nombre_textures();
    EXPECT_GE(textures, 24) << "base, jeu et aide";
    EXPECT_EQ(nom_gl_pkg::nombre_listes(), 1);
    for (int k = 0; k < 50; ++k) {
        taille(k % 2 == 0 ? 900 : 800, k % 2 == 0 ? 700 : 600);  // la dernière revient à 800 × 600
        dessiner();
    }
    EXPECT_EQ(nom_gl_pkg::nombre_textures(), textures);
    EXPECT_EQ(nom_gl_pkg::nombre_listes(), 1);
    verifier_couleurs({{{3, 1}, bleu}, {{1, 1}, rouge}});
}

} // namespace
