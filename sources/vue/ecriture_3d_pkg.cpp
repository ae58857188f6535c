// Saisie de texte : le texte tapé, aligné à gauche, et ses deux boutons.
#include "ecriture_3d_pkg.hpp"

namespace ecriture_3d_pkg {

namespace {
using bouton_ecriture_pkg::bouton_ecriture;
using bouton_ecriture_pkg::t_bouton_ecriture;

constexpr float echelle_boutons = 1.4f;
constexpr float largeur_champ = 7.0f;

std::shared_ptr<bouton_ecriture> creer_bouton(t_bouton_ecriture le_type, const objet_3d_pkg::coordonnee_3d& position) {
    auto bouton = std::make_shared<bouton_ecriture>(le_type);
    bouton->initialiser();
    bouton->positionner_objet3d(position);
    bouton->definir_echelle(echelle_boutons);
    return bouton;
}
} // namespace

void ecriture_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    // Le champ montre un blanc tant que rien n'est tapé ; le texte saisi, lui, reste vide.
    affich_ = std::make_shared<objet_texte_pkg::texte_affichable>(" ");
    affich_->definir_echelle(0.5f);
    // Un long nom tapé est réduit puis coupé plutôt que de sortir de la fenêtre.
    affich_->definir_largeur_max(largeur_champ);
    b_ok_ = creer_bouton(t_bouton_ecriture::VALIDER, {4.0f, -1.5f, 0.0f});
    b_precedent_ = creer_bouton(t_bouton_ecriture::PRECEDENT, {0.0f, -1.5f, 0.0f});
    est_initialise_ = true;
}

void ecriture_affichable::definir_texte(const std::string& texte) {
    texte_ = texte;
    if (affich_) {
        affich_->definir_texte(texte_);
    }
}

void ecriture_affichable::mettre_a_jour(const std::string& caractere) {
    definir_texte(texte_ + caractere);
    if (affich_) {
        affich_->mettre_a_jour();
    }
}

// Une saisie pas encore construite n'a rien à montrer.
void ecriture_affichable::afficher() {
    if (!est_initialise_) {
        return;
    }
    // Le texte part de l'origine de la saisie et s'allonge vers la droite : il ne recouvre jamais l'étiquette
    // posée à sa gauche.
    affich_->mettre_a_jour();
    affich_->positionner_objet3d({affich_->obtenir_largeur_affichee() / 2.0f, 0.0f, 0.0f});
    preparer_affichage();
    affich_->afficher();
    b_ok_->afficher();
    b_precedent_->afficher();
    terminer_affichage();
}

} // namespace ecriture_3d_pkg
