// Récepteurs de l'écran des comptes de la campagne : ses actions, sa liste et sa saisie (événements nommés), ses
// touches.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_jeu_pkg {
class controleur_jeu;
}

namespace recepteurs_jeu_pkg {

// Les quatre actions, et le nom validé dans la liste ou la saisie.
class recepteur_session : public recepteur_pkg::recepteur {
public:
    explicit recepteur_session(controleur_jeu_pkg::controleur_jeu& j) : jeu_(j) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_jeu_pkg::controleur_jeu& jeu_;
};

// Touches des quatre actions : flèches haut et bas, Entrée ; dans la chaîne quand elles sont montrées. Échap passe :
// l'application ramène au menu.
class recepteur_clavier_session : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_session(controleur_jeu_pkg::controleur_jeu& j) : jeu_(j) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_jeu_pkg::controleur_jeu& jeu_;
};

} // namespace recepteurs_jeu_pkg
