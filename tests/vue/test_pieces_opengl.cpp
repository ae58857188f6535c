// Pièces d'interface dans une vraie fenêtre : textures à leur place, étiquettes, planète, sélection à la souris.
#include "bouton_dock_3d.hpp"
#include "bouton_rond_3d.hpp"
#include "donnees_temporaires.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "chaine_recepteurs_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "pieces_de_test.hpp"
#include "pixels_de_test.hpp"
#include "racine_de_scene.hpp"
#include "recepteur_souris_pkg.hpp"
#include "scene_pkg.hpp"
#include "sphere_3d.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace pixels_de_test;
using pieces_de_test::colonne;
using pieces_de_test::ligne;

// Une couleur franche par texture ; "dock" a sa moitié basse en jaune pour vérifier le sens de l'image.
const std::map<std::string, pixel> couleurs_fixture{
    {"barre", rouge},           {"triangle", vert},           {"dock", rouge},         {"dock_bas", jaune},
    {"panneau_droite", bleu},   {"fond_score", vert},         {"fond_etoile", bleu},   {"inconnu", magenta},
    {"pluton", jaune},          {"bouton_rond", bleu},        {"bouton_rond_actif", vert},
    {"bouton_dock", bleu},      {"bouton_dock_actif", vert},  {"rond_rouge", rouge},   {"rond_vert", vert},
    {"bouton_cockpit", bleu},   {"bouton_cockpit_actif", vert}, {"fleche", bleu},      {"fleche_actif", vert},
    {"bouton_ancien", cyan},    {"", noir},
};

pixel couleur_attendue(const std::string& texture) {
    const auto trouve = couleurs_fixture.find(texture);
    return trouve == couleurs_fixture.end() ? gris : trouve->second;
}


struct PiecesOpenGL : testing::Test {
    // Créée d'abord : la fenêtre charge les textures de base depuis ce répertoire de travail.
    donnees_temporaires::racine_donnees donnees;
    bool police = donnees.copier_police_systeme();
    file_evenements_sdl_pkg::file_evenements_sdl file_fenetre;
    fenetre_sdl_pkg::fenetre_sdl fenetre{file_fenetre};
    file_evenements_pkg::file_memoire evenements;
    std::shared_ptr<racine_de_scene::racine> scene = std::make_shared<racine_de_scene::racine>();
    sphere_3d::quadrique quadrique;

    void SetUp() override {
        for (const auto& d : gestionnaire_texture_pkg::table_textures()) {
            if (d.fichier.empty()) {
                continue;
            }
            const std::string nom(d.nom);
            const pixel haut = couleur_attendue(nom);
            const pixel bas = nom == "dock" ? couleur_attendue("dock_bas") : haut;
            donnees.ecrire_texture(std::string(d.fichier), 8, 8, d.alpha,
                                   [&](int, int y) { return y < 4 ? haut : bas; });
        }
        scene_pkg::initialiser_fenetre(fenetre);
        auto& t = gestionnaire_texture_pkg::obtenir_textures();
        gestionnaire_texture_pkg::initialiser_jeu_textures(t);
        gestionnaire_texture_pkg::initialiser_planetes_textures(t, 0);
        quadrique = sphere_3d::creer_quadrique();
    }

    // Dessine une image et lit le tampon qui vient d'être présenté.
    void dessiner() {
        scene_pkg::afficher_scene(scene);
        glReadBuffer(GL_BACK);
    }

    pixel lire(int x, int y) const {
        std::array<GLubyte, 4> p{};
        glReadPixels(x, scene_pkg::obtenir_hauteur() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        return {p[0], p[1], p[2], p[3]};
    }

    pixel lire_scene(float x, float y) const { return lire(colonne(x), ligne(y)); }

    // Pixels d'un carré de la fenêtre qui satisfont le critère.
    template <typename critere>
    int compter(int x0, int y0, int x1, int y1, critere c) const {
        int n = 0;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                n += c(lire(x, y)) ? 1 : 0;
            }
        }
        return n;
    }

    evenement_pkg::evenement souris(std::uint8_t type, float x, float y) const {
        evenement_pkg::evenement e;
        e.type = type;
        e.bouton = evenement_pkg::boutons::GAUCHE;
        e.x = static_cast<std::uint16_t>(colonne(x));
        e.y = static_cast<std::uint16_t>(ligne(y));
        return e;
    }

    std::vector<std::string> evenements_envoyes() {
        std::vector<std::string> noms;
        while (auto e = evenements.scruter()) {
            noms.push_back(evenement_pkg::nom_de(*e));
        }
        return noms;
    }
};

TEST_F(PiecesOpenGL, ChaquePieceMontreSesTexturesASaPlaceEtRienAutour) {
    for (const auto& piece : pieces_de_test::toutes_les_pieces(quadrique)) {
        scene->ajouter_sous_objet(piece.objet);
        dessiner();
        for (const auto& e : piece.echantillons) {
            EXPECT_TRUE(ressemble(lire_scene(e.x, e.y), couleur_attendue(e.texture)))
                << piece.nom << " en (" << e.x << ", " << e.y << ") : lu " << texte(lire_scene(e.x, e.y)) << ", attendu \""
                << e.texture << "\"";
        }
        scene->supprimer_sous_objet(piece.objet);
    }
}

