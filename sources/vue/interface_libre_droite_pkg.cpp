// Panneau droit de la partie libre, placé dans le repère du panneau du cadre.
#include "interface_libre_droite_pkg.hpp"

#include "piece_pkg.hpp"

namespace interface_libre_droite_pkg {

namespace {
// Le cadre du nom, dans le panneau du haut : centré en x = 2,18, 0,78 de large entre ses bordures.
constexpr float centre_cadre_nom = 2.18f;
constexpr float largeur_nom = 0.78f;
} // namespace

void interface_libre_droite_affichable::initialiser() {
    if (est_initialise_) return;
    using piece_pkg::creer_etiquette;
    txt_nom_ = creer_etiquette("Nom Grille", affichage_texte_pkg::rouge, 0.15f, {centre_cadre_nom, 1.9f, 0.0f});
    txt_nom_grille_ = creer_etiquette("", affichage_texte_pkg::jaune_pale, 0.2f,
                                      {centre_cadre_nom, 1.7f, 0.0f}, largeur_nom);
    txt_aide_ = creer_etiquette("Points Aide", affichage_texte_pkg::rouge, 0.15f, {2.12f, -0.1f, 0.0f});
    points_aide_->initialiser();
    txt_zoom_ = creer_etiquette("Zoom +/-", affichage_texte_pkg::rouge, 0.15f, {2.12f, -1.35f, 0.0f});
    bouton_zoom_ = points_aide_3d_pkg::creer_bouton("+", "bouton_zoom", {2.12f, -1.55f, 0.0f});
    taille_restante_ = creer_etiquette(" 0", affichage_texte_pkg::blanc, 0.3f, {2.07f, 0.75f, 0.0f});
    // Le joueur voit qu'il reprend sa partie et comment repartir de zéro.
    txt_reprise_ = creer_etiquette("Reprise (R : recommencer)", affichage_texte_pkg::vert, 0.1f,
                                   {centre_cadre_nom, 1.5f, 0.0f}, largeur_nom);
    est_initialise_ = true;
}

void interface_libre_droite_affichable::mettre_a_jour_etat_zoom(bool zoom) {
    bouton_zoom_->mettre_a_jour(zoom ? " -" : "+");
}

void interface_libre_droite_affichable::mettre_a_jour(const valeurs_panneau& valeurs) {
    points_aide_->mettre_a_jour(valeurs.points_aide, valeurs.points_choisis);
    txt_nom_grille_->definir_texte(valeurs.nom_grille);
    mettre_a_jour_etat_zoom(valeurs.zoom);
    reprise_ = valeurs.reprise;
    en_construction_ = valeurs.cases_restantes.has_value();
    if (en_construction_) taille_restante_->definir_texte(score_3d_pkg::image_entier(*valeurs.cases_restantes));
}

void interface_libre_droite_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_INTERFACE_LIBRE_DROITE_NON_INITIALISE();
    preparer_affichage();
    points_aide_->afficher();
    txt_nom_->afficher();
    txt_nom_grille_->afficher();
    txt_aide_->afficher();
    txt_zoom_->afficher();
    bouton_zoom_->afficher();
    if (en_construction_) taille_restante_->afficher();
    if (reprise_) txt_reprise_->afficher();
    terminer_affichage();
}

} // namespace interface_libre_droite_pkg
