// Récepteurs de la campagne : l'écran des comptes (événements nommés, touches), puis la partie (événements
// nommés et boutons de la souris, touches).
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_jeu_pkg {
class controleur_jeu;
}

namespace recepteurs_jeu_pkg {

// Les quatre actions de l'écran des comptes, et le nom validé dans la liste ou la saisie.
class recepteur_session : public recepteur_pkg::recepteur {
public:
    explicit recepteur_session(controleur_jeu_pkg::controleur_jeu& j) : jeu_(j) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_jeu_pkg::controleur_jeu& jeu_;
};

// Touches des quatre actions : Échap, flèches haut et bas, Entrée.
class recepteur_clavier_session : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_session(controleur_jeu_pkg::controleur_jeu& j) : jeu_(j) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_jeu_pkg::controleur_jeu& jeu_;
};

// Partie : cases, panneaux et dock ; molette et bouton du milieu pour l'aide.
class recepteur_grille_jeu : public recepteur_pkg::recepteur {
public:
    explicit recepteur_grille_jeu(controleur_jeu_pkg::controleur_jeu& j) : jeu_(j) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_jeu_pkg::controleur_jeu& jeu_;
};

// Touches de la partie.
class recepteur_clavier_jeu : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_jeu(controleur_jeu_pkg::controleur_jeu& j) : jeu_(j) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_jeu_pkg::controleur_jeu& jeu_;
};

} // namespace recepteurs_jeu_pkg
