// Menu principal : construction et dessin.
#include "menu_3d_pkg.hpp"

#include "objet_texte_pkg.hpp"

#include <array>

namespace menu_3d_pkg {

namespace {
// Espacées de 1,3, sauf le dernier pas (1,2).
const std::array<entrees_menu_pkg::description_entree, nombre_entrees> descriptions{{
    {"Campagne", "jeu_campagne", 3.2f},
    {"Grilles Libres", "jeu_libre", 1.9f},
    {"Editeur", "editeur", 0.6f},
    {"Aide", "aide", -0.7f},
    {"Options musique", "musique", -2.0f},
    {"Credits", "credits", -3.3f},
    {"Quitter", "quitter", -4.5f},
}};

constexpr float profondeur = -5.0f;
} // namespace

void menu_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    auto titre = std::make_shared<objet_texte_pkg::texte_affichable>("NOVELIA TESSALINE");
    titre->definir_echelle(1.5f);
    titre->mettre_a_jour();
    titre->positionner_objet3d({0.0f, 5.0f, profondeur});
    ajouter_sous_objet(titre);

    entrees_.construire(descriptions, 1.1f, profondeur);
    for (const auto& entree : entrees_) {
        ajouter_sous_objet(entree);
    }

    fond_ = std::make_shared<fond_etoile_3d::fond_etoile_3d_affichable>();
    fond_->initialiser();
    fond_->definir_echelle(3.5f);
    fond_->positionner_objet3d({0.0f, 0.0f, profondeur});
    ajouter_sous_objet(fond_);

    est_initialise_ = true;
}

void menu_affichable::afficher() {
    // Le champ d'étoiles, ajouté en dernier, est en tête des sous-objets : il est dessiné d'abord.
    preparer_affichage();
    afficher_sous_objets();
    terminer_affichage();
}

} // namespace menu_3d_pkg
