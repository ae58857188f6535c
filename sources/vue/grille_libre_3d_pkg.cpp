// Écran de la partie libre : sa page d'aide, son dock et son panneau droit tenu à jour.
#include "grille_libre_3d_pkg.hpp"

#include "interface_libre_aide.hpp"

#include <array>

namespace grille_libre_3d_pkg {

namespace {
const std::array<ecran_cockpit_3d_pkg::bouton_dock, 2> boutons_dock{{
    {"Abandonner", "bouton_abandonner"},
    {"Nouveau", "bouton_nouveau"},
}};
} // namespace

void grille_libre_affichable::initialiser(grille_libre_pkg::grille_libre_ptr partie_modele, grille_pkg::chemin_ptr) {
    modele_ = std::move(partie_modele);
    element_droite_ = std::make_shared<interface_libre_droite_pkg::interface_libre_droite_affichable>();
    element_droite_->initialiser();
    auto aide = std::make_shared<interface_libre_aide::interface_libre_aide_affichable>();
    aide->initialiser();
    construire(modele_, {.aide = aide, .dock = boutons_dock, .panneau_droit = element_droite_});
}

void grille_libre_affichable::mettre_a_jour(const std::string& nom_grille, coeur_jeu_pkg::etat etat_jeu, bool reprise) {
    grille_jouee().mettre_a_jour(modele_->obtenir_chemin_aide_courant());
    interface_libre_droite_pkg::valeurs_panneau valeurs{
        .nom_grille = nom_grille,
        .points_aide = modele_->obtenir_points_aide_partie(),
        .points_choisis = modele_->obtenir_compteur_aide(),
        .zoom = obtenir_vue() == etat_vue::ZOOM,
        .cases_restantes = std::nullopt,
        .reprise = reprise,
    };
    if (etat_jeu == coeur_jeu_pkg::etat::CONSTRUCTION) {
        valeurs.cases_restantes = modele_->obtenir_chemin_courant()->combien_reste();
    }
    element_droite_->mettre_a_jour(valeurs);
}

void grille_libre_affichable::afficher() {
    if (!est_construit()) throw ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE();
    dessiner_cockpit();
}

} // namespace grille_libre_3d_pkg
