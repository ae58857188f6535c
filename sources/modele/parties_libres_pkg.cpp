// Fichiers de progression du jeu libre.
#include "parties_libres_pkg.hpp"

#include <filesystem>

#include "erreur_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "grille_libre_pkg.hpp"

namespace parties_libres_pkg {

std::string chemin_progression(const std::string& repertoire_grille, const std::string& nom_fichier) {
    const bool personnelle = repertoire_grille == emplacements_pkg::repertoire_grilles_personnelles();
    return emplacements_pkg::repertoire_parties_libres() + (personnelle ? "personnelle_" : "livree_") + nom_fichier;
}

avancement avancement_de(const std::string& repertoire_grille, const std::string& nom_fichier) {
    const std::string chemin = chemin_progression(repertoire_grille, nom_fichier);
    std::error_code erreur;
    if (!std::filesystem::exists(chemin, erreur)) return avancement::aucun;
    try {
        grille_libre_pkg::grille_libre partie;
        partie.initialiser(repertoire_grille, nom_fichier);
        partie.reprendre_progression(chemin);
        return partie.est_valide() ? avancement::resolue : avancement::en_cours;
    } catch (const erreur_pkg::erreur&) {
        return avancement::aucun;
    }
}

void nettoyer_temporaires() { fichier_xml_pkg::nettoyer_temporaires(emplacements_pkg::repertoire_parties_libres()); }

std::string etiquette(const std::string& nom_fichier, avancement a) {
    switch (a) {
    case avancement::en_cours: return nom_fichier + " (en cours)";
    case avancement::resolue: return nom_fichier + " (résolue)";
    case avancement::aucun: break;
    }
    return nom_fichier;
}

}  // namespace parties_libres_pkg
