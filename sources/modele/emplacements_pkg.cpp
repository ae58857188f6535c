// Répertoires des données sous les deux racines, séparateur "/".
#include "emplacements_pkg.hpp"

namespace emplacements_pkg {

namespace {
std::string racine_livree;
std::string racine_joueur;

std::string avec_separateur(const std::string& racine) {
    return racine.empty() || racine.back() == '/' ? racine : racine + "/";
}
}  // namespace

void definir_racines(const std::string& donnees_livrees, const std::string& donnees_joueur) {
    racine_livree = avec_separateur(donnees_livrees);
    racine_joueur = avec_separateur(donnees_joueur);
}

std::string repertoire_ressources() { return racine_livree; }
std::string repertoire_joueur() { return racine_joueur; }
std::string repertoire_sons() { return repertoire_ressources() + "sons/"; }
std::string repertoire_grilles() { return repertoire_ressources() + "grilles/"; }
std::string repertoire_grilles_personnelles() { return repertoire_joueur() + "grilles_personnelles/"; }
std::string repertoire_campagne() { return repertoire_ressources() + "campagne/"; }
std::string repertoire_grilles_campagne() { return repertoire_campagne() + "grilles/"; }
std::string repertoire_sessions() { return repertoire_joueur() + "sessions/"; }
std::string repertoire_parties_libres() { return repertoire_joueur() + "parties_libres/"; }
std::string obtenir_session_joueur(const std::string& nom) { return repertoire_sessions() + nom + "/"; }
// Les noms de la table des textures commencent par "/" : sans le doubler, le chemin se lit tel quel dans un message.
std::string obtenir_chemin_texture(const std::string& nom) {
    return repertoire_ressources() + "textures/" + (nom.starts_with('/') ? nom.substr(1) : nom);
}
std::string obtenir_chemin_police(const std::string& nom) {
    return repertoire_ressources() + "polices/" + nom + ".ttf";
}

}  // namespace emplacements_pkg
