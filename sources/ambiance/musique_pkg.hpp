// Musique du menu et bruitages du jeu : options, chargement au premier besoin, lecture par SDL_mixer.
#pragma once

#include "erreur_pkg.hpp"

#include <memory>
#include <string>

struct Mix_Chunk;

namespace musique_pkg {

// Ouverture du périphérique audio ou chargement d'un fichier son impossible.
DECLARER_ERREUR(MUSIQUE_NON_TROUVE, "MUSIQUE_PKG.MUSIQUE_NON_TROUVE");

struct liberateur_son {
    void operator()(Mix_Chunk* echantillon) const;
};
// Échantillon chargé en mémoire, libéré avec son propriétaire.
using son = std::unique_ptr<Mix_Chunk, liberateur_son>;

// Canal du mélangeur réservé à la musique : les bruitages ne le prennent jamais.
constexpr int canal_musique = 0;

// Options de la partie en cours, actives au lancement ; les modifier ne lance ni n'arrête rien.
bool musique_est_actif();
void modifier_musique(bool b);
bool bruitage_est_actif();
void modifier_bruitage(bool b);

// Charge "menu.wav" s'il ne l'est pas, puis le joue en boucle sur le canal de la musique si l'option le permet.
void musique_menu();
// Libère la musique, ce qui la fait taire ; le prochain musique_menu la recharge et la reprend du début.
void stop_musique_menu();

// Charge le bruitage au premier besoin, puis le joue une fois sur un canal libre si l'option le permet.
void bruitage_deplacement();
void bruitage_erreur();
void bruitage_valider();
// Charge d'avance les trois bruitages (une seule fois).
void initialiser_son_jeu();

// Ouvre le périphérique audio (une fois pour toutes) puis charge le fichier nom du répertoire des sons.
// Lève MUSIQUE_NON_TROUVE après avoir écrit la cause sur la sortie standard.
son initialiser(const std::string& nom);
// Charge un fichier WAV ; lève MUSIQUE_NON_TROUVE après avoir écrit la cause sur la sortie standard.
son load_sound(const std::string& fichier);
// Libère l'échantillon s'il y en a un et le remet à nul.
void stop_sound(son& wave);

// Libère tous les sons, ferme le périphérique et oublie les échecs ; les options sont gardées.
void liberer_ressources();

} // namespace musique_pkg
