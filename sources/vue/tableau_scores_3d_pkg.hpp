// Colonne de scores des panneaux de fin : une étiquette rouge et un nombre par ligne, de haut en bas.
#pragma once

#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "score_3d_pkg.hpp"

#include <string>
#include <vector>

namespace tableau_scores_3d_pkg {

// Où se posent les lignes, dans le repère du panneau.
struct disposition {
    float x_etiquette;
    float x_nombre;
    float y_premiere;
    float pas;  // de haut en bas
    float largeur_etiquette = 0.0f;  // 0 : sans limite
};

class tableau_scores_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Une fois : les lignes, gardées d'une image à l'autre.
    void initialiser(int nombre_lignes, const disposition& d);
    // Ligne 1 en haut.
    void definir_ligne(int ligne, const std::string& etiquette, int score);
    void afficher() override;

    int nombre_lignes() const { return static_cast<int>(etiquettes_.size()); }
    objet_texte_pkg::classe_texte_affichable obtenir_etiquette(int ligne) const;
    score_3d_pkg::classe_score_affichable obtenir_nombre(int ligne) const;

private:
    std::vector<objet_texte_pkg::classe_texte_affichable> etiquettes_;
    std::vector<score_3d_pkg::classe_score_affichable> nombres_;
};

} // namespace tableau_scores_3d_pkg
