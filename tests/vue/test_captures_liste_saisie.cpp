// Captures de la liste déroulante, de la saisie et de l'écran des comptes avec les vraies images du jeu.
#include "capture_ecran.hpp"
#include "evenements_de_test.hpp"
#include "fenetre_sdl_pkg.hpp"
#include "file_evenements_sdl_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "racine_de_scene.hpp"
#include "session_3d_pkg.hpp"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(CapturesListeSaisie, ListeSaisieEtEcranDesComptes) {
    const fs::path donnees = TESSALINE_DONNEES;
    if (!fs::exists(donnees / "textures")) {
        GTEST_SKIP() << "pas encore d'images dans " << donnees / "textures";
    }
    const fs::path captures = TESSALINE_CAPTURES;
    fs::create_directories(captures);
    evenements_de_test::repertoire_jetable comptes;
    for (const char* n : {"alice", "bob", "carole", "david", "emilie"}) {
        comptes.creer(n);
    }
    const fs::path precedent = fs::current_path();
    fs::current_path(donnees);
    {
        file_evenements_sdl_pkg::file_evenements_sdl file;
        fenetre_sdl_pkg::fenetre_sdl fenetre{file};
        scene_pkg::initialiser_fenetre(fenetre);
        gestionnaire_texture_pkg::initialiser_jeu_textures(gestionnaire_texture_pkg::obtenir_textures());
        auto scene = std::make_shared<racine_de_scene::racine>();
        auto capturer = [&](const objet_3d_pkg::classe_objet_affichable& objet, const std::string& nom) {
            scene->ajouter_sous_objet(objet);
            scene_pkg::afficher_scene(scene);
            EXPECT_TRUE(capture_ecran::enregistrer_image(captures / (nom + ".png"))) << nom << " : image toute noire";
            scene->supprimer_sous_objet(objet);
        };

        auto liste = std::make_shared<liste_deroulante_3d_pkg::liste_affichable>();
        liste->initialiser(comptes.nom());
        liste->changer_cour(2);
        liste->mettre_a_jour();
        capturer(liste, "liste_deroulante");

        auto champ = std::make_shared<ecriture_3d_pkg::ecriture_affichable>();
        champ->initialiser();
        champ->reset_texte();
        for (const char* c : {"A", "l", "i", "c", "é"}) {
            champ->mettre_a_jour(c);
        }
        champ->positionner_objet3d({-2.0f, -1.5f, -10.0f});
        capturer(champ, "saisie_texte");

        auto ecran = std::make_shared<session_3d_pkg::session_affichable>();
        ecran->initialiser();
        capturer(ecran, "ecran_comptes");
        // Nom refusé : la saisie sous son invite, avec la ligne d'erreur.
        ecran->changer_etat(session_3d_pkg::etat_session::NOUVEAU);
        ecran->modifier_mess_erreur(true);
        capturer(ecran, "ecran_comptes_nouveau");
    }
    fs::current_path(precedent);
}

} // namespace
