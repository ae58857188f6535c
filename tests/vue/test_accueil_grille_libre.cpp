// Accueil des grilles libres : ses entrées dans l'ordre de dessin, la ligne du clavier qui suit la souris.
#include "accueil_grille_libre_3d_pkg.hpp"
#include "evenements_de_test.hpp"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(AccueilGrilleLibre, LesLignesSontLesEntreesDeHautEnBasEtLaSourisDeplaceLaLigne) {
    evenements_de_test::repertoire_jetable rep;
    rep.creer("grilles");
    rep.creer("grilles_personnelles");
    const std::filesystem::path precedent = std::filesystem::current_path();
    std::filesystem::current_path(rep.chemin());

    auto accueil = std::make_shared<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable>();
    accueil->initialiser();
    // Le titre est dessiné d'abord, puis les entrées de haut en bas.
    const auto titre = std::dynamic_pointer_cast<objet_texte_pkg::texte_affichable>(accueil->obtenir_nieme_objets(1));
    EXPECT_EQ(titre ? titre->obtenir_texte() : "", "Choississez une action : ");
    const std::array<std::string, 4> libelles = {"Charger grilles prédéfinies", "Charger grilles personnelles",
                                                 "Supprimer grilles personnelles", "Revenir au menu"};
    for (int ligne = 1; ligne <= 4; ++ligne) {
        const auto entree = accueil->entrees().obtenir_entree(ligne);
        EXPECT_EQ(accueil->obtenir_nieme_objets(ligne + 1), entree) << ligne;
        EXPECT_EQ(entree->obtenir_texte()->obtenir_texte(), libelles[static_cast<std::size_t>(ligne - 1)]);
    }

    // La souris sur « Supprimer grilles personnelles » : à l'image suivante, c'est la ligne du clavier.
    accueil->entrees().obtenir_entree(3)->sourisentre({});
    accueil->mettre_a_jour();
    EXPECT_EQ(accueil->obtenir_ligne_courante(), 3);
    for (int ligne = 1; ligne <= 4; ++ligne) {
        EXPECT_EQ(accueil->entrees().obtenir_entree(ligne)->est_surbrillant(), ligne == 3) << ligne;
    }
    std::filesystem::current_path(precedent);
}

// Un jeu tué pendant l'écriture d'une progression laisse son temporaire dans parties_libres/ : la liste des grilles,
// qui lit ce dossier, l'efface comme les autres dossiers effacent les leurs ; la progression elle-même reste.
TEST(AccueilGrilleLibre, LaListeEffaceLesTemporairesDUnJeuArreteDansLesProgressions) {
    evenements_de_test::repertoire_jetable rep;
    rep.creer("grilles");
    rep.creer("grilles_personnelles");
    rep.creer("parties_libres");
    const std::filesystem::path precedent = std::filesystem::current_path();
    std::filesystem::current_path(rep.chemin());
    const pid_t mort = fork();
    if (mort == 0) _exit(0);
    waitpid(mort, nullptr, 0);
    const std::string abandonne = "parties_libres/.livree_lune.xml." + std::to_string(mort) + ".0.tmp";
    for (const std::string& nom : {abandonne, std::string("parties_libres/livree_lune.xml")}) {
        std::ofstream(nom) << "<partie";
    }

    auto accueil = std::make_shared<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable>();
    accueil->initialiser();
    EXPECT_FALSE(std::filesystem::exists(abandonne));
    EXPECT_TRUE(std::filesystem::exists("parties_libres/livree_lune.xml"));
    std::filesystem::current_path(precedent);
}

} // namespace
