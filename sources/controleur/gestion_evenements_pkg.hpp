// Chaîne des récepteurs et événements nommés que les écrans envoient aux contrôleurs.
#pragma once

#include "evenement_pkg.hpp"
#include "file_evenements_pkg.hpp"
#include "listes_pkg.hpp"
#include "recepteur_pkg.hpp"

#include <string>

namespace gestion_evenements_pkg {

inline constexpr std::uint8_t evenement_tessaline = evenement_pkg::EVENEMENT_NOMME;

using liste_recepteurs_pkg = listes_pkg<recepteur_pkg::classe_recepteur>;
using chaine_recepteurs = liste_recepteurs_pkg::liste;

// Offre l'événement aux récepteurs depuis le début de la chaîne jusqu'à ce que l'un le consomme.
void traiter_evenement(evenement_pkg::evenement& evenement);

// Ajoute r en tête s'il n'est pas déjà dans la chaîne ; sinon rien ne bouge.
void empiler_recepteur(recepteur_pkg::classe_recepteur r);

// Retire r ; lève les erreurs de la liste si la chaîne est vide ou si r n'y est pas.
void supprimer_recepteur(recepteur_pkg::classe_recepteur r);

chaine_recepteurs obtenir_chaine_recepteurs();

// Construit un événement nommé (type 25) portant nom et donnee.
evenement_pkg::evenement obtenir_evenement_nomme(const std::string& nom, std::int32_t code = 0,
                                                 evenement_pkg::donnee_evenement donnee = {});

// Nom d'un événement nommé ; chaîne vide pour tout autre événement.
std::string obtenir_nom_evenement(const evenement_pkg::evenement& evenement);

// Construit l'événement nommé et le place en queue de la file du jeu :
// il sera traité dans la même passe de la boucle principale.
void emettre_evenement_nomme(const std::string& nom, evenement_pkg::donnee_evenement donnee = {});

// File où passent tous les événements : celle de la plate-forme en jeu,
// une file en mémoire tant qu'aucune n'a été donnée (tests, outils).
void definir_file(file_evenements_pkg::file_evenements& file);
file_evenements_pkg::file_evenements& obtenir_file();

} // namespace gestion_evenements_pkg
