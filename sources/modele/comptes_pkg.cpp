// Comptes : noms vérifiés avant de toucher au disque, créations et suppressions qui disent leur échec.
#include "comptes_pkg.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "emplacements_pkg.hpp"
#include "texte_utf8_pkg.hpp"

namespace comptes_pkg {

namespace fs = std::filesystem;

bool nom_sur(const std::string& nom) {
    if (!texte_utf8_pkg::est_valide(nom) || nom.empty() || nom.front() == '.') return false;
    if (texte_utf8_pkg::nombre_caracteres(nom) > longueur_max) return false;
    if (std::all_of(nom.begin(), nom.end(), [](char c) { return c == ' ' || c == '\t'; })) return false;
    return std::none_of(nom.begin(), nom.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || u < 0x20 || u == 0x7f;
    });
}

bool compte_existe(const std::string& nom) {
    // « Éléonore » tapée est le compte « e\u0301le\u0301onore » déjà là : comparés composés.
    const auto forme = [](const std::string& n) { return texte_utf8_pkg::minuscules(texte_utf8_pkg::composer(n)); };
    const std::string cherche = forme(nom);
    std::error_code erreur;
    for (fs::directory_iterator e(emplacements_pkg::repertoire_sessions(), erreur), fin; !erreur && e != fin;
         e.increment(erreur)) {
        if (forme(e->path().filename().string()) == cherche) return true;
    }
    return false;
}

void creer_compte(const std::string& nom) {
    if (!nom_sur(nom)) throw ERREUR_NOM_COMPTE_INVALIDE("\"" + nom + "\"");
    const fs::path repertoire = emplacements_pkg::obtenir_session_joueur(nom);
    std::error_code erreur;
    fs::create_directories(repertoire, erreur);
    if (erreur || !fs::is_directory(repertoire)) {
        throw ERREUR_REPERTOIRE_COMPTE("impossible de créer " + repertoire.string() +
                                       (erreur ? " (" + erreur.message() + ")" : ""));
    }
}

void supprimer_compte(const std::string& nom) {
    if (!nom_sur(nom)) throw ERREUR_NOM_COMPTE_INVALIDE("\"" + nom + "\"");
    const fs::path repertoire = emplacements_pkg::repertoire_sessions() + nom;
    std::error_code erreur;
    fs::remove_all(repertoire, erreur);
    if (erreur) {
        throw ERREUR_REPERTOIRE_COMPTE("impossible de supprimer " + repertoire.string() + " (" + erreur.message() +
                                       ")");
    }
}

}  // namespace comptes_pkg
