// Données livrées à côté de l'exécutable installé, fichiers du joueur dans son dossier de données XDG.
#include "emplacement_donnees_pkg.hpp"

#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

#include "emplacements_pkg.hpp"

// Chemin des données livrées depuis le dossier de l'exécutable installé, fixé par la construction.
#ifndef TESSALINE_DONNEES_DEPUIS_BIN
#define TESSALINE_DONNEES_DEPUIS_BIN "../share/novelia-tessaline"
#endif

namespace emplacement_donnees_pkg {

namespace fs = std::filesystem;

fs::path donnees_installees(const fs::path& executable) {
    std::error_code erreur;
    const fs::path donnees = fs::weakly_canonical(executable.parent_path() / TESSALINE_DONNEES_DEPUIS_BIN, erreur);
    if (erreur || !fs::is_directory(donnees, erreur)) return {};
    return donnees;
}

fs::path dossier_joueur(const char* xdg_data_home, const char* maison) {
    if (xdg_data_home != nullptr && fs::path(xdg_data_home).is_absolute()) {
        return fs::path(xdg_data_home) / nom_dossier;
    }
    if (maison == nullptr || *maison == '\0') return {};
    return fs::path(maison) / ".local" / "share" / nom_dossier;
}

namespace {

void preparer(const std::string& repertoire, const char* perte, std::ostream& messages) {
    std::error_code erreur;
    if (fs::is_directory(repertoire, erreur)) return;
    // Sans le "/" final, pour voir un fichier ou un lien mort à la place du répertoire.
    const fs::path chemin = fs::path(repertoire).parent_path();
    const fs::file_type present = fs::symlink_status(chemin, erreur).type();
    if (!erreur && present != fs::file_type::not_found) {
        // Ce qui est à sa place n'est jamais effacé : c'est peut-être au joueur.
        messages << repertoire << " n'est pas un répertoire : " << perte << std::endl;
        return;
    }
    fs::create_directories(chemin, erreur);
    if (erreur) {
        messages << "Impossible de créer " << repertoire << " (" << erreur.message() << ") : " << perte << std::endl;
    } else {
        messages << "Répertoire créé : " << repertoire << std::endl;
    }
}

// Maison du joueur : $HOME, sinon celle du compte du système.
const char* maison() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    const passwd* compte = ::getpwuid(::getuid());
    return compte != nullptr ? compte->pw_dir : nullptr;
}

}  // namespace

void preparer_dossier_joueur(std::ostream& messages) {
    preparer(emplacements_pkg::repertoire_sessions(), "les comptes ne pourront pas être enregistrés", messages);
    preparer(emplacements_pkg::repertoire_grilles_personnelles(),
             "les grilles de l'éditeur ne pourront pas être enregistrées", messages);
    preparer(emplacements_pkg::repertoire_parties_libres(),
             "les grilles du jeu libre laissées en cours ne pourront pas être reprises", messages);
}

void choisir_racines(std::ostream& messages) {
    std::error_code erreur;
    const fs::path executable = fs::read_symlink("/proc/self/exe", erreur);
    const fs::path installees = erreur ? fs::path() : donnees_installees(executable);
    if (!installees.empty()) {
        const fs::path joueur = dossier_joueur(std::getenv("XDG_DATA_HOME"), maison());
        if (joueur.empty()) {
            messages << "Ni XDG_DATA_HOME ni dossier personnel : les fichiers du joueur iront dans le répertoire "
                        "de travail"
                     << std::endl;
        }
        emplacements_pkg::definir_racines(installees.string(), joueur.string());
    }
    preparer_dossier_joueur(messages);
}

}  // namespace emplacement_donnees_pkg
