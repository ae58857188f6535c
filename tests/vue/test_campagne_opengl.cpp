// Écran de la campagne dans une vraie fenêtre, sur les grilles livrées : seule la face courante répond à la
// souris, même pendant que le cube tourne ; captures de chaque état, à regarder.
#include "campagne_3d_pkg.hpp"
#include "capture_ecran.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "pixels_de_test.hpp"
#include "scene_pkg.hpp"

#include "../modele/horloge_reglable.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct CampagneOpenGL : testing::Test {
    fs::path precedent = fs::current_path();
    bool dans_les_donnees = [] {
        fs::current_path(TESSALINE_DONNEES);
        return true;
    }();
    file_evenements_sdl_pkg::file_evenements_sdl file;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file};
    horloge_reglable_pkg::horloge_reglable horloge;
    campagne_pkg::campagne_ptr campagne = std::make_shared<campagne_pkg::campagne>();
    std::shared_ptr<campagne_3d_pkg::campagne_affichable> ecran =
        std::make_shared<campagne_3d_pkg::campagne_affichable>();

    // Comme la campagne au premier dessin d'un compte : textures du jeu, de l'aide et des planètes, niveau 1,
    // face 1. Ce qui, plus tard, sera le travail du contrôleur de la campagne est fait ici à la main.
    void SetUp() override {
        objet_3d_pkg::definir_horloge(horloge);
        scene_pkg::initialiser_fenetre(fenetre);
        auto& t = gestionnaire_texture_pkg::obtenir_textures();
        gestionnaire_texture_pkg::initialiser_jeu_textures(t);
        gestionnaire_texture_pkg::initialiser_aide_textures(t);
        for (int i = 0; i < 10; ++i) gestionnaire_texture_pkg::initialiser_planetes_textures(t, 9);
        campagne->initialiser_campagne();
        campagne->definir_nom("vega");
        campagne->obtenir_niveau_courant()->changer_partie_courante(1);
        ecran->initialiser(campagne);
    }
    void TearDown() override {
        objet_3d_pkg::retablir_horloge_systeme();
        fs::current_path(precedent);
    }

    void dessiner(horloge_pkg::duree avance = 0s) {
        horloge.instant += avance;
        ecran->mettre_a_jour(coeur_jeu_pkg::etat::RECHERCHE);
        scene_pkg::afficher_scene(ecran);
    }

    // Identifiants de sélection des tuiles d'une face.
    std::set<std::uint32_t> tuiles_de_la_face(int face) const {
        std::set<std::uint32_t> ids;
        const auto vue = ecran->obtenir_niveau_3d()->obtenir_face(face);
        const int t = static_cast<int>(vue->obtenir_taille_partie());
        for (int x = 1; x <= t; ++x) {
            for (int y = 1; y <= t; ++y) {
                ids.insert(vue->obtenir_la_grille()->obtenir_case_affichable({x, y})->obtenir_identifiant());
            }
        }
        return ids;
    }

    std::uint32_t objet_sous(int x, int y) {
        scene_pkg::afficher_mode_selection(ecran, x, y);
        return scene_pkg::obtenir_identifiant_hit();
    }

    static void capturer(const std::string& nom) {
        const fs::path dossier = TESSALINE_CAPTURES;
        fs::create_directories(dossier);
        EXPECT_TRUE(capture_ecran::enregistrer_image(dossier / (nom + ".png"))) << nom << " : image toute noire";
    }
};

TEST_F(CampagneOpenGL, SeuleLaFaceCouranteRepondALaSourisMemePendantQueLeCubeTourne) {
    dessiner();
    capturer("campagne_niveau_1");
    const std::set<std::uint32_t> face1 = tuiles_de_la_face(1);
    const std::set<std::uint32_t> face2 = tuiles_de_la_face(2);
    // Le cube est à gauche du centre de l'écran : 1,75 unité à 20 de distance, soit une soixantaine de pixels.
    EXPECT_TRUE(face1.contains(objet_sous(340, 300)));

    campagne->obtenir_niveau_courant()->changer_partie_courante(2);
    dessiner();
    // À mi-rotation, la face 1 se voit encore en partie ; elle ne répond plus, la face 2 si.
    dessiner(500ms);
    capturer("campagne_cube_en_rotation");
    int sur_la_face_2 = 0;
    for (int x = 120; x <= 560; x += 40) {
        for (int y = 120; y <= 480; y += 60) {
            const std::uint32_t id = objet_sous(x, y);
            EXPECT_FALSE(face1.contains(id)) << x << "," << y;
            sur_la_face_2 += face2.contains(id) ? 1 : 0;
        }
    }
    EXPECT_GT(sur_la_face_2, 0);

    dessiner(600ms);
    dessiner();
    EXPECT_TRUE(face2.contains(objet_sous(340, 300)));
}

