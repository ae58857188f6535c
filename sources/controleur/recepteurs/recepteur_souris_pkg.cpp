// Récepteur de la souris et sélection par la scène.
#include "recepteur_souris_pkg.hpp"

#include "objet_3d_recepteur_pkg.hpp"
#include "scene_pkg.hpp"

namespace recepteur_souris_pkg {

namespace {
class selection_par_scene final : public source_selection {
public:
    bool picking_a_mettre_a_jour() const override { return scene_pkg::picking_a_mettre_a_jour(); }
    void afficher_mode_selection(const objet_3d_pkg::classe_objet_affichable& racine, int x, int y) override {
        scene_pkg::afficher_mode_selection(racine, x, y);
    }
    std::uint32_t obtenir_identifiant_hit() const override { return scene_pkg::obtenir_identifiant_hit(); }
};

// Ce que l'objet a rapporté pendant son crochet part en file, dans l'ordre.
void transmettre(objet_3d_recepteur_pkg::objet_3d_recepteur& objet, file_evenements_pkg::file_evenements& file) {
    for (evenement_pkg::evenement& e : objet.prendre_rapports()) file.pousser(std::move(e));
}

bool est_evenement_souris(std::uint8_t type) {
    return type == evenement_pkg::SOURIS_BOUGE || type == evenement_pkg::SOURIS_APPUIE ||
           type == evenement_pkg::SOURIS_RELACHE;
}
} // namespace

source_selection& selection_scene() {
    static selection_par_scene selection;
    return selection;
}

bool recepteur_souris::accepter(evenement_pkg::evenement& evenement) {
    if (!objet_racine_ || !est_evenement_souris(evenement.type)) {
        return false;
    }
    // Une seule passe de sélection par image dessinée : les événements suivants réutilisent son résultat.
    if (selection_.picking_a_mettre_a_jour()) {
        selection_.afficher_mode_selection(objet_racine_, evenement.x, evenement.y);
    }
    const std::uint32_t identifiant = selection_.obtenir_identifiant_hit();
    const std::uint32_t precedent = selection_.obtenir_dernier_touche();

    if (identifiant != 0) {
        if (auto* objet = objet_3d_recepteur_pkg::obtenir_recepteur(identifiant)) {
            if (identifiant != precedent) {
                objet->sourisentre(evenement);
            }
            switch (evenement.type) {
            case evenement_pkg::SOURIS_RELACHE: objet->sourisrelache(evenement); break;
            case evenement_pkg::SOURIS_APPUIE: objet->sourisappuie(evenement); break;
            default: objet->sourisbouge(evenement); break;
            }
            transmettre(*objet, file_);
        }
    }
    // Le nouvel objet est prévenu avant que l'ancien apprenne qu'il est quitté.
    if (precedent != 0 && precedent != identifiant) {
        if (auto* ancien = objet_3d_recepteur_pkg::obtenir_recepteur(precedent)) {
            ancien->sourissort(evenement);
            transmettre(*ancien, file_);
        }
    }
    selection_.definir_dernier_touche(identifiant);
    return true;
}

} // namespace recepteur_souris_pkg
