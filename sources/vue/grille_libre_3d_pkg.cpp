// Écran de la partie libre : mise à jour d'après la partie, vues normale, étendue et rapprochée.
#include "grille_libre_3d_pkg.hpp"

#include "case_term_3d_pkg.hpp"
#include "case_terminale_pkg.hpp"

namespace grille_libre_3d_pkg {

namespace {
constexpr objet_3d_pkg::coordonnee_3d position_grille{-2.0f, 0.0f, -17.0f};

int taille(const grille_libre_pkg::grille_libre& partie) { return partie.obtenir_grille()->taille(); }
} // namespace

void grille_libre_affichable::initialiser(grille_libre_pkg::grille_libre_ptr partie_modele, grille_pkg::chemin_ptr) {
    modele_ = std::move(partie_modele);
    la_grille_ = std::make_shared<grille_3d_pkg::grille_affichable>(modele_->obtenir_grille());
    la_grille_->initialiser();
    const int t = taille(*modele_);
    le_curseur_ = std::make_shared<curseur_3d_pkg::curseur_affichable>(t);
    if (!modele_->est_valide()) le_curseur_->mettre_a_jour(modele_->obtenir_curseur());
    coef_echelle_ = 10.0f / static_cast<float>(t);
    if (coef_echelle_ < coef_min) {
        la_vue_ = etat_vue::ETENDU;
        coef_echelle_ = coef_min;
    }

    un_fond_ = std::make_shared<fond_pkg::fond_affichable>();
    un_fond_->initialiser();
    un_fond_->positionner_objet3d({0.0f, 0.0f, -5.0f});
    element_droite_ = std::make_shared<interface_libre_droite_pkg::interface_libre_droite_affichable>();
    element_droite_->initialiser(modele_);
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
    a_ete_modifie_ = false;
}

void grille_libre_affichable::mettre_a_jour() {
    if (a_ete_modifie_) {
        le_curseur_->mettre_a_jour(modele_->obtenir_curseur());
        a_ete_modifie_ = false;
    }
    const int t = taille(*modele_);
    if (la_vue_ == etat_vue::ZOOM) {
        element_droite_->mettre_a_jour_etat_zoom(true);
        coef_echelle_ = coef_min;
        // Une case au plus par image, et un seul axe : le défilement reste lisible.
        const case_simple_pkg::coordonnees c = modele_->obtenir_curseur();
        if (c.x > centre_.x + 6) {
            ++centre_.x;
        } else if (c.x < centre_.x - 7) {
            --centre_.x;
        } else if (c.y > centre_.y + 7) {
            ++centre_.y;
        } else if (c.y < centre_.y - 7) {
            --centre_.y;
        }
    } else if (la_vue_ == etat_vue::ETENDU) {
        coef_echelle_ = 10.0f / static_cast<float>(t);
        element_droite_->mettre_a_jour_etat_zoom(false);
    }
    const bool fini = modele_->est_valide();
    if (!fini && !aide_initialise_) {
        marquer_aide(true);
        aide_initialise_ = true;
    }
    if (fini && !fini_initialise_) {
        for (int x = 1; x <= t; ++x) {
            for (int y = 1; y <= t; ++y) la_grille_->obtenir_case_affichable({x, y})->finir_case();
        }
        desactiver_ancienne_aide();
        fini_initialise_ = true;
    }
    element_droite_->mettre_a_jour();
}

void grille_libre_affichable::marquer_aide(bool aide) {
    if (!modele_->aide_est_initialise()) return;
    const grille_pkg::chemin_ptr chemin = modele_->obtenir_chemin_aide_courant();
    for (int k = 1; k <= chemin->longueur(); ++k) {
        const case_3d_pkg::classe_case_affichable tuile = la_grille_->obtenir_case_affichable(chemin->nieme_coord(k));
        if (const auto terminale = std::dynamic_pointer_cast<case_term_3d_pkg::case_term_affichable>(tuile)) {
            terminale->modifier_aide_term(aide);
        } else {
            tuile->modifier_aide(aide);
        }
    }
}

void grille_libre_affichable::desactiver_ancienne_aide() {
    marquer_aide(false);
    aide_initialise_ = false;
}

void grille_libre_affichable::activer() {
    const int t = taille(*modele_);
    for (int x = 1; x <= t; ++x) {
        for (int y = 1; y <= t; ++y) la_grille_->obtenir_case_affichable({x, y})->activer();
    }
}

void grille_libre_affichable::desactiver() {
    const int t = taille(*modele_);
    for (int x = 1; x <= t; ++x) {
        for (int y = 1; y <= t; ++y) la_grille_->obtenir_case_affichable({x, y})->desactiver();
    }
}

void grille_libre_affichable::modifier_plan_vue() {
    if (la_vue_ == etat_vue::ZOOM) {
        la_vue_ = etat_vue::ETENDU;
    } else if (la_vue_ == etat_vue::ETENDU) {
        la_vue_ = etat_vue::ZOOM;
        centre_ = modele_->obtenir_curseur();
    }
}

void grille_libre_affichable::placer(objet_3d_pkg::objet_affichable& o) const {
    o.definir_echelle(coef_echelle_);
    if (la_vue_ == etat_vue::ZOOM) {
        const int demi = taille(*modele_) / 2;
        o.positionner_objet3d({static_cast<float>(centre_.x - demi) * -0.71f - 1.8f,
                               static_cast<float>(centre_.y - demi) * -0.5f, -18.0f});
    } else {
        o.positionner_objet3d(position_grille);
    }
}

void grille_libre_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE();
    preparer_affichage();
    placer(*la_grille_);
    placer(*le_curseur_);
    if (ecran_aide_actif_) {
        ecran_aide_->afficher();
    } else {
        la_grille_->afficher();
        if (!modele_->est_valide()) le_curseur_->afficher();
    }
    le_dock_->afficher();
    un_fond_->afficher();
    element_droite_->afficher();
    element_gauche_->afficher();
    terminer_affichage();
}

} // namespace grille_libre_3d_pkg
