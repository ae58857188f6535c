// Colonne de scores : étiquettes et nombres posés une fois, recopiés à chaque image.
#include "tableau_scores_3d_pkg.hpp"

#include "piece_pkg.hpp"

namespace tableau_scores_3d_pkg {

void tableau_scores_affichable::initialiser(int nombre_lignes, const disposition& d) {
    if (!etiquettes_.empty()) return;
    for (int i = 0; i < nombre_lignes; ++i) {
        const float y = d.y_premiere - static_cast<float>(i) * d.pas;
        etiquettes_.push_back(
            piece_pkg::creer_etiquette("", affichage_texte_pkg::rouge, 0.1f, {d.x_etiquette, y, 0.0f}, d.largeur_etiquette));
        auto nombre = std::make_shared<score_3d_pkg::score_affichable>();
        nombre->initialiser();
        nombre->definir_echelle(0.3f);
        nombre->positionner_objet3d({d.x_nombre, y, 0.0f});
        nombres_.push_back(nombre);
    }
}

objet_texte_pkg::classe_texte_affichable tableau_scores_affichable::obtenir_etiquette(int ligne) const {
    return etiquettes_.at(static_cast<std::size_t>(ligne - 1));
}

score_3d_pkg::classe_score_affichable tableau_scores_affichable::obtenir_nombre(int ligne) const {
    return nombres_.at(static_cast<std::size_t>(ligne - 1));
}

void tableau_scores_affichable::definir_ligne(int ligne, const std::string& etiquette, int score) {
    obtenir_etiquette(ligne)->definir_texte(etiquette);
    obtenir_nombre(ligne)->mettre_a_jour(score);
}

void tableau_scores_affichable::afficher() {
    preparer_affichage();
    for (std::size_t i = 0; i < etiquettes_.size(); ++i) {
        etiquettes_[i]->afficher();
        nombres_[i]->afficher();
    }
    terminer_affichage();
}

} // namespace tableau_scores_3d_pkg
