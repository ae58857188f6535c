// Grille jouée : curseur, défilement de la vue rapprochée jusqu'au curseur, loupes d'aide, fin de partie.
#include "grille_jouee_3d_pkg.hpp"

#include <algorithm>

namespace grille_jouee_3d_pkg {

namespace {
// Les cases d'un chemin, dans son ordre ; aucune pour un chemin nul ou vierge.
std::vector<case_simple_pkg::coordonnees> cases_du_chemin(const grille_pkg::chemin_ptr& chemin) {
    std::vector<case_simple_pkg::coordonnees> cases;
    if (!chemin || !chemin->est_initialise()) return cases;
    for (int k = 1; k <= chemin->longueur(); ++k) cases.push_back(chemin->nieme_coord(k));
    return cases;
}
} // namespace

void suivre_curseur(case_simple_pkg::coordonnees& centre, case_simple_pkg::coordonnees curseur,
                    const marges_defilement& m) {
    centre.x = std::clamp(centre.x, curseur.x - m.vers_x_croissants, curseur.x + m.vers_x_decroissants);
    centre.y = std::clamp(centre.y, curseur.y - m.vers_y_croissants, curseur.y + m.vers_y_decroissants);
}

int grille_jouee_affichable::taille() const { return partie_->obtenir_grille()->taille(); }

void grille_jouee_affichable::initialiser(std::shared_ptr<const jeu_sur_grille_pkg::jeu_sur_grille> partie,
                                          const disposition& d) {
    partie_ = std::move(partie);
    disposition_ = d;
    la_grille_ = std::make_shared<grille_3d_pkg::grille_affichable>(partie_->obtenir_grille());
    la_grille_->initialiser();
    le_curseur_ = std::make_shared<curseur_3d_pkg::curseur_affichable>(taille());
    if (!gagnee()) le_curseur_->mettre_a_jour(partie_->obtenir_curseur());
    coef_echelle_ = disposition_.cote / static_cast<float>(taille());
    // Trop petites pour être lues, les cases d'une grande grille se regardent aussi de près.
    if (coef_echelle_ < coef_min) la_vue_ = etat_vue::ETENDU;
    a_ete_modifie_ = false;
}

void grille_jouee_affichable::mettre_a_jour(const grille_pkg::chemin_ptr& chemin_aide) {
    if (a_ete_modifie_) {
        le_curseur_->mettre_a_jour(partie_->obtenir_curseur());
        a_ete_modifie_ = false;
    }
    if (la_vue_ == etat_vue::ZOOM) {
        coef_echelle_ = coef_min;
        suivre_curseur(centre_, partie_->obtenir_curseur(), {6, 7, 7, 7});
    } else if (la_vue_ == etat_vue::ETENDU) {
        coef_echelle_ = disposition_.cote / static_cast<float>(taille());
    }
    if (finie_) return;
    if (gagnee()) {
        // La grille résolue montre son image : plus de loupe, toutes les tuiles finies.
        poser_loupes({});
        for (int x = 1; x <= taille(); ++x) {
            for (int y = 1; y <= taille(); ++y) la_grille_->obtenir_case_affichable({x, y})->finir_case();
        }
        finie_ = true;
        return;
    }
    poser_loupes(cases_du_chemin(chemin_aide));
}

void grille_jouee_affichable::poser_loupes(const std::vector<case_simple_pkg::coordonnees>& cases) {
    if (cases == loupes_) return;
    for (const auto& c : loupes_) la_grille_->obtenir_case_affichable(c)->modifier_aide(false);
    for (const auto& c : cases) la_grille_->obtenir_case_affichable(c)->modifier_aide(true);
    loupes_ = cases;
}

void grille_jouee_affichable::desactiver_ancienne_aide() { poser_loupes({}); }

void grille_jouee_affichable::modifier_plan_vue() {
    if (la_vue_ == etat_vue::ZOOM) {
        la_vue_ = etat_vue::ETENDU;
    } else if (la_vue_ == etat_vue::ETENDU) {
        la_vue_ = etat_vue::ZOOM;
        centre_ = partie_->obtenir_curseur();
    }
}

void grille_jouee_affichable::activer_cases() {
    for (int x = 1; x <= taille(); ++x) {
        for (int y = 1; y <= taille(); ++y) la_grille_->obtenir_case_affichable({x, y})->activer();
    }
}

void grille_jouee_affichable::desactiver_cases() {
    for (int x = 1; x <= taille(); ++x) {
        for (int y = 1; y <= taille(); ++y) la_grille_->obtenir_case_affichable({x, y})->desactiver();
    }
}

void grille_jouee_affichable::placer(objet_3d_pkg::objet_affichable& o) const {
    o.definir_echelle(coef_echelle_);
    if (la_vue_ == etat_vue::ZOOM) {
        const int demi = taille() / 2;
        const objet_3d_pkg::coordonnee_3d& z = disposition_.origine_zoom;
        o.positionner_objet3d({static_cast<float>(centre_.x - demi) * disposition_.pas_zoom_x + z.x,
                               static_cast<float>(centre_.y - demi) * disposition_.pas_zoom_y + z.y, z.z});
    } else {
        o.positionner_objet3d(disposition_.position);
    }
}

void grille_jouee_affichable::afficher() {
    if (!partie_) throw ERREUR_GRILLE_JOUEE_NON_INITIALISEE();
    placer(*la_grille_);
    placer(*le_curseur_);
    if (disposition_.avance_curseur != 0.0f) {
        const objet_3d_pkg::coordonnee_3d p = le_curseur_->obtenir_position_objet3d();
        le_curseur_->positionner_objet3d({p.x, p.y, p.z + disposition_.avance_curseur});
    }
    preparer_affichage();
    la_grille_->afficher();
    if (curseur_visible_ && !gagnee()) le_curseur_->afficher();
    terminer_affichage();
}

} // namespace grille_jouee_3d_pkg
