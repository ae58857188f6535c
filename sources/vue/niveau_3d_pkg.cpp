// Vue d'un niveau : face courante, placement du cube (et défilement en vue rapprochée), faces tenues à jour.
#include "niveau_3d_pkg.hpp"

#include <GL/gl.h>

#include <algorithm>

namespace niveau_3d_pkg {

namespace {
using cote = cote_adjacent_cube;

// Face atteinte, par face de départ (1 à 6) et par côté : haut, bas, gauche, droite.
constexpr std::array<std::array<numero_face, 4>, 6> adjacence_faces{{
    {5, 6, 4, 2},
    {5, 6, 1, 3},
    {5, 6, 2, 4},
    {5, 6, 3, 1},
    {3, 1, 4, 2},
    {1, 3, 4, 2},
}};

constexpr objet_3d_pkg::coordonnee_3d position_cube{0.0f, 0.0f, -20.0f};
// Le cube se tient un peu à gauche, devant le panneau de droite.
constexpr float decalage_cube = -1.75f;
} // namespace

numero_face obtenir_numero_face_adjacente(numero_face face, cote_adjacent_cube direction) {
    return adjacence_faces.at(static_cast<std::size_t>(face - 1)).at(static_cast<std::size_t>(direction));
}

void niveau_affichable::initialiser(niveau_pkg::niveau_ptr niveau_modele) {
    modele_ = std::move(niveau_modele);
    for (std::size_t i = 0; i < les_parties_.size(); ++i) {
        auto face = std::make_shared<partie_3d_pkg::partie_affichable>();
        face->initialiser(modele_->obtenir_partie(static_cast<int>(i) + 1));
        les_parties_[i] = face;
    }
    if (le_cube_) supprimer_sous_objet(le_cube_);
    le_cube_ = std::make_shared<cube_niveau_3d_pkg::cube_niveau_3d>();
    le_cube_->initialiser(les_parties_);
    le_cube_->positionner_objet3d(position_cube);
    le_cube_->definir_echelle(1.0f);
    // Sous-objet pour que l'arbre l'anime ; le niveau le dessine lui-même.
    ajouter_sous_objet(le_cube_);
    la_partie_courante_ = modele_->obtenir_numero_partie_courante();
    partie_courante()->activer();
    zoom_ = false;
    est_initialise_ = true;
}

partie_3d_pkg::classe_partie_affichable niveau_affichable::partie_courante() const {
    return obtenir_face(la_partie_courante_);
}

partie_3d_pkg::classe_partie_affichable niveau_affichable::obtenir_face(numero_face i) const {
    return les_parties_.at(static_cast<std::size_t>(i - 1));
}

int niveau_affichable::taille_face_courante() const {
    return static_cast<int>(partie_courante()->obtenir_taille_partie());
}

void niveau_affichable::mettre_a_jour() {
    if (modele_->obtenir_numero_partie_courante() != la_partie_courante_) {
        if (zoom_) changer_vue();
        partie_courante()->desactiver();
        la_partie_courante_ = modele_->obtenir_numero_partie_courante();
        partie_courante()->activer();
        le_cube_->changer_face(la_partie_courante_);
    }
    const int t = taille_face_courante();
    if (!zoom_) {
        le_cube_->positionner_objet3d(position_cube);
    } else {
        grille_jouee_3d_pkg::suivre_curseur(case_centree_, partie_courante()->obtenir_la_partie()->obtenir_curseur(),
                                            {6, 6, 6, 6});
        le_cube_->positionner_objet3d({static_cast<float>(case_centree_.x - t / 2) * -0.65f + 0.8f,
                                       static_cast<float>(case_centree_.y - t / 2) * -0.6f,
                                       static_cast<float>(20 - t) / 3.8f - 20.0f});
    }
    partie_courante()->doit_etre_modifie();
    for (std::size_t i = 0; i < les_parties_.size(); ++i) {
        les_parties_[i]->mettre_a_jour(modele_->obtenir_chemin_aide(static_cast<int>(i) + 1));
    }
}

void niveau_affichable::changer_vue() {
    const int t = taille_face_courante();
    if (static_cast<float>(t) <= taille_minimum_zoom) return;
    if (!zoom_) {
        const case_simple_pkg::coordonnees c = partie_courante()->obtenir_la_partie()->obtenir_curseur();
        case_centree_ = {std::clamp(c.x, 7, t - 7), std::clamp(c.y, 7, t - 7)};
        le_cube_->definir_echelle(static_cast<float>(t) / taille_minimum_zoom);
        zoom_ = true;
    } else {
        le_cube_->definir_echelle(1.0f);
        zoom_ = false;
    }
}

void niveau_affichable::desactiver_ancienne_aide() { partie_courante()->desactiver_ancienne_aide(); }

void niveau_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_NIVEAU_AFFICHABLE_NON_INITIALISEE();
    preparer_affichage();
    glPushMatrix();
    glTranslatef(decalage_cube, 0.0f, 0.0f);
    le_cube_->afficher();
    glPopMatrix();
    terminer_affichage();
}

} // namespace niveau_3d_pkg
