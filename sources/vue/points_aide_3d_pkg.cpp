// Bloc des points d'aide : fond, crédit, points choisis et leurs trois boutons.
#include "points_aide_3d_pkg.hpp"

namespace points_aide_3d_pkg {

bouton creer_bouton(const std::string& texte, const std::string& evenement, const objet_3d_pkg::coordonnee_3d& position) {
    auto b = std::make_shared<bouton_rond_3d::bouton_rond_3d_affichable>();
    b->initialiser(texte, evenement);
    b->definir_echelle(0.2f);
    b->positionner_objet3d(position);
    return b;
}

score_3d_pkg::classe_score_affichable creer_score(const objet_3d_pkg::coordonnee_3d& position) {
    auto s = std::make_shared<score_3d_pkg::score_affichable>();
    s->initialiser();
    s->definir_echelle(0.35f);
    s->positionner_objet3d(position);
    return s;
}

void points_aide_affichable::initialiser() {
    le_fond_score_ = std::make_shared<fond_score_3d::fond_score_3d_affichable>();
    le_fond_score_->initialiser();
    le_fond_score_->definir_echelle(0.56f);
    le_fond_score_->positionner_objet3d({2.12f, -0.5f, 0.0f});
    le_score_aide_ = creer_score({2.12f, -0.4f, 0.0f});
    les_points_aide_ = creer_score({2.12f, -0.6f, 0.0f});
    bouton_aide_plus_ = creer_bouton("+", "bouton_aide_plus", {1.82f, -0.6f, 0.0f});
    bouton_aide_moins_ = creer_bouton("-", "bouton_aide_moins", {2.42f, -0.6f, 0.0f});
    bouton_ok_ = creer_bouton("ok", "bouton_ok", {2.12f, -0.9f, 0.0f});
}

void points_aide_affichable::mettre_a_jour(int points_aide, int points_choisis) {
    le_score_aide_->mettre_a_jour(points_aide);
    les_points_aide_->mettre_a_jour(points_choisis);
}

void points_aide_affichable::afficher() {
    preparer_affichage();
    le_fond_score_->afficher();
    le_score_aide_->afficher();
    bouton_aide_plus_->afficher();
    les_points_aide_->afficher();
    bouton_aide_moins_->afficher();
    bouton_ok_->afficher();
    terminer_affichage();
}

} // namespace points_aide_3d_pkg
