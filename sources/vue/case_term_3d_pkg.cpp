// Case terminale à l'écran : chiffre noir en travers de la tuile, textures des cases terminales.
#include "case_term_3d_pkg.hpp"

#include "case_terminale_pkg.hpp"

#include <stdexcept>
#include <string>

namespace case_term_3d_pkg {

namespace {
// Un texte haut d'une unité, à l'échelle 2, couvre la tuile (−1 .. 1) sur toute sa hauteur ; en largeur, le
// nombre reste en deçà du biseau de la tuile (un « 10 » est réduit pour y tenir).
constexpr float echelle_chiffre = 2.0f;
constexpr float largeur_chiffre = 1.6f;
} // namespace

void case_term_affichable::initialiser(const case_simple_pkg::classe_case& case_modele, int taille_grille) {
    const auto terminale = std::dynamic_pointer_cast<case_terminale_pkg::case_terminale>(case_modele);
    if (!terminale) {
        throw std::invalid_argument("case_term_3d : la case montrée n'est pas une case terminale");
    }
    case_affichable::initialiser(case_modele, taille_grille);
    chiffre_ = terminale->valeur();
    if (chiffre_initialise_) {
        return;
    }
    // Les chiffres seuls, sans le blanc de tête de l'image décimale : centrés, ils gardent toute la place.
    texte_chiffre_ = std::make_shared<objet_texte_pkg::texte_affichable>(std::to_string(chiffre_),
                                                                         affichage_texte_pkg::noir);
    texte_chiffre_->definir_echelle(echelle_chiffre);
    texte_chiffre_->definir_largeur_max(largeur_chiffre);
    texte_chiffre_->mettre_a_jour();
    ajouter_sous_objet(texte_chiffre_);
    texture_libre_ = "case_terminale";
    texture_occupee_ = "case_terminale_occupe";
    chiffre_initialise_ = true;
}

void case_term_affichable::dessiner_contenu() {
    if (a_un_contenu()) {
        afficher_sous_objets();
    }
}

} // namespace case_term_3d_pkg
