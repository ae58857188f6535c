// Où sont les fichiers du jeu : deux racines (données livrées, fichiers du joueur) et les répertoires sous elles.
#pragma once

#include <string>

namespace emplacements_pkg {

// Deux racines : les données livrées (lecture seule : images, police, sons, grilles, campagne) et les fichiers
// du joueur (comptes et leurs sauvegardes, grilles personnelles). Vides tant que rien ne les fixe : tout est alors
// relatif au répertoire de travail, comme depuis le dossier des sources. Une racine non vide finit par "/".
void definir_racines(const std::string& donnees_livrees, const std::string& donnees_joueur);

// Chaque répertoire finit par "/".
std::string repertoire_ressources();
std::string repertoire_joueur();
std::string repertoire_sons();
std::string repertoire_grilles();
std::string repertoire_grilles_personnelles();
std::string repertoire_campagne();
std::string repertoire_grilles_campagne();
std::string repertoire_sessions();
// Progression des grilles du jeu libre laissées en cours.
std::string repertoire_parties_libres();
std::string obtenir_session_joueur(const std::string& nom);
std::string obtenir_chemin_texture(const std::string& nom);
std::string obtenir_chemin_police(const std::string& nom);

}  // namespace emplacements_pkg
