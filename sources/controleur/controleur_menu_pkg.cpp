// Mode menu, en attendant son écran : une scène d'attente, Échap pour quitter.
#include "controleur_menu_pkg.hpp"

#include "controleur_pkg.hpp"
#include "ecran_provisoire_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
#include "scene_pkg.hpp"

#include <memory>

namespace controleur_menu_pkg {

namespace {
// Échap sur le menu termine le programme.
class recepteur_clavier_menu final : public recepteur_pkg::recepteur {
public:
    bool accepter(evenement_pkg::evenement& evenement) override {
        if (evenement.type == evenement_pkg::TOUCHE_APPUYEE && evenement.touche == evenement_pkg::touches::ECHAP) {
            controleur_pkg::quitter();
            return true;
        }
        return false;
    }
};

bool actif = false;
const auto le_menu = std::make_shared<ecran_provisoire_pkg::ecran_provisoire>();
recepteur_clavier_menu recepteur_clavier;
recepteur_souris_pkg::recepteur_souris recepteur_curseur;
} // namespace

bool recepteur_retour_menu::accepter(evenement_pkg::evenement& evenement) {
    if (evenement.type == evenement_pkg::TOUCHE_APPUYEE && evenement.touche == evenement_pkg::touches::ECHAP) {
        controleur_pkg::modifier_etat(controleur_pkg::etat_principal::MENU);
        return true;
    }
    return false;
}

void menu() {
    scene_pkg::afficher_scene(le_menu);
}

void activer() {
    if (actif) {
        return;
    }
    gestion_evenements_pkg::empiler_recepteur(&recepteur_clavier);
    recepteur_curseur.definir_objet_racine(le_menu);
    gestion_evenements_pkg::empiler_recepteur(&recepteur_curseur);
    actif = true;
}

void desactiver() {
    if (!actif) {
        return;
    }
    gestion_evenements_pkg::supprimer_recepteur(&recepteur_clavier);
    gestion_evenements_pkg::supprimer_recepteur(&recepteur_curseur);
    actif = false;
}

bool est_actif() { return actif; }

} // namespace controleur_menu_pkg
