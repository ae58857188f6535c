// Écran de la partie libre : la grille jouée à gauche du cadre, le panneau droit tenu à jour, page d'aide et dock.
#include "grille_libre_3d_pkg.hpp"

namespace grille_libre_3d_pkg {

namespace {
// La grille entière tient dans dix unités au milieu du cadre ; de près, elle recule et suit le curseur.
const grille_jouee_3d_pkg::disposition disposition_libre{
    .position = {-2.0f, 0.0f, -17.0f},
    .cote = 10.0f,
    .origine_zoom = {-1.8f, 0.0f, -18.0f},
    .pas_zoom_x = -0.71f,
    .pas_zoom_y = -0.5f,
};
} // namespace

void grille_libre_affichable::initialiser(grille_libre_pkg::grille_libre_ptr partie_modele, grille_pkg::chemin_ptr) {
    modele_ = std::move(partie_modele);
    la_grille_jouee_->initialiser(modele_, disposition_libre);

    un_fond_ = std::make_shared<fond_pkg::fond_affichable>();
    un_fond_->initialiser();
    un_fond_->positionner_objet3d({0.0f, 0.0f, -5.0f});
    element_droite_ = std::make_shared<interface_libre_droite_pkg::interface_libre_droite_affichable>();
    element_droite_->initialiser();
    element_droite_->positionner_objet3d({0.0f, 0.0f, -4.9f});
    element_gauche_ = std::make_shared<interface_libre_gauche_pkg::interface_libre_gauche_affichable>();
    element_gauche_->initialiser();
    element_gauche_->positionner_objet3d({0.0f, 0.0f, -4.9f});
    ecran_aide_ = std::make_shared<interface_libre_aide::interface_libre_aide_affichable>();
    ecran_aide_->initialiser();
    ecran_aide_->positionner_objet3d({0.0f, 0.0f, -5.2f});
    le_dock_ = std::make_shared<interface_dock_pkg::interface_dock_affichable>();
    le_dock_->initialiser();
    le_dock_->ajouter_bouton("Abandonner", "bouton_abandonner");
    le_dock_->ajouter_bouton("Nouveau", "bouton_nouveau");
    le_dock_->positionner_objet3d({-0.1f, -2.8f, -5.1f});
    ajouter_sous_objet(le_dock_);

    est_initialise_ = true;
}

void grille_libre_affichable::mettre_a_jour(const std::string& nom_grille, coeur_jeu_pkg::etat etat_jeu) {
    la_grille_jouee_->mettre_a_jour(modele_->obtenir_chemin_aide_courant());
    interface_libre_droite_pkg::valeurs_panneau valeurs{
        .nom_grille = nom_grille,
        .points_aide = modele_->obtenir_points_aide_partie(),
        .points_choisis = modele_->obtenir_compteur_aide(),
        .zoom = obtenir_vue() == etat_vue::ZOOM,
        .cases_restantes = std::nullopt,
    };
    if (etat_jeu == coeur_jeu_pkg::etat::CONSTRUCTION) {
        valeurs.cases_restantes = modele_->obtenir_chemin_courant()->combien_reste();
    }
    element_droite_->mettre_a_jour(valeurs);
}

void grille_libre_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE();
    preparer_affichage();
    if (ecran_aide_actif_) {
        ecran_aide_->afficher();
    } else {
        la_grille_jouee_->afficher();
    }
    le_dock_->afficher();
    un_fond_->afficher();
    element_droite_->afficher();
    element_gauche_->afficher();
    terminer_affichage();
}

} // namespace grille_libre_3d_pkg
