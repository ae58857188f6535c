// Récepteur d'une liste déroulante ouverte : ses boutons et ses touches, jusqu'au choix ou à l'abandon.
#pragma once

#include "chaine_recepteurs_pkg.hpp"
#include "file_evenements_pkg.hpp"
#include "recepteur_pkg.hpp"

namespace liste_deroulante_3d_pkg {
class liste_affichable;
} // namespace liste_deroulante_3d_pkg

namespace recepteurs_liste_deroulante_pkg {

// Le mode qui ouvre la liste l'apprend par les événements nommés "valider_choix_liste" (le nom choisi en charge)
// et "annuler_choix_liste" ; la liste se ferme alors d'elle-même.
class recepteur_liste : public recepteur_pkg::recepteur {
public:
    recepteur_liste(liste_deroulante_3d_pkg::liste_affichable& l, chaine_recepteurs_pkg::chaine_recepteurs& chaine,
                    file_evenements_pkg::file_evenements& file)
        : la_liste_(l), chaine_(chaine), file_(file) {}
    // La chaîne ne garde jamais un récepteur détruit.
    ~recepteur_liste() override { fermer(); }
    recepteur_liste(const recepteur_liste&) = delete;
    recepteur_liste& operator=(const recepteur_liste&) = delete;

    // Boutons "precedent", "liste_valider", "fleche_haut", "fleche_bas" ; Échap, Entrée, flèches haut et bas. Toute
    // autre touche passe au récepteur suivant.
    bool accepter(evenement_pkg::evenement& evenement) override;

    // En tête de la chaîne du mode, ou hors d'elle.
    void ouvrir() { chaine_.empiler(this); }
    void fermer() { chaine_.retirer(this); }
    bool est_ouverte() const { return chaine_.contient(this); }

private:
    void annuler();
    void valider();

    liste_deroulante_3d_pkg::liste_affichable& la_liste_;
    chaine_recepteurs_pkg::chaine_recepteurs& chaine_;
    file_evenements_pkg::file_evenements& file_;
};

} // namespace recepteurs_liste_deroulante_pkg
