// Page des options du son : libellés d'état, ligne du clavier, bascule des options.
#include "option_son_3d_pkg.hpp"

#include "objet_texte_pkg.hpp"

#include <array>

namespace option_son_3d_pkg {

namespace {
std::string libelle_musique(bool active) { return std::string("Musique : ") + (active ? "activée" : "désactivée"); }

std::string libelle_bruitage(bool actif) { return std::string("Bruitage : ") + (actif ? "activé" : "désactivé"); }
} // namespace

void page_option_affichable::initialiser(bool musique, bool bruitage) {
    if (est_initialise_) {
        return;
    }
    auto titre = std::make_shared<objet_texte_pkg::texte_affichable>("Options sons : ");
    titre->definir_echelle(2.0f);
    titre->positionner_objet3d({0.0f, 4.0f, -10.0f});
    titre->mettre_a_jour();
    ajouter_sous_objet(titre);
    const std::array<entrees_menu_pkg::description_entree, 2> descriptions{{
        {libelle_musique(musique), action_musique, 0.5f},
        {libelle_bruitage(bruitage), action_bruitage, -2.5f},
    }};
    entrees_.construire(descriptions, 1.0f, -10.0f);
    for (const auto& entree : entrees_) {
        ajouter_sous_objet(entree);
    }
    poser_bouton_menu();
    est_initialise_ = true;
}

void page_option_affichable::mettre_a_jour(bool musique, bool bruitage) {
    entrees_.obtenir_entree(ligne_musique)->mettre_a_jour_texte(libelle_musique(musique));
    entrees_.obtenir_entree(ligne_bruitage)->mettre_a_jour_texte(libelle_bruitage(bruitage));
}

} // namespace option_son_3d_pkg
