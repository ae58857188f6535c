// Comptes des joueurs : un compte est un répertoire de sessions/ qui tient la sauvegarde de sa campagne.
#pragma once

#include <cstddef>
#include <string>

#include "erreur_pkg.hpp"

namespace comptes_pkg {

// Création ou suppression impossible (droits, disque plein, un fichier à la place du répertoire).
DECLARER_ERREUR(ERREUR_REPERTOIRE_COMPTE, "COMPTES_PKG.ERREUR_REPERTOIRE_COMPTE");
DECLARER_ERREUR(ERREUR_NOM_COMPTE_INVALIDE, "COMPTES_PKG.ERREUR_NOM_COMPTE_INVALIDE");

inline constexpr std::size_t longueur_max = 30;  // en caractères

// Vrai si le nom peut devenir un répertoire de sessions/ sans en sortir ni s'y cacher : UTF-8 valide, pas vide
// ni seulement blanc, sans séparateur ni caractère de contrôle, ni "." en tête, au plus longueur_max caractères.
// Vérifié ici quelle que soit la source du nom (saisie, liste des répertoires existants).
bool nom_sur(const std::string& nom);

// Vrai si un répertoire de sessions/ porte ce nom, les deux mis en minuscules.
bool compte_existe(const std::string& nom);

// Crée le répertoire du compte (et sessions/ s'il manque). ERREUR_NOM_COMPTE_INVALIDE ou ERREUR_REPERTOIRE_COMPTE.
void creer_compte(const std::string& nom);

// Retire le répertoire du compte et tout ce qu'il contient ; un compte déjà parti n'est pas une faute.
void supprimer_compte(const std::string& nom);

}  // namespace comptes_pkg
