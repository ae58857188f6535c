// Panneau droit de la campagne, dans le repère du panneau du cadre.
#include "interface_partie_droite_pkg.hpp"

#include "piece_pkg.hpp"

namespace interface_partie_droite_pkg {

namespace {
using objet_3d_pkg::coordonnee_3d;

// Les quatre flèches autour du bouton de zoom, chacune tournée vers son côté du cube.
struct place_fleche {
    float rotation;
    coordonnee_3d position;
};
constexpr std::array<place_fleche, 4> places_fleches{{
    {0.0f, {2.12f, -1.27f, 0.0f}},
    {180.0f, {2.12f, -1.83f, 0.0f}},
    {90.0f, {1.84f, -1.55f, 0.0f}},
    {-90.0f, {2.40f, -1.55f, 0.0f}},
}};

// Les planètes en colonne de part et d'autre du haut du panneau, le soleil en bas.
struct place_planete {
    float echelle;
    coordonnee_3d position;
};
constexpr std::array<place_planete, planetes_3d_pkg::nombre_planetes> places_planetes{{
    {0.035f, {1.85f, 1.95f, 0.0f}},
    {0.14f, {2.40f, 1.8f, 0.0f}},
    {0.15f, {1.85f, 1.6f, 0.0f}},
    {0.2f, {2.40f, 1.3f, 0.0f}},
    {0.18f, {1.85f, 1.05f, 0.0f}},
    {0.08f, {2.40f, 0.8f, 0.0f}},
    {0.12f, {1.85f, 0.6f, 0.0f}},
    {0.11f, {2.40f, 0.4f, 0.0f}},
    {0.06f, {1.85f, 0.2f, 0.0f}},
    {0.06f, {2.125f, 0.0f, 0.0f}},
}};
} // namespace

void interface_partie_droite_affichable::initialiser(niveau_pkg::niveau_ptr m) {
    if (est_initialise_) return;
    modele_ = std::move(m);
    sphere_ = sphere_3d::creer_quadrique();
    points_aide_->initialiser();
    txt_score_aide_ = piece_pkg::creer_etiquette("Score & Points Aide", affichage_texte_pkg::jaune_pale, 0.15f,
                                                 {2.12f, -0.05f, 0.0f}, 0.8f);
    le_score_ = points_aide_3d_pkg::creer_score({2.12f, -0.2f, 0.0f});
    bouton_zoom_ = points_aide_3d_pkg::creer_bouton("+", "bouton_zoom", {2.12f, -1.55f, 0.0f});
    for (std::size_t i = 0; i < fleches_.size(); ++i) {
        fleches_[i] = std::make_shared<fleche_3d::fleche_3d_affichable>();
        fleches_[i]->initialiser();
        fleches_[i]->la_direction = static_cast<int>(i);
        fleches_[i]->definir_echelle(0.35f);
        if (places_fleches[i].rotation != 0.0f) {
            fleches_[i]->rotation_objet3d(places_fleches[i].rotation, {0.0f, 0.0f, 1.0f});
        }
        fleches_[i]->positionner_objet3d(places_fleches[i].position);
    }
    taille_restante_ = piece_pkg::creer_etiquette(" 0", affichage_texte_pkg::blanc, 0.3f, {1.74f, -1.27f, 0.0f});
    for (std::size_t i = 0; i < les_spheres_.size(); ++i) {
        les_spheres_[i] = planetes_3d_pkg::creer_planete(sphere_, static_cast<int>(i) + 1, places_planetes[i].echelle,
                                                         places_planetes[i].position, false);
    }
    est_initialise_ = true;
}

void interface_partie_droite_affichable::planete_decouverte(int num) {
    les_spheres_.at(static_cast<std::size_t>(num - 1))->mettre_trouve();
}

void interface_partie_droite_affichable::mettre_a_jour_etat_zoom(bool zoom) {
    bouton_zoom_->mettre_a_jour(zoom ? " -" : "+");
}

void interface_partie_droite_affichable::mettre_a_jour(coeur_jeu_pkg::etat etat_jeu) {
    const partie_pkg::partie_ptr partie = modele_->obtenir_partie_courante();
    le_score_->mettre_a_jour(partie->obtenir_score());
    points_aide_->mettre_a_jour(modele_->obtenir_score_aide(), modele_->obtenir_compteur_aide());
    // Hors construction, le nombre est caché mais garde sa dernière valeur.
    en_construction_ = etat_jeu == coeur_jeu_pkg::etat::CONSTRUCTION;
    if (en_construction_) {
        taille_restante_->definir_texte(score_3d_pkg::image_entier(partie->obtenir_chemin_courant()->combien_reste()));
    }
}

void interface_partie_droite_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_INTERFACE_PARTIE_DROITE_NON_INITIALISE();
    preparer_affichage();
    points_aide_->afficher();
    txt_score_aide_->afficher();
    le_score_->afficher();
    bouton_zoom_->afficher();
    for (const fleche& f : fleches_) f->afficher();
    // Le soleil n'a pas sa place dans le panneau : il n'apparaît qu'à la fin de la campagne.
    for (std::size_t i = 0; i + 1 < les_spheres_.size(); ++i) les_spheres_[i]->afficher();
    if (en_construction_) taille_restante_->afficher();
    terminer_affichage();
}

} // namespace interface_partie_droite_pkg
