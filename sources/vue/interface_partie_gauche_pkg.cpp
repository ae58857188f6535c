// Panneau gauche de la campagne : boutons du cockpit et, dans le coin haut gauche, compte, niveau et face.
#include "interface_partie_gauche_pkg.hpp"

#include "piece_pkg.hpp"
#include "score_3d_pkg.hpp"

namespace interface_partie_gauche_pkg {

namespace {
// Le coin haut gauche du cadre, à gauche de sa barre du haut ; les deux textes y sont centrés sur la même
// verticale, assez loin du bord de la fenêtre (x = −2,7) pour y tenir entiers.
constexpr float centre_coin = -2.35f;
constexpr float largeur_coin = 0.65f;
} // namespace

void interface_partie_gauche_affichable::initialiser(campagne_pkg::campagne_ptr c) {
    if (est_initialise_) return;
    modele_ = std::move(c);
    boutons_->initialiser();
    nom_session_ = piece_pkg::creer_etiquette("Unknown", affichage_texte_pkg::vert, 0.2f, {centre_coin, 1.86f, 0.0f},
                                              largeur_coin);
    texte_niveau_ = piece_pkg::creer_etiquette("0-0", affichage_texte_pkg::jaune_pale, 0.2f, {centre_coin, 1.68f, 0.0f},
                                               largeur_coin);
    est_initialise_ = true;
}

void interface_partie_gauche_affichable::mettre_a_jour() {
    const std::string nom = modele_->obtenir_nom();
    nom_session_->definir_texte(nom.empty() ? "Unknown" : nom);
    texte_niveau_->definir_texte(
        score_3d_pkg::image_entier(modele_->obtenir_numero_niveau_courant()) + " - " +
        score_3d_pkg::image_entier(modele_->obtenir_niveau_courant()->obtenir_numero_partie_courante()));
}

void interface_partie_gauche_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_INTERFACE_PARTIE_GAUCHE_NON_INITIALISE();
    preparer_affichage();
    boutons_->afficher();
    nom_session_->afficher();
    texte_niveau_->afficher();
    terminer_affichage();
}

} // namespace interface_partie_gauche_pkg
