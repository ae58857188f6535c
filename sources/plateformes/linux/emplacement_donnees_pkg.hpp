// Où le jeu trouve ses données livrées et où il garde les fichiers du joueur, décidé au démarrage.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace emplacement_donnees_pkg {

// Nom du dossier des données livrées (sous <préfixe>/share) et du dossier du joueur (sous $XDG_DATA_HOME).
inline constexpr const char* nom_dossier = "novelia-tessaline";

// Données livrées du jeu installé, cherchées à côté de l'exécutable (<préfixe>/bin/… donne
// <préfixe>/share/novelia-tessaline) ; chemin vide quand ce dossier n'existe pas : le jeu tourne alors depuis
// sa construction, dans le dossier des sources.
std::filesystem::path donnees_installees(const std::filesystem::path& executable);

// $XDG_DATA_HOME/novelia-tessaline, ou <maison>/.local/share/novelia-tessaline quand la variable est absente,
// vide ou relative (elle est alors invalide) ; chemin vide quand la maison n'est pas connue non plus.
std::filesystem::path dossier_joueur(const char* xdg_data_home, const char* maison);

// Crée sous la racine du joueur les répertoires qui manquent (sessions/, grilles_personnelles/, parties_libres/)
// et dit sur messages ce qui a été créé et ce qui est impossible ; le jeu continue dans tous les cas.
void preparer_dossier_joueur(std::ostream& messages);

// Au démarrage : fixe les racines d'emplacements_pkg (jeu installé, ou répertoire de travail) et prépare le dossier
// du joueur.
void choisir_racines(std::ostream& messages);

}  // namespace emplacement_donnees_pkg
