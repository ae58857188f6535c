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
        controleur_libre_pkg::changer_etat_accueil(etat_accueil::CHOIX);
    } else if (nom == liste_deroulante_3d_pkg::action_valider) {
        const std::string* choix = std::get_if<std::string>(&evenement.donnee);
        if (choix == nullptr) return false;
        if (controleur_libre_pkg::obtenir_etat_accueil() == etat_accueil::PREDEFINI) {
            controleur_libre_pkg::lancer_jeu_pred(*choix);
        } else {
            controleur_libre_pkg::faire_action(*choix);
        }
    } else if (nom == "menu") {
        controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
    } else if (nom == "pred") {
        controleur_libre_pkg::changer_etat_accueil(etat_accueil::PREDEFINI);
    } else if (nom == "perso") {
        controleur_libre_pkg::changer_etat_accueil(etat_accueil::LIBRE);
    } else if (nom == "supprimer") {
        controleur_libre_pkg::changer_etat_accueil(etat_accueil::SUPPRIMER);
    } else {
        return false;
    }
    return true;
}

} // namespace recepteur_libre_pkg
