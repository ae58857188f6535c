// Panneau droit de la partie libre, placé dans le repère du panneau du cadre.
#include "interface_libre_droite_pkg.hpp"

#include "piece_pkg.hpp"

namespace interface_libre_droite_pkg {

namespace {
constexpr affichage_texte_pkg::couleur_texte rouge{255, 0, 0, 255};
constexpr affichage_texte_pkg::couleur_texte jaune{243, 243, 108, 255};
constexpr float echelle_bouton = 0.2f;
// Le cadre du nom, dans le panneau du haut : centré en x = 2,18, 0,78 de large entre ses bordures.
constexpr float centre_cadre_nom = 2.18f;
constexpr float largeur_nom = 0.78f;

bouton creer_bouton(const std::string& texte, const std::string& evenement, const objet_3d_pkg::coordonnee_3d& position) {
    auto b = std::make_shared<bouton_rond_3d::bouton_rond_3d_affichable>();
    b->initialiser(texte, evenement);
    b->definir_echelle(echelle_bouton);
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
} // namespace

void interface_libre_droite_affichable::initialiser() {
    if (est_initialise_) return;
    using piece_pkg::creer_etiquette;
    txt_nom_ = creer_etiquette("Nom Grille", rouge, 0.15f, {centre_cadre_nom, 1.9f, 0.0f});
    txt_nom_grille_ = creer_etiquette("", jaune, 0.2f,
                                      {centre_cadre_nom, 1.7f, 0.0f}, largeur_nom);
    txt_aide_ = creer_etiquette("Points Aide", rouge, 0.15f, {2.12f, -0.1f, 0.0f});
    le_fond_score_ = std::make_shared<fond_score_3d::fond_score_3d_affichable>();
    le_fond_score_->initialiser();
    le_fond_score_->definir_echelle(0.56f);
    le_fond_score_->positionner_objet3d({2.12f, -0.5f, 0.0f});
    le_score_aide_ = creer_score({2.12f, -0.4f, 0.0f});
    les_points_aide_ = creer_score({2.12f, -0.6f, 0.0f});
    bouton_aide_plus_ = creer_bouton("+", "bouton_aide_plus", {1.82f, -0.6f, 0.0f});
    bouton_aide_moins_ = creer_bouton("-", "bouton_aide_moins", {2.42f, -0.6f, 0.0f});
    bouton_ok_ = creer_bouton("ok", "bouton_ok", {2.12f, -0.9f, 0.0f});
    txt_zoom_ = creer_etiquette("Zoom +/-", rouge, 0.15f, {2.12f, -1.35f, 0.0f});
    bouton_zoom_ = creer_bouton("+", "bouton_zoom", {2.12f, -1.55f, 0.0f});
    taille_restante_ = creer_etiquette(" 0", affichage_texte_pkg::blanc, 0.3f, {2.07f, 0.75f, 0.0f});
    est_initialise_ = true;
}

void interface_libre_droite_affichable::mettre_a_jour_etat_zoom(bool zoom) {
    bouton_zoom_->mettre_a_jour(zoom ? " -" : "+");
}

void interface_libre_droite_affichable::mettre_a_jour(const valeurs_panneau& valeurs) {
    le_score_aide_->mettre_a_jour(valeurs.points_aide);
    les_points_aide_->mettre_a_jour(valeurs.points_choisis);
    txt_nom_grille_->definir_texte(valeurs.nom_grille);
    mettre_a_jour_etat_zoom(valeurs.zoom);
    en_construction_ = valeurs.cases_restantes.has_value();
    if (en_construction_) taille_restante_->definir_texte(score_3d_pkg::image_entier(*valeurs.cases_restantes));
}

void interface_libre_droite_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_INTERFACE_LIBRE_DROITE_NON_INITIALISE();
    preparer_affichage();
    le_fond_score_->afficher();
    le_score_aide_->afficher();
    bouton_aide_plus_->afficher();
    les_points_aide_->afficher();
    bouton_aide_moins_->afficher();
    bouton_ok_->afficher();
    txt_nom_->afficher();
    txt_nom_grille_->afficher();
    txt_aide_->afficher();
    txt_zoom_->afficher();
    bouton_zoom_->afficher();
    if (en_construction_) taille_restante_->afficher();
    terminer_affichage();
}

} // namespace interface_libre_droite_pkg
