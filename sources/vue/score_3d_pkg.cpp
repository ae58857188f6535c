// Nombre affiché en texte, refait seulement quand il change.
#include "score_3d_pkg.hpp"

#include "objet_texte_pkg.hpp"
#include "piece_pkg.hpp"

namespace score_3d_pkg {

std::string image_entier(int n) { return n >= 0 ? " " + std::to_string(n) : std::to_string(n); }

void score_affichable::poser_texte() {
    ajouter_sous_objet(piece_pkg::creer_etiquette(image_entier(chiffre_), affichage_texte_pkg::blanc, 0.5f, {}));
}

void score_affichable::initialiser() {
    if (est_initialise_) return;
    poser_texte();
    est_initialise_ = true;
}

void score_affichable::mettre_a_jour(int score) {
    if (deja_affiche_ && score == chiffre_) return;
    if (!objet_3d_pkg::l_obj3d::est_vide(obtenir_sous_objets())) supprimer_sous_objet(obtenir_nieme_objets(1));
    chiffre_ = score;
    poser_texte();
    deja_affiche_ = true;
}

std::string score_affichable::obtenir_texte() const {
    if (objet_3d_pkg::l_obj3d::est_vide(obtenir_sous_objets())) return {};
    const auto texte = std::dynamic_pointer_cast<objet_texte_pkg::texte_affichable>(obtenir_nieme_objets(1));
    return texte ? texte->obtenir_texte() : std::string();
}

void score_affichable::afficher() {
    preparer_affichage();
    afficher_sous_objets();
    terminer_affichage();
}

} // namespace score_3d_pkg
