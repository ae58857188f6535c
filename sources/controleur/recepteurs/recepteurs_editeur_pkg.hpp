// Récepteurs de l'éditeur : réponses de l'écran d'accueil, touches et événements de l'écran de dessin.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_editeur_pkg {
class controleur_editeur;
}

namespace recepteurs_editeur_pkg {

// Accueil : la réponse validée ou la question annulée par la saisie.
class recepteur_accueil_editeur : public recepteur_pkg::recepteur {
public:
    explicit recepteur_accueil_editeur(controleur_editeur_pkg::controleur_editeur& e) : editeur_(e) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_editeur_pkg::controleur_editeur& editeur_;
};

// Touches : pendant le dessin, toutes sont prises ; une fois la grille générée, seules celles qui servent encore.
class recepteur_clavier_editeur : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_editeur(controleur_editeur_pkg::controleur_editeur& e) : editeur_(e) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_editeur_pkg::controleur_editeur& editeur_;
};

// Événements nommés des cases, des panneaux et du dock ; même règle des deux phases que le clavier.
class recepteur_grille_editeur : public recepteur_pkg::recepteur {
public:
    explicit recepteur_grille_editeur(controleur_editeur_pkg::controleur_editeur& e) : editeur_(e) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_editeur_pkg::controleur_editeur& editeur_;
};

} // namespace recepteurs_editeur_pkg