TEST_F(PiecesOpenGL, UnePlaneteInconnueMontreInconnuPuisSaTextureUneFoisTrouvee) {
    auto planete = std::make_shared<sphere_3d::sphere_3d_affichable>();
    planete->initialiser(quadrique, "pluton");
    planete->positionner_objet3d({0.0f, 0.0f, pieces_de_test::profondeur});
    scene->ajouter_sous_objet(planete);
    dessiner();
    EXPECT_TRUE(ressemble(lire_scene(0.0f, 0.0f), magenta)) << texte(lire_scene(0.0f, 0.0f));
    planete->mettre_trouve();
    dessiner();
    EXPECT_TRUE(ressemble(lire_scene(0.0f, 0.0f), jaune)) << texte(lire_scene(0.0f, 0.0f));
}

TEST_F(PiecesOpenGL, LEtiquetteDuBoutonRondPasseDuNoirAuRougeSousLePointeur) {
    if (!police) {
        GTEST_SKIP() << "aucune police TrueType sur la machine";
    }
    auto bouton = std::make_shared<bouton_rond_3d::bouton_rond_3d_affichable>();
    bouton->initialiser("OK", "ok");
    bouton->definir_echelle(2.0f);
    bouton->positionner_objet3d({0.0f, 0.0f, pieces_de_test::profondeur});
    scene->ajouter_sous_objet(bouton);
    const int x0 = colonne(-0.9f), x1 = colonne(0.9f), y0 = ligne(0.9f), y1 = ligne(-0.9f);
    auto rougeatre = [](const pixel& p) { return p.r > 100 && p.g < 60 && p.b < 80; };
    auto sombre = [](const pixel& p) { return p.r < 40 && p.g < 40 && p.b < 40; };

    dessiner();
    EXPECT_GT(compter(x0, y0, x1, y1, sombre), 200);  // lettres noires sur le bleu
    EXPECT_EQ(compter(x0, y0, x1, y1, rougeatre), 0);
    bouton->sourisentre({});
    dessiner();
    EXPECT_GT(compter(x0, y0, x1, y1, rougeatre), 200);
}

TEST_F(PiecesOpenGL, LaSourisTrouveLesBoutonsEtSeulLeRelachementSurLeBoutonEnvoieSonEvenement) {
    auto rond = std::make_shared<bouton_rond_3d::bouton_rond_3d_affichable>();
    rond->initialiser("OK", "valider");
    rond->positionner_objet3d({-1.0f, 0.0f, pieces_de_test::profondeur});
    auto dock = std::make_shared<bouton_dock_3d::bouton_dock_3d_affichable>();
    dock->initialiser("Aide", "aide");
    dock->positionner_objet3d({1.2f, 0.0f, pieces_de_test::profondeur});
    scene->ajouter_sous_objet(rond);
    scene->ajouter_sous_objet(dock);
    recepteur_souris_pkg::recepteur_souris recepteur(evenements, recepteur_souris_pkg::selection_scene());
    recepteur.definir_objet_racine(scene);
    chaine_recepteurs_pkg::chaine_recepteurs chaine;
    chaine.empiler(&recepteur);
    auto envoyer = [&](std::uint8_t type, float x, float y) {
        dessiner();  // une image entre deux événements : une nouvelle passe de sélection
        auto e = souris(type, x, y);
        chaine.traiter(e);
    };

    // L'étiquette, dessinée dans le bouton, renvoie au bouton.
    dessiner();
    scene_pkg::afficher_mode_selection(scene, colonne(-1.0f), ligne(0.0f));
    EXPECT_EQ(scene_pkg::obtenir_identifiant_hit(), rond->obtenir_identifiant());

    envoyer(evenement_pkg::SOURIS_BOUGE, -1.0f, 0.2f);
    envoyer(evenement_pkg::SOURIS_APPUIE, -1.0f, 0.2f);
    dessiner();
    EXPECT_TRUE(ressemble(lire_scene(-1.45f, -0.46f), vert));  // bouton_rond_actif
    envoyer(evenement_pkg::SOURIS_RELACHE, -1.0f, 0.2f);
    EXPECT_EQ(evenements_envoyes(), std::vector<std::string>{"valider"});

    // Appui sur le dock, le pointeur sort, relâché dans le vide : la plaque remonte, rien n'est envoyé.
    envoyer(evenement_pkg::SOURIS_BOUGE, 0.5f, 0.0f);
    dessiner();
    EXPECT_TRUE(ressemble(lire_scene(2.0f, 0.0f), vert)) << "voyant vert sous le pointeur";
    envoyer(evenement_pkg::SOURIS_APPUIE, 0.5f, 0.0f);
    dessiner();
    EXPECT_TRUE(ressemble(lire_scene(0.3f, 0.0f), vert)) << "bouton_dock_actif tant qu'il est tenu";
    envoyer(evenement_pkg::SOURIS_BOUGE, 0.0f, 1.5f);
    envoyer(evenement_pkg::SOURIS_RELACHE, 0.0f, 1.5f);
    dessiner();
    EXPECT_TRUE(ressemble(lire_scene(0.3f, 0.0f), bleu));
    EXPECT_TRUE(ressemble(lire_scene(2.0f, 0.0f), rouge));
    EXPECT_TRUE(evenements_envoyes().empty());
}

} // namespace
