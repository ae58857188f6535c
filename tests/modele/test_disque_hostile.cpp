// Disque hostile au moment d'une sauvegarde : disque plein, répertoire en lecture seule, fichier à la place du
// répertoire. La sauvegarde échoue par une erreur déclarée, et rien de ce qui était sur le disque ne change.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "campagne_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "outils_modele.hpp"

using outils_modele::repertoire_temporaire;

namespace {

namespace fs = std::filesystem;

enum class panne { disque_plein, lecture_seule, fichier_a_la_place };

struct cas {
    const char* nom;
    panne p;
    bool campagne;  // sinon, une grille personnelle de l'éditeur
};

void PrintTo(const cas& c, std::ostream* flux) { *flux << c.nom; }

// Tout ce qui est sous le chemin (fichiers cachés compris), nom par nom, ou le contenu du fichier qui le remplace.
std::map<std::string, std::string> photo(const fs::path& chemin) {
    std::map<std::string, std::string> contenu;
    if (fs::is_regular_file(chemin)) {
        contenu[chemin.string()] = repertoire_temporaire::lire(chemin.string());
        return contenu;
    }
    for (const auto& e : fs::directory_iterator(chemin)) {
        contenu[e.path().string()] = repertoire_temporaire::lire(e.path().string());
    }
    return contenu;
}

// Met la panne en place dans l'enfant, qui ne reviendra pas en arrière. Root ignore les droits : on les abandonne
// pour ceux de nobody, à qui le répertoire de travail reste ouvert en lecture.
void provoquer(panne p, const fs::path& repertoire) {
    if (p == panne::disque_plein) {
        const rlimit limite{64, 64};
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) ::_exit(3);
    } else if (p == panne::lecture_seule) {
        if (::chmod(repertoire.c_str(), 0555) != 0) ::_exit(3);
        if (::geteuid() == 0 && (::chmod(".", 0755) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    }
}

class disque_hostile : public ::testing::TestWithParam<cas> {
protected:
    void SetUp() override {
        outils_modele::ecrire_grilles_campagne();
        campagne_.initialiser_campagne();
        campagne_.definir_nom("alice");
        campagne_.sauvegarder_campagne();
        repertoire_temporaire::ecrire("grilles/essai.xml", outils_modele::grille_essai_4x4);
        grille_.initialiser("grilles/", "essai.xml");
        grille_.sauvegarder_grille_libre("essai");
        // La sauvegarde qui va échouer aurait changé quelque chose : une face résolue, une autre grille.
        partie_pkg::partie& p = *campagne_.obtenir_niveau_courant()->obtenir_partie(1);
        p.demarrer_chemin_courant(p.obtenir_grille()->rend_case({1, 1}));
        p.obtenir_chemin_courant()->avancer(grille_pkg::direction::haut);
        p.valider_chemin_courant();
        grille_.initialiser(3, "autre");
    }
    campagne_pkg::campagne campagne_;
    grille_libre_pkg::grille_libre grille_;
    repertoire_temporaire rep_;
};

TEST_P(disque_hostile, LaSauvegardeEchoueEtLAncienResteEntier) {
    const cas c = GetParam();
    const fs::path repertoire = c.campagne ? fs::path("sessions/alice") : fs::path("grilles_personnelles");
    if (c.p == panne::fichier_a_la_place) {
        fs::remove_all(repertoire);
        repertoire_temporaire::ecrire(repertoire.string(), "à garder");
    }
    const auto avant = photo(repertoire);

    // Dans un enfant : une limite de taille ou des droits abandonnés ne se reprennent pas.
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        provoquer(c.p, repertoire);
        try {
            if (c.campagne) {
                campagne_.sauvegarder_campagne();
            } else {
                grille_.sauvegarder_grille_libre("essai");
            }
        } catch (const fichier_xml_pkg::ERREUR_ECRITURE_FICHIER&) {
            ::_exit(0);
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(1);
    }
    int etat = 0;
    ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
    if (c.p == panne::lecture_seule) fs::permissions(repertoire, fs::perms::owner_all, fs::perm_options::add);
    ASSERT_TRUE(WIFEXITED(etat)) << "arrêté par le signal " << WTERMSIG(etat);
    EXPECT_EQ(WEXITSTATUS(etat), 0) << "1 : rien n'est levé ; 2 : une autre erreur ; 3 : panne non provoquée";
    EXPECT_EQ(photo(repertoire), avant);
}

const cas pannes[] = {
    {"campagne_disque_plein", panne::disque_plein, true},
    {"campagne_lecture_seule", panne::lecture_seule, true},
    {"campagne_fichier_a_la_place", panne::fichier_a_la_place, true},
    {"grille_disque_plein", panne::disque_plein, false},
    {"grille_lecture_seule", panne::lecture_seule, false},
    {"grille_fichier_a_la_place", panne::fichier_a_la_place, false},
};
INSTANTIATE_TEST_SUITE_P(Pannes, disque_hostile, ::testing::ValuesIn(pannes),
                         [](const auto& info) { return std::string(info.param.nom); });

// Le répertoire des grilles personnelles effacé pendant la partie est refait à la sauvegarde suivante.
TEST(DisqueHostile, LeRepertoireDesGrillesPersonnellesEffaceEstRefait) {
    repertoire_temporaire rep;
    repertoire_temporaire::ecrire("grilles/essai.xml", outils_modele::grille_essai_4x4);
    grille_libre_pkg::grille_libre g;
    g.initialiser("grilles/", "essai.xml");
    ASSERT_FALSE(fs::exists(emplacements_pkg::repertoire_grilles_personnelles()));
    g.sauvegarder_grille_libre("ma grille");
    EXPECT_TRUE(fs::is_regular_file(emplacements_pkg::repertoire_grilles_personnelles() + "magrille.xml"));
}

}  // namespace
