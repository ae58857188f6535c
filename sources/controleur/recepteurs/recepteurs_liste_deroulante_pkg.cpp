// Récepteurs de la liste déroulante.
#include "recepteurs_liste_deroulante_pkg.hpp"

#include "gestion_evenements_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"

namespace recepteurs_liste_deroulante_pkg {

namespace {
using liste_deroulante_3d_pkg::liste_affichable;

void annuler(liste_affichable& l) {
    gestion_evenements_pkg::emettre_evenement_nomme(liste_deroulante_3d_pkg::action_annuler);
    l.desactiver();
}

// Une liste vide n'a rien à choisir : l'appui est consommé sans suite.
void valider(liste_affichable& l) {
    if (l.nombre_donnees() > 0) {
        gestion_evenements_pkg::emettre_evenement_nomme(liste_deroulante_3d_pkg::action_valider,
                                                        l.obtenir_nom_courant());
        l.desactiver();
    }
}
} // namespace

bool recepteur_liste::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = gestion_evenements_pkg::obtenir_nom_evenement(evenement);
    if (nom == "precedent") {
        annuler(la_liste);
    } else if (nom == "liste_valider") {
        valider(la_liste);
    } else if (nom == "fleche_haut") {
        la_liste.monter_liste();
    } else if (nom == "fleche_bas") {
        la_liste.descendre_liste();
    } else {
        return false;
    }
    return true;
}

bool recepteur_clavier_liste::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) {
        return false;
    }
    switch (evenement.touche) {
    case evenement_pkg::touches::ECHAP: annuler(la_liste); break;
    case evenement_pkg::touches::ENTREE: valider(la_liste); break;
    case evenement_pkg::touches::HAUT: la_liste.monter_liste(); break;
    case evenement_pkg::touches::BAS: la_liste.descendre_liste(); break;
    default: return false;
    }
    return true;
}

} // namespace recepteurs_liste_deroulante_pkg
