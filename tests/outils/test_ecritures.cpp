// Le compagnon lancé pour de vrai quand ce qu'il écrit ne passe pas : sortie standard pleine, fermée ou limitée en
// taille (ulimit -f), fichier de --sortie qui n'est pas un fichier ordinaire. L'échec est dit sur la sortie
// d'erreur avec un code non nul, aucun temporaire ne reste et aucun nœud n'est remplacé.
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "commande_generer.hpp"
#include "outils_modele.hpp"

using outils_modele::repertoire_temporaire;
namespace fs = std::filesystem;

namespace {

enum class sortie_standard { fichier, disque_plein, fermee, fichier_limite };

struct resultat {
    int code;  // code de sortie, ou moins le numéro du signal qui a arrêté le compagnon
    std::string erreurs;
};

// Taille de fichier permise dans l'enfant pour les pannes d'ulimit -f : moins que tout ce qu'écrit le compagnon.
constexpr rlim_t TAILLE_LIMITE = 16;

// Lance le compagnon dans le répertoire de travail, sa sortie standard mise en panne comme demandé (fichier :
// sortie.txt), sa sortie d'erreur lue par un tube.
resultat lancer(const std::vector<std::string>& arguments, sortie_standard sortie) {
    std::vector<std::string> ligne{ATELIER_TESSALINE};
    ligne.insert(ligne.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : ligne) argv.push_back(a.data());
    argv.push_back(nullptr);
    int tube[2];
    if (::pipe(tube) != 0) return {-1000, "tube impossible"};
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        // Disposition par défaut, comme sous un shell : c'est au compagnon lui-même d'ignorer SIGXFSZ.
        std::signal(SIGXFSZ, SIG_DFL);
        ::dup2(tube[1], STDERR_FILENO);
        ::close(tube[0]);
        ::close(tube[1]);
        if (sortie == sortie_standard::fermee) {
            ::close(STDOUT_FILENO);
        } else {
            const int fd = sortie == sortie_standard::disque_plein ? ::open("/dev/full", O_WRONLY)
                                                                   : ::open("sortie.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0) ::_exit(126);
            ::close(fd);
        }
        if (sortie == sortie_standard::fichier_limite) {
            const rlimit limite{TAILLE_LIMITE, TAILLE_LIMITE};
            if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) ::_exit(126);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(tube[1]);
    resultat r{-1000, ""};
    char morceau[512];
    for (ssize_t n; (n = ::read(tube[0], morceau, sizeof morceau)) != 0;) {
        if (n > 0) r.erreurs.append(morceau, static_cast<std::size_t>(n));
        else if (errno != EINTR) break;
    }
    ::close(tube[0]);
    int etat = 0;
    if (enfant > 0 && ::waitpid(enfant, &etat, 0) == enfant) {
        r.code = WIFEXITED(etat) ? WEXITSTATUS(etat) : -WTERMSIG(etat);
    }
    return r;
}

// Les temporaires d'écriture restés n'importe où sous le répertoire de travail (liens non suivis).
std::vector<std::string> temporaires_restes() {
    std::vector<std::string> restes;
    for (const auto& e : fs::recursive_directory_iterator(".")) {
        if (e.path().extension() == ".tmp") restes.push_back(e.path().string());
    }
    return restes;
}

void ecrire_entrees() {
    repertoire_temporaire::ecrire("grilles/g.xml", outils_modele::grille_essai_4x4);
    repertoire_temporaire::ecrire("d.txt", "3\n###\n#.#\n###\n");
    repertoire_temporaire::ecrire("aleas.txt", "0.4\n0.7\n");
}

const std::vector<std::string> GENERER{"generer", "d.txt", "4", "--aleas", "aleas.txt"};

// La grille que generer écrit pour ces arguments, obtenue sans passer par un processus.
std::string grille_attendue() {
    std::ostringstream sortie, erreurs;
    commande_generer::executer({GENERER.begin() + 1, GENERER.end()}, sortie, erreurs);
    return sortie.str();
}

// --- Sortie standard ---------------------------------------------------------------------------------------

struct commande {
    const char* nom;
    std::vector<std::string> arguments;
};

const commande commandes[] = {
    {"verifier", {"verifier", "grilles/g.xml"}},
    {"generer", GENERER},
    {"resoudre", {"resoudre", "grilles/g.xml"}},
    {"difficulte", {"difficulte", "grilles/g.xml"}},
    // Écrite ligne à ligne au fil des mesures.
    {"tableau", {"difficulte", "--tableau", "grilles"}},
};

struct panne {
    const char* nom;
    sortie_standard sortie;
    int cause;  // errno attendu, 0 pour une sortie qui marche
};

const panne pannes[] = {
    {"sortie_normale", sortie_standard::fichier, 0},
    {"disque_plein", sortie_standard::disque_plein, ENOSPC},
    {"sortie_fermee", sortie_standard::fermee, EBADF},
    {"ulimit_f", sortie_standard::fichier_limite, EFBIG},
};

void PrintTo(const commande& c, std::ostream* flux) { *flux << c.nom; }
void PrintTo(const panne& p, std::ostream* flux) { *flux << p.nom; }

class sortie_en_panne : public ::testing::TestWithParam<std::tuple<commande, panne>> {};

TEST_P(sortie_en_panne, UnMessageEtLeCode5) {
    const auto& [c, p] = GetParam();
    repertoire_temporaire rep;
    ecrire_entrees();
    const resultat r = lancer(c.arguments, p.sortie);
    if (p.cause == 0) {
        EXPECT_EQ(r.code, 0) << r.erreurs;
        EXPECT_EQ(r.erreurs, "");
        EXPECT_GT(fs::file_size("sortie.txt"), TAILLE_LIMITE);  // la panne d'ulimit -f tombe bien en cours d'écriture
    } else {
        EXPECT_EQ(r.code, 5);
        EXPECT_EQ(r.erreurs, std::string("atelier_tessaline : écriture impossible sur la sortie standard (") +
                                 std::strerror(p.cause) + ") : le résultat est perdu\n");
    }
    EXPECT_EQ(temporaires_restes(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Ecritures, sortie_en_panne, ::testing::Combine(::testing::ValuesIn(commandes), ::testing::ValuesIn(pannes)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nom) + "_" + std::get<1>(info.param).nom;
                         });

// Plus que le tampon du compagnon, en plusieurs écritures : tout arrive, dans l'ordre.
TEST(Ecritures, UneLongueSortieArriveEntiere) {
    repertoire_temporaire rep;
    std::string dessin = "30\n";
    for (int i = 0; i < 30; ++i) dessin += std::string(30, '#') + "\n";
    repertoire_temporaire::ecrire("grand.txt", dessin);
    repertoire_temporaire::ecrire("aleas.txt", "0.4\n0.7\n");
    const std::vector<std::string> arguments{"grand.txt", "8", "--aleas", "aleas.txt"};
    std::ostringstream attendue, erreurs;
    ASSERT_EQ(commande_generer::executer(arguments, attendue, erreurs), 0) << erreurs.str();
    ASSERT_GT(attendue.str().size(), 20'000u);
    std::vector<std::string> ligne{"generer"};
    ligne.insert(ligne.end(), arguments.begin(), arguments.end());
    const resultat r = lancer(ligne, sortie_standard::fichier);
    EXPECT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(repertoire_temporaire::lire("sortie.txt"), attendue.str());
}

// --- Fichier de --sortie -----------------------------------------------------------------------------------

struct cible {
    const char* nom;
    std::string chemin;                    // valeur de --sortie
    std::function<bool()> preparer;        // faux : le cas ne peut pas être mis en place ici (sauté)
    sortie_standard sortie;
    int code;
    std::string message;                   // début attendu de la sortie d'erreur
    std::function<void()> verifier_apres;  // ce qui doit être resté tel quel, ou avoir été écrit
};

void PrintTo(const cible& c, std::ostream* flux) { *flux << c.nom; }

bool est_tube(const std::string& chemin) { return fs::is_fifo(fs::symlink_status(chemin)); }

const std::string REFUS = "FICHIER_XML_PKG.ERREUR_ECRITURE_FICHIER : impossible d'écrire ";

const cible cibles[] = {
    {"tube", "sortie.xml", [] { return ::mkfifo("sortie.xml", 0600) == 0; }, sortie_standard::fichier, 5,
     REFUS + "sortie.xml (tube nommé : seul un fichier ordinaire est remplacé)",
     [] { EXPECT_TRUE(est_tube("sortie.xml")); }},
    // Un périphérique privé, comme /dev/full : créé par mknod dans le répertoire du test, jamais celui du système.
    {"peripherique", "full",
     [] { return ::mknod("full", S_IFCHR | 0600, makedev(1, 7)) == 0; }, sortie_standard::fichier, 5,
     REFUS + "full (périphérique : seul un fichier ordinaire est remplacé)",
     [] {
         struct stat s {};
         ASSERT_EQ(::lstat("full", &s), 0);
         EXPECT_TRUE(S_ISCHR(s.st_mode));
         EXPECT_EQ(s.st_rdev, makedev(1, 7));
     }},
    {"repertoire", "dossier", [] { return fs::create_directory("dossier"); }, sortie_standard::fichier, 5,
     REFUS + "dossier (répertoire : seul un fichier ordinaire est remplacé)",
     [] { EXPECT_TRUE(fs::is_directory(fs::symlink_status("dossier"))); }},
    // Lien relatif vers un autre répertoire : le fichier visé est remplacé là-bas, le lien reste.
    {"lien_vers_fichier", "liens/sortie.xml",
     [] {
         repertoire_temporaire::ecrire("cibles/vraie.xml", "ancien");
         fs::create_directory("liens");
         fs::create_symlink("../cibles/vraie.xml", "liens/sortie.xml");
         return true;
     },
     sortie_standard::fichier, 0, "",
     [] {
         EXPECT_EQ(fs::read_symlink("liens/sortie.xml").string(), "../cibles/vraie.xml");
         EXPECT_EQ(repertoire_temporaire::lire("cibles/vraie.xml"), grille_attendue());
     }},
    {"lien_vers_tube", "sortie.xml",
     [] { return ::mkfifo("tube", 0600) == 0 && ::symlink("tube", "sortie.xml") == 0; }, sortie_standard::fichier, 5,
     REFUS + "sortie.xml (lien vers un tube nommé : seul un fichier ordinaire est remplacé)",
     [] {
         EXPECT_EQ(fs::read_symlink("sortie.xml").string(), "tube");
         EXPECT_TRUE(est_tube("tube"));
     }},
    {"lien_sans_cible", "sortie.xml", [] { return ::symlink("absent.xml", "sortie.xml") == 0; }, sortie_standard::fichier,
     5, REFUS + "sortie.xml (lien sans fichier au bout : seul un fichier ordinaire est remplacé)",
     [] {
         EXPECT_EQ(fs::read_symlink("sortie.xml").string(), "absent.xml");
         EXPECT_FALSE(fs::exists("absent.xml"));
     }},
    // ulimit -f : l'écriture du temporaire échoue, l'ancien fichier reste.
    {"ulimit_f", "sortie.xml",
     [] {
         repertoire_temporaire::ecrire("sortie.xml", "ancien");
         return true;
     },
     sortie_standard::fichier_limite, 5, REFUS + "sortie.xml (" + std::strerror(EFBIG) + ")",
     [] { EXPECT_EQ(repertoire_temporaire::lire("sortie.xml"), "ancien"); }},
};

class fichier_de_sortie : public ::testing::TestWithParam<cible> {};

TEST_P(fichier_de_sortie, SeulUnFichierOrdinaireEstRemplace) {
    const cible& c = GetParam();
    repertoire_temporaire rep;
    ecrire_entrees();
    if (!c.preparer()) {
        const int cause = errno;
        if (std::string(c.nom) == "peripherique") {
            GTEST_SKIP() << "mknod d'un périphérique privé refusé (" << std::strerror(cause)
                         << ") : il faut les droits de root (CAP_MKNOD) ; cas sauté";
        }
        FAIL() << "mise en place impossible : " << std::strerror(cause);
    }
    std::vector<std::string> arguments = GENERER;
    arguments.insert(arguments.end(), {"--sortie", c.chemin});
    const resultat r = lancer(arguments, c.sortie);
    EXPECT_EQ(r.code, c.code) << r.erreurs;
    EXPECT_EQ(r.erreurs.substr(0, c.message.size()), c.message) << r.erreurs;
    EXPECT_EQ(r.erreurs.find('\n'), r.erreurs.empty() ? std::string::npos : r.erreurs.size() - 1) << "une seule ligne";
    c.verifier_apres();
    EXPECT_EQ(temporaires_restes(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Ecritures, fichier_de_sortie, ::testing::ValuesIn(cibles),
                         [](const auto& info) { return std::string(info.param.nom); });

}  // namespace
