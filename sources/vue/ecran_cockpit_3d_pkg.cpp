// Écran de jeu dans le cadre du cockpit : construction des pièces communes et ordre de dessin.
#include "ecran_cockpit_3d_pkg.hpp"

#include "gestionnaire_texture_pkg.hpp"

namespace ecran_cockpit_3d_pkg {

namespace {
// La grille entière tient dans dix unités au milieu du cadre ; de près, elle recule et suit le curseur.
const grille_jouee_3d_pkg::disposition disposition_cockpit{
    .position = {-2.0f, 0.0f, -17.0f},
    .cote = 10.0f,
    .origine_zoom = {-1.8f, 0.0f, -18.0f},
    .pas_zoom_x = -0.71f,
    .pas_zoom_y = -0.5f,
};

template <typename piece>
std::shared_ptr<piece> creer(const objet_3d_pkg::coordonnee_3d& position) {
    auto p = std::make_shared<piece>();
    p->positionner_objet3d(position);
    return p;
}
} // namespace

void ecran_cockpit_affichable::construire(std::shared_ptr<const jeu_sur_grille_pkg::jeu_sur_grille> partie,
                                          const contenu& c) {
    la_grille_jouee_->initialiser(std::move(partie), disposition_cockpit);
    un_fond_ = creer<fond_pkg::fond_affichable>({0.0f, 0.0f, -5.0f});
    un_fond_->initialiser();
    panneau_droit_ = c.panneau_droit;
    panneau_droit_->positionner_objet3d({0.0f, 0.0f, -4.9f});
    panneau_gauche_ = creer<interface_libre_gauche_pkg::interface_libre_gauche_affichable>({0.0f, 0.0f, -4.9f});
    panneau_gauche_->initialiser();
    ecran_aide_ = c.aide;
    ecran_aide_->positionner_objet3d({0.0f, 0.0f, -5.2f});

    // Le dock glisse : l'animation de la scène l'atteint parce qu'il est le seul sous-objet de l'écran.
    if (le_dock_) supprimer_sous_objet(le_dock_);
    le_dock_ = creer<interface_dock_pkg::interface_dock_affichable>({-0.1f, -2.8f, -5.1f});
    le_dock_->initialiser();
    for (const bouton_dock& b : c.dock) le_dock_->ajouter_bouton(b.texte, b.evenement);
    ajouter_sous_objet(le_dock_);
}

objet_3d_pkg::delai_image ecran_cockpit_affichable::delai_prochaine_image() const {
    return objet_3d_pkg::au_plus_tot(objet_affichable::delai_prochaine_image(), message_->delai_prochaine_image());
}

void ecran_cockpit_affichable::reconstruire_grille(std::shared_ptr<const jeu_sur_grille_pkg::jeu_sur_grille> partie) {
    la_grille_jouee_->initialiser(std::move(partie), disposition_cockpit);
    if (le_dock_->est_devoile()) le_dock_->toggle();
}

void ecran_cockpit_affichable::dessiner_cockpit() {
    gestionnaire_texture_pkg::initialiser_textures_partie(gestionnaire_texture_pkg::obtenir_textures());
    preparer_affichage();
    if (ecran_aide_actif_) {
        ecran_aide_->afficher();
    } else {
        la_grille_jouee_->afficher();
    }
    le_dock_->afficher();
    un_fond_->afficher();
    panneau_droit_->afficher();
    panneau_gauche_->afficher();
    message_->afficher();
    terminer_affichage();
}

} // namespace ecran_cockpit_3d_pkg
