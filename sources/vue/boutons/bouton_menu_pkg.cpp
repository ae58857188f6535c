// Entrée de menu : surbrillance bleue agrandie, événement nommé au relâchement.
#include "bouton_menu_pkg.hpp"


namespace bouton_menu_pkg {

namespace {
constexpr float echelle_surbrillance = 1.5f;
constexpr float echelle_normale = 1.0f;
} // namespace

void bouton_menu::initialiser(const std::string& texte, const std::string& nom_action) {
    objet_3d_recepteur::initialiser();
    le_texte_ = std::make_shared<objet_texte_pkg::texte_affichable>(texte);
    nom_action_ = nom_action;
    le_texte_->mettre_a_jour();
    ajouter_sous_objet(le_texte_);
}

void bouton_menu::mettre_a_jour_texte(const std::string& nouv_texte) {
    if (!le_texte_) {
        throw ERREUR_BOUTON_MENU_NON_INITIALISE();
    }
    le_texte_->definir_texte(nouv_texte);
}

void bouton_menu::selection_clavier() {
    en_surbrillance_ = true;
    if (le_texte_) {
        le_texte_->definir_echelle(echelle_surbrillance);
        le_texte_->definir_couleur(affichage_texte_pkg::bleu);
    }
}

void bouton_menu::deselection_clavier() {
    en_surbrillance_ = false;
    if (le_texte_) {
        le_texte_->definir_echelle(echelle_normale);
        le_texte_->definir_couleur(affichage_texte_pkg::blanc);
    }
}

void bouton_menu::afficher() {
    if (!le_texte_) {
        throw ERREUR_BOUTON_MENU_NON_INITIALISE();
    }
    preparer_affichage();
    afficher_sous_objets();
    terminer_affichage();
}

void bouton_menu::sourisrelache(const evenement_pkg::evenement&) {
    rapporter(nom_action_);
}

void bouton_menu::sourisentre(const evenement_pkg::evenement&) { selection_clavier(); }

// La surbrillance est la ligne du clavier : elle reste allumée quand le pointeur s'en va, et ne passe à une
// autre entrée que lorsque le pointeur y entre ou que le clavier la déplace.
void bouton_menu::sourissort(const evenement_pkg::evenement&) {}

} // namespace bouton_menu_pkg
