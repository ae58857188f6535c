// Corps Linux des chemins de données : mêmes répertoires, séparateur "/".
#include "os_fichiers.hpp"

namespace os::fichiers {

std::string repertoire_ressources() { return ""; }
std::string repertoire_sons() { return repertoire_ressources() + "sons/"; }
std::string repertoire_grilles() { return repertoire_ressources() + "grilles/"; }
std::string repertoire_grilles_personnelles() { return repertoire_ressources() + "grilles_personnelles/"; }
std::string repertoire_campagne() { return repertoire_ressources() + "campagne/"; }
std::string repertoire_grilles_campagne() { return repertoire_campagne() + "grilles/"; }
std::string repertoire_sessions() { return "sessions/"; }
std::string repertoire_parties_libres() { return "parties_libres/"; }
std::string obtenir_session_joueur(const std::string& nom) { return repertoire_sessions() + nom + "/"; }
// Les noms de textures commencent déjà par "/" : le double séparateur est sans effet sous Linux.
std::string obtenir_chemin_texture(const std::string& nom) { return "textures/" + nom; }
std::string obtenir_chemin_police(const std::string& nom) { return "polices/" + nom + ".ttf"; }

}  // namespace os::fichiers
