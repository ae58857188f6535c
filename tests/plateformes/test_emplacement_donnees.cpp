// Emplacement des données : jeu installé ou lancé depuis sa construction, dossier du joueur, répertoires recréés.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <stdlib.h>

#include "emplacement_donnees_pkg.hpp"
#include "emplacements_pkg.hpp"

namespace {

namespace fs = std::filesystem;
using namespace emplacement_donnees_pkg;

// Répertoire jetable, effacé à la fin du test.
struct repertoire_jetable {
    repertoire_jetable() {
        std::string modele = (fs::temp_directory_path() / "emplacement-XXXXXX").string();
        chemin = ::mkdtemp(modele.data());
    }
    ~repertoire_jetable() {
        emplacements_pkg::definir_racines("", "");
        fs::remove_all(chemin);
    }
    fs::path chemin;
};

TEST(EmplacementDonnees, LeJeuInstalleTrouveSesDonneesAPartirDeSonExecutable) {
    repertoire_jetable r;
    fs::create_directories(r.chemin / "prefixe/bin");
    fs::create_directories(r.chemin / "construction");
    // Depuis la construction, rien à côté : le répertoire de travail reste la racine, comme avant.
    EXPECT_EQ(donnees_installees(r.chemin / "construction/novelia_tessaline"), fs::path());
    EXPECT_EQ(donnees_installees(r.chemin / "prefixe/bin/novelia-tessaline"), fs::path());
    fs::create_directories(r.chemin / "prefixe/share/novelia-tessaline");
    EXPECT_EQ(donnees_installees(r.chemin / "prefixe/bin/novelia-tessaline"),
              fs::canonical(r.chemin / "prefixe/share/novelia-tessaline"));
}

TEST(EmplacementDonnees, DossierDuJoueurSelonXdgEtLaMaison) {
    struct cas {
        const char* xdg;
        const char* maison;
        const char* attendu;
    };
    const cas table[] = {
        {"/donnees", "/maison", "/donnees/novelia-tessaline"},
        {nullptr, "/maison", "/maison/.local/share/novelia-tessaline"},
        {"", "/maison", "/maison/.local/share/novelia-tessaline"},
        {"relatif/donnees", "/maison", "/maison/.local/share/novelia-tessaline"},  // invalide : ignoré
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const cas& c : table) {
        SCOPED_TRACE(std::string(c.xdg ? c.xdg : "(absent)") + " / " + (c.maison ? c.maison : "(absent)"));
        EXPECT_EQ(dossier_joueur(c.xdg, c.maison), fs::path(c.attendu));
    }
}

// Au premier démarrage les deux répertoires sont créés et annoncés ; ensuite rien n'est dit. Un fichier à la
// place d'un répertoire est signalé et laissé tel quel ; un dossier impossible à créer aussi.
TEST(EmplacementDonnees, LesRepertoiresDuJoueurSontCreesOuSignales) {
    repertoire_jetable r;
    const fs::path joueur = r.chemin / "xdg/novelia-tessaline";
    emplacements_pkg::definir_racines("", joueur.string());
    std::ostringstream premier;
    preparer_dossier_joueur(premier);
    EXPECT_TRUE(fs::is_directory(joueur / "sessions"));
    EXPECT_TRUE(fs::is_directory(joueur / "grilles_personnelles"));
    EXPECT_TRUE(fs::is_directory(joueur / "parties_libres"));
    EXPECT_NE(premier.str().find("Répertoire créé : " + (joueur / "sessions/").string()), std::string::npos)
        << premier.str();
    std::ostringstream second;
    preparer_dossier_joueur(second);
    EXPECT_EQ(second.str(), "");

    fs::remove(joueur / "sessions");
    std::ofstream(joueur / "sessions") << "à garder";
    std::ostringstream remplace;
    preparer_dossier_joueur(remplace);
    EXPECT_NE(remplace.str().find("sessions/ n'est pas un répertoire"), std::string::npos) << remplace.str();
    std::ifstream lu(joueur / "sessions");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(lu), {}), "à garder");

    emplacements_pkg::definir_racines("", (joueur / "sessions/sous").string());
    std::ostringstream impossible;
    preparer_dossier_joueur(impossible);
    EXPECT_NE(impossible.str().find("Impossible de créer"), std::string::npos) << impossible.str();
    EXPECT_NE(impossible.str().find("les comptes ne pourront pas être enregistrés"), std::string::npos);
}

}  // namespace
