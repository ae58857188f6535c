// Panneau de fin de niveau : planète du niveau, scores des six grilles, félicitations.
#include "panneau_fin.hpp"

#include "piece_pkg.hpp"
#include "score_3d_pkg.hpp"

namespace panneau_fin {

namespace {
// Les félicitations tiennent dans la fenêtre du cadre, où elles passent sur la planète : une ombre les y garde
// lisibles. L'invitation, trop basse à y = -1,05 pour ne pas passer sous le bas du cadre, remonte à -0,9, là où
// la fenêtre du cadre se resserre déjà.
constexpr float largeur_felicitation = 2.4f;
constexpr float y_invitation = -0.9f;
constexpr float largeur_invitation = 1.8f;
} // namespace

void panneau_fin_affichable::initialiser(niveau_pkg::niveau_ptr m, campagne_pkg::campagne_ptr mc) {
    if (est_initialise_) return;
    modele_ = std::move(m);
    modele_campagne_ = std::move(mc);
    sphere_ = sphere_3d::creer_quadrique();
    texte_fin_ = piece_pkg::creer_etiquette("Appuyez sur 'ENTREE' pour passer au niveau suivant.",
                                            affichage_texte_pkg::vert, 0.1f, {0.0f, y_invitation, 0.0f},
                                            largeur_invitation);
    texte_felicitation_ = piece_pkg::creer_etiquette("Félicitations !!! Une nouvelle planète vient d'être créée !",
                                                     affichage_texte_pkg::jaune, 0.1f, {0.0f, 0.5f, 0.0f},
                                                     largeur_felicitation);
    texte_felicitation_->definir_ombre(true);
    for (std::size_t i = 0; i < les_spheres_.size(); ++i) {
        les_spheres_[i] = planetes_3d_pkg::creer_planete(sphere_, static_cast<int>(i) + 1, 1.5f, {1.0f, 1.0f, -3.0f},
                                                         true);
    }
    scores_->initialiser(8, {.x_etiquette = -0.3f, .x_nombre = 0.25f, .y_premiere = 0.25f, .pas = 0.14f,
                             .largeur_etiquette = 0.0f});
    est_initialise_ = true;
}

void panneau_fin_affichable::afficher_score_fin_niveau() {
    for (int i = 1; i <= niveau_pkg::NOMBRE_PARTIES; ++i) {
        scores_->definir_ligne(i, "Partie " + score_3d_pkg::image_entier(i) + " :",
                               modele_->obtenir_partie(i)->obtenir_score_avec_chrono());
    }
    scores_->definir_ligne(7, "Score Aide :", modele_->obtenir_score_aide());
    scores_->definir_ligne(8, "Total Niveau :", modele_->score_niveau_avec_aide());
    scores_->afficher();
}

void panneau_fin_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_PANNEAU_FIN_NON_INITIALISE();
    preparer_affichage();
    const int niveau = modele_campagne_->obtenir_numero_niveau_courant();
    les_spheres_.at(static_cast<std::size_t>(niveau - 1))->afficher();
    afficher_score_fin_niveau();
    texte_fin_->afficher();
    texte_felicitation_->definir_texte(niveau == planetes_3d_pkg::nombre_planetes
                                           ? "Félicitations !!! L'étoile du système solaire vient d'être créée !"
                                           : "Félicitations !!! Une nouvelle planète vient d'être créée !");
    texte_felicitation_->afficher();
    terminer_affichage();
}

} // namespace panneau_fin
