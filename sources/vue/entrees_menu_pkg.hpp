// Entrées d'un écran et ligne du clavier : une seule surbrillance, que la souris et le clavier se partagent.
#pragma once

#include "bouton_menu_pkg.hpp"

#include <span>
#include <string>
#include <vector>

namespace entrees_menu_pkg {

// Une entrée : son libellé, l'événement nommé qu'elle envoie, sa hauteur dans l'écran.
struct description_entree {
    std::string libelle;
    std::string action;
    float y;
};

// Lignes numérotées à partir de 1, de haut en bas. L'entrée allumée est la ligne du clavier : la souris
// allume celle où elle entre, qui devient la ligne à la mise à jour suivante ; en sortant, elle n'éteint rien,
// et un écran qui revient montre la ligne qu'il avait.
class entrees_menu {
public:
    // Une fois : une entrée par description, centrée, à l'échelle et à la profondeur de l'écran ;
    // la ligne du clavier est allumée. Les entrées restent à ajouter aux sous-objets de l'écran.
    void construire(std::span<const description_entree> descriptions, float echelle, float profondeur);

    int nombre_lignes() const { return static_cast<int>(entrees_.size()); }
    bouton_menu_pkg::classe_bouton_menu obtenir_entree(int ligne) const;
    int obtenir_ligne_courante() const { return num_ligne_; }
    void modifier_ligne_courante(int ligne);
    // Sans effet sur la première ligne (monter) ou la dernière (descendre).
    void monter();
    void descendre();
    // Avant chaque image : une autre entrée allumée par la souris devient la ligne, l'ancienne s'éteint.
    void gerer_conflit_controleur();

    // Les entrées, de haut en bas.
    auto begin() const { return entrees_.begin(); }
    auto end() const { return entrees_.end(); }

private:
    std::vector<bouton_menu_pkg::classe_bouton_menu> entrees_;
    int num_ligne_ = 1;
};

} // namespace entrees_menu_pkg
