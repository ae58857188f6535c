// Fuzzing des chargeurs de fichiers : tout contenu doit finir chargé ou refusé par une erreur déclarée,
// et un fichier accepté doit se réécrire à l'identique après deux allers-retours.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "erreur_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "grille_pkg.hpp"
#include "partie_pkg.hpp"

namespace {

const std::string& repertoire() {
    static const std::string rep = [] {
        std::string modele = (std::filesystem::temp_directory_path() / "tessaline-fuzz-XXXXXX").string();
        return std::string(mkdtemp(modele.data())) + "/";
    }();
    return rep;
}

std::string lire(const std::string& nom) {
    std::ifstream flux(repertoire() + nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

// Chaque chargement inverse l'ordre des chemins : la troisième écriture doit égaler la première.
template <typename charger, typename sauver>
void verifier_aller_retour(charger&& ch, sauver&& sv) {
    sv("a.xml");
    ch("a.xml");
    sv("b.xml");
    ch("b.xml");
    sv("c.xml");
    if (lire("a.xml") != lire("c.xml")) std::abort();
}

void essayer_grille_seule() {
    grille_pkg::grille_ptr g;
    grille_pkg::charger(g, "entree.xml", repertoire());
    verifier_aller_retour([&](const char* nom) { grille_pkg::charger(g, nom, repertoire()); },
                          [&](const char* nom) {
                              g->nommer_grille("g");
                              g->sauvegarder(nom, repertoire());
                          });
}

void essayer_partie_campagne() {
    partie_pkg::partie p;
    p.charger_partie_campagne(repertoire(), "entree.xml");
    verifier_aller_retour([&](const char* nom) { p.charger_partie_campagne(repertoire(), nom); },
                          [&](const char* nom) {
                              p.obtenir_grille()->nommer_grille("g");
                              p.sauvegarder_partie_campagne(repertoire(), nom);
                          });
}

// Le chargeur libre rend une grille dont aucune case n'est occupée.
void essayer_grille_libre() {
    grille_libre_pkg::grille_libre g;
    g.initialiser(repertoire(), "entree.xml");
    const auto grille = g.obtenir_grille();
    for (int x = 1; x <= grille->taille(); ++x) {
        for (int y = 1; y <= grille->taille(); ++y) {
            if (grille->rend_case({x, y})->est_occupe()) std::abort();
        }
    }
}

template <typename F>
void sans_erreur_non_declaree(F&& f) {
    try {
        f();
    } catch (const erreur_pkg::erreur&) {
        // refus attendu d'un fichier malformé
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    {
        std::ofstream flux(repertoire() + "entree.xml", std::ios::binary | std::ios::trunc);
        flux.write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
    }
    sans_erreur_non_declaree(essayer_grille_seule);
    sans_erreur_non_declaree(essayer_partie_campagne);
    sans_erreur_non_declaree(essayer_grille_libre);
    return 0;
}
