// Liste déroulante et saisie dans une vraie fenêtre : textes à l'écran, boutons trouvés par la souris.
#include "donnees_temporaires.hpp"
#include "pixels_de_test.hpp"
#include "ecriture_3d_pkg.hpp"
#include "evenements_de_test.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"
#include "racine_de_scene.hpp"
#include "recepteur_souris_pkg.hpp"
#include "recepteurs_ecriture_pkg.hpp"
#include "recepteurs_liste_deroulante_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using donnees_temporaires::pixel;
using namespace evenements_de_test;
using bouton_liste_deroulante_pkg::t_bouton_deroulant;
using emissions = std::vector<std::pair<std::string, std::string>>;

// Les widgets sont posés à z = -10 : une unité y couvre environ 72 pixels de la fenêtre 800 × 600.
const float pixels_par_unite = 300.0f / (10.0f * static_cast<float>(std::tan(std::numbers::pi / 8.0)));
int colonne(float x) { return static_cast<int>(std::lround(400.0f + x * pixels_par_unite)); }
int ligne(float y) { return static_cast<int>(std::lround(300.0f - y * pixels_par_unite)); }

constexpr pixel vert{0, 255, 0};
constexpr pixel bleu{0, 0, 255};
constexpr pixel rouge{255, 0, 0};
constexpr pixel gris{60, 60, 60};

struct ListeSaisieOpenGL : testing::Test {
    // Créée d'abord : la fenêtre charge les textures de base depuis ce répertoire de travail.
    donnees_temporaires::racine_donnees donnees;
    bool police = donnees.copier_police_systeme();
    file_evenements_sdl_pkg::file_evenements_sdl file_fenetre;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file_fenetre};
    chaine_de_test chaine;
    std::shared_ptr<racine_de_scene::racine> scene = std::make_shared<racine_de_scene::racine>();

    void SetUp() override {
        ASSERT_TRUE(police) << "aucune police trouvée par « fc-match sans »";
        // Flèche verte, plaque bleue, plaque enfoncée rouge, tout le reste gris.
        for (const auto& d : gestionnaire_texture_pkg::table_textures()) {
            if (d.fichier.empty()) {
                continue;
            }
            const pixel p = d.nom == "fleche" ? vert : d.nom == "bouton_ancien" ? bleu
                          : d.nom == "bouton_ancien_actif" ? rouge : gris;
            donnees.ecrire_texture(std::string(d.fichier), 8, 8, d.alpha, [&](int, int) { return p; });
        }
        scene_pkg::initialiser_fenetre(fenetre);
        gestionnaire_texture_pkg::initialiser_jeu_textures(gestionnaire_texture_pkg::obtenir_textures());
        for (const char* n : {"alice", "bob", "carole"}) {
            std::filesystem::create_directories(std::filesystem::path("comptes") / n);
        }
    }

    void dessiner() {
        scene_pkg::afficher_scene(scene);
        glReadBuffer(GL_BACK);
    }

    pixel lire(int x, int y) const { return pixels_de_test::lire(x, y); }

    // Pixels du rectangle de la scène (en unités, à z = -10) qui satisfont le critère.
    template <typename critere>
    int compter(float x0, float y0, float x1, float y1, critere c) const {
        int n = 0;
        for (int y = ligne(y1); y <= ligne(y0); ++y) {
            for (int x = colonne(x0); x <= colonne(x1); ++x) {
                n += c(lire(x, y)) ? 1 : 0;
            }
        }
        return n;
    }

    // Un événement de souris après une image fraîche : une nouvelle passe de sélection.
    void souris(std::uint8_t type, float x, float y) {
        dessiner();
        evenement_pkg::evenement e;
        e.type = type;
        e.bouton = evenement_pkg::boutons::GAUCHE;
        e.x = static_cast<std::uint16_t>(colonne(x));
        e.y = static_cast<std::uint16_t>(ligne(y));
        chaine.offrir(e);
    }
    void cliquer(float x, float y) {
        souris(evenement_pkg::SOURIS_BOUGE, x, y);
        souris(evenement_pkg::SOURIS_APPUIE, x, y);
        souris(evenement_pkg::SOURIS_RELACHE, x, y);
    }
};

auto bleute = [](const pixel& p) { return p.b > 120 && p.b > p.r + 60; };
auto blanc = [](const pixel& p) { return p.r > 150 && p.g > 150 && p.b > 150; };

