// Parties du jeu libre laissées en cours : un fichier de progression par grille, dans le dossier du joueur,
// pour reprendre une grande grille sur plusieurs séances.
#pragma once

#include <string>

namespace parties_libres_pkg {

enum class avancement { aucun, en_cours, resolue };

// Fichier de progression de la grille nom_fichier du répertoire repertoire_grille (grilles livrées ou
// personnelles : deux grilles de même nom ne partagent pas leur progression).
std::string chemin_progression(const std::string& repertoire_grille, const std::string& nom_fichier);

// D'après les chemins de la progression, reprise comme à l'ouverture de la grille : une progression refusée
// (illisible, ou faite pour une autre grille) compte pour aucune.
avancement avancement_de(const std::string& repertoire_grille, const std::string& nom_fichier);

// Efface les temporaires laissés dans le dossier des progressions par un jeu arrêté pendant une écriture.
void nettoyer_temporaires();

// Le nom tel que la liste des grilles le montre : suivi de « (en cours) » ou « (résolue) ».
std::string etiquette(const std::string& nom_fichier, avancement a);

}  // namespace parties_libres_pkg
