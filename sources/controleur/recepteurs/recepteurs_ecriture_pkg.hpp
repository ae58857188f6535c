// Récepteurs de la saisie de texte ouverte : frappe au clavier et événements de ses boutons.
#pragma once

#include "recepteur_pkg.hpp"

namespace ecriture_3d_pkg {
class ecriture_affichable;
} // namespace ecriture_3d_pkg

namespace recepteurs_ecriture_pkg {

// Événements nommés des boutons de la saisie : "ecriture_precedent" et "ecriture_valider".
class recepteur_ecriture : public recepteur_pkg::recepteur {
public:
    explicit recepteur_ecriture(ecriture_3d_pkg::ecriture_affichable& e) : le_texte(e) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    ecriture_3d_pkg::ecriture_affichable& le_texte;
};

// Échap, Entrée, retour arrière, espace, lettres, chiffres ; toute autre touche passe au récepteur suivant.
class recepteur_clavier_ecriture : public recepteur_pkg::recepteur {
public:
    explicit recepteur_clavier_ecriture(ecriture_3d_pkg::ecriture_affichable& e) : le_texte(e) {}
    bool accepter(evenement_pkg::evenement& evenement) override;

private:
    ecriture_3d_pkg::ecriture_affichable& le_texte;
};

} // namespace recepteurs_ecriture_pkg