// Le coin haut gauche dit le compte, le niveau et la face ; le panneau droit ne montre les cases qui restent
// qu'en construction, et le zoom se lit sur son bouton.
TEST_F(CampagneOpenGL, LesPanneauxSuiventLaCampagne) {
    campagne->definir_nom("");
    campagne->obtenir_niveau_courant()->changer_partie_courante(3);
    dessiner();
    const auto gauche = ecran->obtenir_element_gauche();
    EXPECT_EQ(gauche->obtenir_nom_session()->obtenir_texte(), "Unknown");
    EXPECT_EQ(gauche->obtenir_texte_niveau()->obtenir_texte(), " 1 -  3");

    const auto droite = ecran->obtenir_element_droite();
    const auto partie = campagne->obtenir_niveau_courant()->obtenir_partie(3);
    const auto depart = partie->obtenir_grille()->obtenir_solution();
    const auto chemin = listes_pkg<grille_pkg::chemin_ptr>::obtenir_debut(depart);
    partie->demarrer_chemin_courant(chemin->obtenir_premiere_case());
    ecran->mettre_a_jour(coeur_jeu_pkg::etat::CONSTRUCTION);
    EXPECT_EQ(droite->obtenir_taille_restante()->obtenir_texte(),
              score_3d_pkg::image_entier(chemin->obtenir_longueur_maximale() - 1));
    EXPECT_EQ(droite->obtenir_bouton_zoom()->obtenir_etiquette()->obtenir_texte(), "+");
}

// Un message se lit par-dessus la grille, laisse la souris atteindre ce qu'il recouvre, puis s'en va de lui-même :
// l'écran demande l'image de ce moment-là.
TEST_F(CampagneOpenGL, UnMessageSeLitPuisSEnVaDeLuiMeme) {
    const auto rouge = [](const pixels_de_test::pixel& p) { return p.r > 200 && p.g < 170 && p.b < 150; };
    const auto rouges_en_bas = [&] { return pixels_de_test::compter(120, 530, 400, 70, rouge); };
    dessiner();
    const int sans_message = rouges_en_bas();
    const std::set<std::uint32_t> face1 = tuiles_de_la_face(1);
    ecran->montrer_message("Sauvegarde illisible : niv1_3.save.xml. Rien ne sera écrit sur ce compte.",
                           bandeau_message_3d::gravite::erreur);
    dessiner();
    capturer("campagne_message");
    EXPECT_GT(rouges_en_bas(), sans_message + 300) << "le message n'est pas lisible";
    EXPECT_EQ(ecran->obtenir_message().obtenir_lignes().size(), 2u) << "trop long pour une ligne";
    EXPECT_TRUE(face1.contains(objet_sous(300, 480))) << "la case sous le message ne répond plus";
    EXPECT_EQ(ecran->delai_prochaine_image(), bandeau_message_3d::duree_affichage);

    dessiner(bandeau_message_3d::duree_affichage);
    EXPECT_FALSE(ecran->obtenir_message().est_montre());
    EXPECT_EQ(rouges_en_bas(), sans_message);
    EXPECT_FALSE(ecran->delai_prochaine_image());
}

TEST_F(CampagneOpenGL, LaPageDAideRemplaceLeCubeQuiNeRepondPlus) {
    dessiner();
    ecran->activer_desactiver_ecran_aide();
    dessiner();
    capturer("campagne_aide");
    const std::set<std::uint32_t> face1 = tuiles_de_la_face(1);
    for (int x = 140; x <= 540; x += 100) EXPECT_FALSE(face1.contains(objet_sous(x, 300)));
}

TEST_F(CampagneOpenGL, CapturesDesPanneauxDeFinEtDUnGrandNiveau) {
    dessiner();
    campagne->obtenir_niveau_courant()->activer_triche();
    dessiner();
    capturer("campagne_fin_niveau_1");
    EXPECT_TRUE(ecran->obtenir_element_droite()->obtenir_spheres()[0]->est_trouve());

    // Le dixième niveau : des faces de 30 × 30, vues de près autour du curseur.
    for (int n = 2; n <= 10; ++n) campagne->avancer_niveau();
    campagne->obtenir_niveau_courant()->changer_partie_courante(1);
    ecran->changer_niveau();
    ecran->mettre_a_jour_planete();
    dessiner();
    capturer("campagne_niveau_10");
    campagne->obtenir_niveau_courant()->obtenir_partie(1)->deplacer_curseur({12, 20});
    ecran->obtenir_niveau_3d()->changer_vue();
    dessiner();
    dessiner();
    capturer("campagne_niveau_10_zoom");
    EXPECT_EQ(ecran->obtenir_element_droite()->obtenir_bouton_zoom()->obtenir_etiquette()->obtenir_texte(), " -");

    campagne->obtenir_niveau_courant()->activer_triche();
    dessiner();
    capturer("campagne_fin_niveau_10");
    campagne->mettre_campagne_finie();
    dessiner();
    capturer("campagne_fin");
}

} // namespace
