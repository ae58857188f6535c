// Récepteurs de l'accueil des grilles libres : ses entrées et listes (événements nommés), ses touches.
#pragma once

#include "recepteur_pkg.hpp"

namespace controleur_libre_pkg {
class controleur_libre;
}

namespace recepteurs_libre_pkg {

// Les quatre entrées, la liste validée ou abandonnée.
class recepteur_accueil : public recepteur_pkg::recepteur {
public:
    explicit recepteur_accueil(controleur_libre_pkg::controleur_libre& libre) : libre_(libre) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_libre_pkg::controleur_libre& libre_;
};

// Flèches, Entrée sur la ligne courante ; dans la chaîne quand les quatre entrées sont montrées. Échap passe :
// l'application ramène au menu.
class recepteur_clavier_accueil : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_accueil(controleur_libre_pkg::controleur_libre& libre) : libre_(libre) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    controleur_libre_pkg::controleur_libre& libre_;
};

} // namespace recepteurs_libre_pkg
