// Chaîne des récepteurs d'un mode : l'ordre où ses récepteurs se voient offrir chaque événement.
#pragma once

#include "evenement_pkg.hpp"
#include "recepteur_pkg.hpp"

#include <vector>

namespace chaine_recepteurs_pkg {

// Chaque mode a la sienne : la boucle ne donne un événement qu'au mode courant, qui l'offre à sa chaîne.
class chaine_recepteurs {
public:
    // Offre l'événement du premier récepteur au dernier jusqu'à ce que l'un le consomme ; vrai s'il l'a été.
    // Un récepteur retiré pendant la marche n'est plus consulté, un récepteur ajouté ne l'est qu'au suivant.
    bool traiter(evenement_pkg::evenement& evenement);

    // Ajoute r en tête s'il n'y est pas déjà ; sinon rien ne bouge.
    void empiler(recepteur_pkg::classe_recepteur r);
    // Retire r ; rien s'il n'y est pas.
    void retirer(recepteur_pkg::classe_recepteur r);
    bool contient(const recepteur_pkg::recepteur* r) const;

    // Du premier consulté au dernier.
    const std::vector<recepteur_pkg::classe_recepteur>& recepteurs() const { return recepteurs_; }

private:
    std::vector<recepteur_pkg::classe_recepteur> recepteurs_;
};

} // namespace chaine_recepteurs_pkg
