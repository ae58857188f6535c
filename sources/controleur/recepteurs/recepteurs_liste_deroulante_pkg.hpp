// Récepteurs de la liste déroulante ouverte : touches et événements de ses boutons.
#pragma once

#include "recepteur_pkg.hpp"

namespace liste_deroulante_3d_pkg {
class liste_affichable;
} // namespace liste_deroulante_3d_pkg

namespace recepteurs_liste_deroulante_pkg {

// Événements nommés des boutons de la liste : "precedent", "liste_valider", "fleche_haut", "fleche_bas".
class recepteur_liste : public recepteur_pkg::recepteur {
public:
    explicit recepteur_liste(liste_deroulante_3d_pkg::liste_affichable& l) : la_liste(l) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    liste_deroulante_3d_pkg::liste_affichable& la_liste;
};

// Échap, Entrée, flèches haut et bas ; toute autre touche passe au récepteur suivant.
class recepteur_clavier_liste : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_liste(liste_deroulante_3d_pkg::liste_affichable& l) : la_liste(l) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    liste_deroulante_3d_pkg::liste_affichable& la_liste;
};

} // namespace recepteurs_liste_deroulante_pkg
