// Mode menu : dessin du menu principal, musique de fond, récepteurs du menu et retour au menu par Échap.
#pragma once

#include "menu_3d_pkg.hpp"
#include "recepteur_pkg.hpp"

#include <memory>
#include <string>

namespace controleur_menu_pkg {

// Au fond de la chaîne pour toute la partie : un Échap que personne n'a consommé ramène au menu.
class recepteur_retour_menu : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

// Procédure de dessin du mode menu ; lance la musique à son premier passage si l'option le permet.
void menu();
// Empile les récepteurs du menu (sans effet s'ils y sont déjà).
void activer();
// Retire les récepteurs du menu (sans effet s'ils n'y sont pas).
void desactiver();
bool est_actif();

// Ligne du clavier, de 1 (en haut) à 7 ; monter sur la première ou descendre sur la dernière ne fait rien.
void monter();
void descendre();
int obtenir_courante();

// Action d'une entrée du menu par son événement nommé ; faux pour un nom que le menu ne connaît pas.
bool executer_action(const std::string& nom);
// Action de l'entrée de la ligne ; une ligne hors de 1 à 7 ne fait rien.
void executer_ligne(int ligne);

// Le menu principal, le même pour toute la partie.
std::shared_ptr<menu_3d_pkg::menu_affichable> obtenir_element_racine();

} // namespace controleur_menu_pkg
