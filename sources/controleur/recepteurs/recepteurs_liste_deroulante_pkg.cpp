// Récepteur de la liste déroulante.
#include "recepteurs_liste_deroulante_pkg.hpp"

#include "liste_deroulante_3d_pkg.hpp"

namespace recepteurs_liste_deroulante_pkg {

void recepteur_liste::annuler() {
    file_.pousser(evenement_pkg::nomme(liste_deroulante_3d_pkg::action_annuler));
    fermer();
}

// Une liste vide n'a rien à choisir : l'appui est consommé sans suite.
void recepteur_liste::valider() {
    if (la_liste_.nombre_donnees() > 0) {
        file_.pousser(evenement_pkg::nomme(liste_deroulante_3d_pkg::action_valider, la_liste_.obtenir_nom_courant()));
        fermer();
    }
}

bool recepteur_liste::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type == evenement_pkg::TOUCHE_APPUYEE) {
        switch (evenement.touche) {
        case evenement_pkg::touches::ECHAP: annuler(); return true;
        case evenement_pkg::touches::ENTREE: valider(); return true;
        case evenement_pkg::touches::HAUT: la_liste_.monter_liste(); return true;
        case evenement_pkg::touches::BAS: la_liste_.descendre_liste(); return true;
        default: return false;
        }
    }
    const std::string nom = evenement_pkg::nom_de(evenement);
    if (nom == "precedent") {
        annuler();
    } else if (nom == "liste_valider") {
        valider();
    } else if (nom == "fleche_haut") {
        la_liste_.monter_liste();
    } else if (nom == "fleche_bas") {
        la_liste_.descendre_liste();
    } else {
        return false;
    }
    return true;
}

} // namespace recepteurs_liste_deroulante_pkg
