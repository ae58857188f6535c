// Panneau de fin de campagne : soleil, scores des dix niveaux, total.
#include "panneau_fin_campagne.hpp"

#include "piece_pkg.hpp"
#include "score_3d_pkg.hpp"

namespace panneau_fin_campagne {

namespace {
// Comme au panneau de fin de niveau : l'invitation remonte au-dessus du bas du cadre, les textes tiennent dans sa
// fenêtre (les étiquettes à gauche, le titre contre le panneau de droite) et le titre, sur le soleil, a une ombre.
constexpr float y_invitation = -0.95f;
constexpr float largeur_invitation = 1.8f;
constexpr float largeur_titre = 1.45f;
constexpr float largeur_etiquette = 0.5f;
} // namespace

void panneau_fin_campagne_affichable::initialiser(campagne_pkg::campagne_ptr c) {
    if (est_initialise_) return;
    modele_ = std::move(c);
    sphere_ = sphere_3d::creer_quadrique();
    sphere_soleil_ = planetes_3d_pkg::creer_planete(sphere_, planetes_3d_pkg::nombre_planetes, 2.0f, {1.0f, 1.0f, -3.0f},
                                                    true);
    texte_fin_ = piece_pkg::creer_etiquette("Appuyez sur 'ECHAP' pour revenir au Menu.", affichage_texte_pkg::vert, 0.1f,
                                            {0.0f, y_invitation, 0.0f}, largeur_invitation);
    texte_felicitation_ = piece_pkg::creer_etiquette("La Campagne est FINIE !", affichage_texte_pkg::jaune, 0.2f,
                                                     {0.65f, -0.5f, 0.0f}, largeur_titre);
    texte_felicitation_->definir_ombre(true);
    scores_->initialiser(campagne_pkg::NOMBRE_NIVEAUX + 1, {.x_etiquette = -1.0f,
                                                            .x_nombre = -0.45f,
                                                            .y_premiere = 0.65f,
                                                            .pas = 0.14f,
                                                            .largeur_etiquette = largeur_etiquette});
    est_initialise_ = true;
}

void panneau_fin_campagne_affichable::afficher_score_fin_campagne() {
    for (int i = 1; i <= campagne_pkg::NOMBRE_NIVEAUX; ++i) {
        scores_->definir_ligne(i, "Niveau " + score_3d_pkg::image_entier(i) + " :", modele_->obtenir_score_du_niveau(i));
    }
    scores_->definir_ligne(campagne_pkg::NOMBRE_NIVEAUX + 1, "Total Campagne :", modele_->score_campagne());
    scores_->afficher();
}

void panneau_fin_campagne_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_PANNEAU_FIN_CAMPAGNE_NON_INITIALISE();
    preparer_affichage();
    sphere_soleil_->afficher();
    afficher_score_fin_campagne();
    texte_fin_->afficher();
    texte_felicitation_->afficher();
    terminer_affichage();
}

} // namespace panneau_fin_campagne
