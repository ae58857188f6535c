// Événements nommés de l'accueil des grilles libres : entrées, listes, retour au menu.
#include "recepteur_libre_pkg.hpp"

#include "controleur_libre_pkg.hpp"
#include "controleur_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"

#include <string>
#include <variant>

namespace recepteur_libre_pkg {

using accueil_grille_libre_3d_pkg::etat_accueil;

bool recepteur_libre::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = gestion_evenements_pkg::obtenir_nom_evenement(evenement);
    if (nom == liste_deroulante_3d_pkg::action_annuler) {
        libre_.changer_etat_accueil(etat_accueil::CHOIX);
    } else if (nom == liste_deroulante_3d_pkg::action_valider) {
        const std::string* choix = std::get_if<std::string>(&evenement.donnee);
        if (choix == nullptr) return false;
        if (libre_.obtenir_etat_accueil() == etat_accueil::PREDEFINI) {
            libre_.lancer_jeu_pred(*choix);
        } else {
            libre_.faire_action(*choix);
        }
    } else if (nom == "menu") {
        controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
    } else if (nom == "pred") {
        libre_.changer_etat_accueil(etat_accueil::PREDEFINI);
    } else if (nom == "perso") {
        libre_.changer_etat_accueil(etat_accueil::LIBRE);
    } else if (nom == "supprimer") {
        libre_.changer_etat_accueil(etat_accueil::SUPPRIMER);
    } else {
        return false;
    }
    return true;
}

} // namespace recepteur_libre_pkg
