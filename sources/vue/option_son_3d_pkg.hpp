// Page des options du son (mode SON) : musique et bruitages, allumés ou éteints pour la partie en cours.
#pragma once

#include "entrees_menu_pkg.hpp"
#include "page_3d_pkg.hpp"
#include "recepteur_pkg.hpp"

#include <memory>

namespace option_son_3d_pkg {

class page_option_affichable : public page_3d_pkg::page_affichable {
public:
    // Construit le titre, les deux entrées et la plaque la première fois ; ensuite sans effet.
    virtual void initialiser();
    // Réécrit les deux libellés d'après les options actuelles.
    virtual void mettre_a_jour();

    // La musique en ligne 1, les bruitages en ligne 2.
    entrees_menu_pkg::entrees_menu& entrees() { return entrees_; }

private:
    bool est_initialise_ = false;
    entrees_menu_pkg::entrees_menu entrees_;
};

// Événements nommés des deux entrées : "mmusique" et "mbruitage".
class recepteur_option : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override;
};

// Procédure de dessin du mode : construit la page au premier passage, active ses récepteurs,
// met les libellés à jour.
void page_option();
void activer();
void desactiver();
bool est_actif();

// Ligne du clavier : 1 pour la musique, 2 pour les bruitages ; elle survit d'une visite à l'autre.
void monter();
void descendre();
int obtenir_courante();

// Éteindre la musique la fait taire ; la rallumer la relance du début.
void basculer_musique();
void basculer_bruitage();

// La page, nulle tant qu'elle n'a pas été dessinée.
std::shared_ptr<page_option_affichable> obtenir_page();

} // namespace option_son_3d_pkg