TEST_F(ListeSaisieOpenGL, LaListeMontreSesNomsEtLaSourisChoisitUneLigne) {
    auto liste = std::make_shared<liste_deroulante_3d_pkg::liste_affichable>();
    liste->initialiser("comptes/");
    liste->mettre_a_jour();
    scene->ajouter_sous_objet(liste);
    dessiner();

    // La ligne courante en bleu au milieu, la suivante en blanc dessous, rien au-dessus.
    EXPECT_GT(compter(-1.0f, -0.5f, 3.0f, 0.5f, bleute), 150);
    EXPECT_GT(compter(-1.0f, -2.3f, 2.0f, -1.7f, blanc), 40);
    EXPECT_EQ(compter(-1.0f, 1.7f, 2.0f, 3.3f, blanc), 0);
    // Flèches vertes, plaque de validation bleue autour de « OK ».
    auto proche = [](pixel attendu) {
        return [attendu](const pixel& p) {
            auto canal = [](std::uint8_t l, std::uint8_t a) { return a == 255 ? l > 100 : l < 70; };
            return canal(p.r, attendu.r) && canal(p.g, attendu.g) && canal(p.b, attendu.b);
        };
    };
    EXPECT_TRUE(proche(vert)(lire(colonne(-3.0f), ligne(2.0f))));
    EXPECT_TRUE(proche(vert)(lire(colonne(-3.0f), ligne(-2.0f))));
    EXPECT_TRUE(proche(bleu)(lire(colonne(-3.8f), ligne(0.0f))));

    recepteur_souris_pkg::recepteur_souris recepteur(chaine.file(), recepteur_souris_pkg::selection_scene());
    recepteur.definir_objet_racine(scene);
    chaine.chaine().empiler(&recepteur);
    recepteurs_liste_deroulante_pkg::recepteur_liste recepteur_liste(*liste, chaine.chaine(), chaine.file());
    recepteur_liste.ouvrir();

    // La flèche du bas, tenue : la plaque ne change pas, la flèche grossit sous le pointeur.
    cliquer(-3.0f, -2.0f);
    EXPECT_FLOAT_EQ(liste->obtenir_bouton(t_bouton_deroulant::BAS)->obtenir_echelle(), 1.2f);
    EXPECT_EQ(chaine.distribuer(), (emissions{{"fleche_bas", "(rien)"}}));
    EXPECT_EQ(liste->obtenir_cour(), 2);
    const std::string deuxieme = liste->obtenir_nom_courant();

    // Appui sur « OK » : la plaque enfoncée devient rouge ; le relâchement choisit la ligne du milieu.
    souris(evenement_pkg::SOURIS_BOUGE, -3.0f, 0.05f);
    souris(evenement_pkg::SOURIS_APPUIE, -3.0f, 0.05f);
    EXPECT_FLOAT_EQ(liste->obtenir_bouton(t_bouton_deroulant::BAS)->obtenir_echelle(), 1.0f);
    dessiner();
    EXPECT_TRUE(proche(rouge)(lire(colonne(-3.8f), ligne(0.0f))));
    souris(evenement_pkg::SOURIS_RELACHE, -3.0f, 0.05f);
    EXPECT_EQ(chaine.distribuer(), (emissions{{"liste_valider", "(rien)"}, {"valider_choix_liste", deuxieme}}));
    EXPECT_FALSE(recepteur_liste.est_ouverte());
}

TEST_F(ListeSaisieOpenGL, LaSaisieMontreCeQuiEstTapeEtSesBoutonsRepondentALaSouris) {
    auto champ = std::make_shared<ecriture_3d_pkg::ecriture_affichable>();
    champ->initialiser();
    champ->positionner_objet3d({-2.0f, -1.5f, -10.0f});
    scene->ajouter_sous_objet(champ);
    recepteurs_ecriture_pkg::recepteurs_ecriture recepteurs(champ, chaine.chaine(), chaine.file(),
                                                            recepteur_souris_pkg::selection_scene());
    recepteurs.ouvrir();
    dessiner();
    // Le texte blanc, à l'échelle 0,5, part de l'origine de la saisie vers la droite, même long.
    auto zone_texte = [&] { return compter(-2.0f, -1.75f, 4.0f, -1.25f, blanc); };
    auto a_gauche = [&] { return compter(-5.0f, -1.75f, -2.05f, -1.25f, blanc); };
    EXPECT_EQ(zone_texte(), 0);
    chaine.offrir(saisie("BOB"));
    dessiner();
    EXPECT_GT(zone_texte(), 30);
    EXPECT_EQ(a_gauche(), 0);
    chaine.offrir(saisie("ETTE ET ALICE"));
    dessiner();
    EXPECT_GT(zone_texte(), 150);
    EXPECT_EQ(a_gauche(), 0) << "un nom long ne recouvre pas l'étiquette à gauche de la saisie";
    for (int i = 0; i < 13; ++i) chaine.offrir(touche(evenement_pkg::touches::RETOUR_ARRIERE));

    // La saisie est sa propre racine de sélection : « valider » à (4, -1,5) dans son repère.
    cliquer(-2.0f + 4.0f, -1.5f - 1.5f);
    EXPECT_EQ(chaine.distribuer(), (emissions{{"ecriture_valider", "(rien)"}, {"valider_ecriture", "BOB"}}));
    EXPECT_FALSE(recepteurs.est_ouverte());
}

} // namespace
