// Récepteurs de l'accueil des grilles libres.
#include "recepteurs_libre_pkg.hpp"

#include "controleur_libre_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"

#include <string>
#include <variant>

namespace recepteurs_libre_pkg {

namespace touches = evenement_pkg::touches;
using accueil_grille_libre_3d_pkg::etat_accueil;

bool recepteur_accueil::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = evenement_pkg::nom_de(evenement);
    if (nom == liste_deroulante_3d_pkg::action_annuler) {
        libre_.changer_etat_accueil(etat_accueil::CHOIX);
    } else if (nom == liste_deroulante_3d_pkg::action_valider) {
        const std::string* choix = std::get_if<std::string>(&evenement.donnee);
        if (choix == nullptr) return false;
        libre_.choisir_dans_la_liste(*choix);
    } else if (nom == "menu") {
        libre_.revenir_au_menu();
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

bool recepteur_clavier_accueil::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type != evenement_pkg::TOUCHE_APPUYEE) return false;
    switch (evenement.touche) {
    case touches::HAUT: libre_.monter(); return true;
    case touches::BAS: libre_.descendre(); return true;
    case touches::ENTREE: libre_.executer_ligne(libre_.obtenir_courante()); return true;
    default: return false;
    }
}

} // namespace recepteurs_libre_pkg
