// Mode menu : dessin du menu principal, musique de fond, récepteurs du menu et retour au menu par Échap.
#pragma once

#include "groupe_recepteurs_pkg.hpp"
#include "menu_3d_pkg.hpp"
#include "recepteur_clavier_menu_pkg.hpp"
#include "recepteur_menu_pkg.hpp"
#include "recepteur_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <memory>
#include <string>

namespace controleur_menu_pkg {

// Au fond de la chaîne pour toute la partie : un Échap que personne n'a consommé ramène au menu.
class recepteur_retour_menu : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

// Le menu principal, sa musique et ses récepteurs, qui n'agissent que sur lui.
class controleur_menu {
public:
    controleur_menu();
    controleur_menu(const controleur_menu&) = delete;
    controleur_menu& operator=(const controleur_menu&) = delete;

    void menu();
    void activer();
    void desactiver();
    bool est_actif() const { return recepteurs_.est_actif(); }
    void monter();
    void descendre();
    int obtenir_courante() const;
    bool executer_action(const std::string& nom);
    void executer_ligne(int ligne);
    std::shared_ptr<menu_3d_pkg::menu_affichable> obtenir_element_racine() const { return le_menu_; }

private:
    // Le menu est construit à son premier dessin ; une touche arrivée avant trouve ses entrées quand même.
    menu_3d_pkg::menu_affichable& menu_construit();

    std::shared_ptr<menu_3d_pkg::menu_affichable> le_menu_ = std::make_shared<menu_3d_pkg::menu_affichable>();
    bool musique_lance_ = false;
    recepteur_clavier_menu_pkg::recepteur_clavier_menu recepteur_clavier_;
    recepteur_souris_pkg::recepteur_souris recepteur_curseur_;
    recepteur_menu_pkg::recepteur_menu recepteur_boutons_;
    // Les entrées d'abord, puis la souris, puis le clavier.
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_{&recepteur_boutons_, &recepteur_curseur_, &recepteur_clavier_};
};

// L'unique contrôleur du menu.
controleur_menu& controleur();

// Les opérations du mode sous leurs noms, sur controleur().
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
