// Dock : pile des boutons et glissement vers le haut ou vers le bas.
#include "interface_dock_pkg.hpp"

#include <chrono>

namespace interface_dock_pkg {

namespace {
using objet_3d_pkg::coordonnee_3d;
using objet_3d_pkg::mode_animation;

constexpr float centre_pile = -1.04f;
constexpr float ecart_boutons = 0.23f;
constexpr coordonnee_3d position_devoilee{-0.1f, -0.07f, -5.1f};
constexpr coordonnee_3d position_cachee{-0.1f, -2.8f, -5.1f};
constexpr horloge_pkg::duree duree_glissement = std::chrono::milliseconds(500);
} // namespace

void interface_dock_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    le_fond_ = std::make_shared<dock_3d::dock_3d_affichable>();
    le_fond_->definir_echelle(1.25f);
    le_fond_->positionner_objet3d({-0.55f, -0.97f, 0.0f});
    le_fond_->initialiser();
    est_initialise_ = true;
}

void interface_dock_affichable::ajouter_bouton(const std::string& texte, const std::string& evenement) {
    if (!est_initialise_) {
        throw ERREUR_INTERFACE_DOCK_NON_INITIALISE();
    }
    const int n = objet_3d_pkg::l_obj3d::taille_liste(obtenir_sous_objets());
    if (n >= nombre_max_boutons) {
        throw ERREUR_PLUS_DE_PLACE_DANS_DOCK();
    }
    auto bouton = std::make_shared<bouton_dock_3d::bouton_dock_3d_affichable>();
    bouton->definir_echelle(0.55f);
    bouton->initialiser(texte, evenement);
    ajouter_sous_objet(bouton);

    // Pile centrée sur y = -1,04, le dernier ajouté (position 1) en haut.
    for (int j = 1; j <= n + 1; ++j) {
        const float y = static_cast<float>(n) * (ecart_boutons / 2.0f) + centre_pile -
                        static_cast<float>(j - 1) * ecart_boutons;
        obtenir_nieme_objets(j)->positionner_objet3d({-0.56f, y, 0.0f});
    }
}

void interface_dock_affichable::afficher_les_boutons() { afficher_sous_objets(); }

void interface_dock_affichable::toggle() {
    if (est_devoile_) {
        positionner_objet3d(position_cachee, duree_glissement, mode_animation::CARRE);
    } else {
        positionner_objet3d(position_devoilee, duree_glissement, mode_animation::RACINE);
    }
    est_devoile_ = !est_devoile_;
}

void interface_dock_affichable::dessiner() { le_fond_->afficher(); }

} // namespace interface_dock_pkg
