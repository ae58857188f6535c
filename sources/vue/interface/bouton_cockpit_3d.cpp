// Bouton triangulaire du cockpit.
#include "bouton_cockpit_3d.hpp"

#include "geometrie_pkg.hpp"

namespace bouton_cockpit_3d {

namespace {
using geometrie_pkg::normale;
using geometrie_pkg::sommet;

constexpr sommet sommets[] = {{0.5f, -0.39f, 1.0f, 1.0f}, {0.5f, 0.39f, 1.0f, 0.0f}, {-0.5f, 0.39f, 0.0f, 0.0f}};
constexpr normale normales[] = {{1.0f, -1.0f, 1.0f}, {1.0f, 1.0f, 1.0f}, {-1.0f, 1.0f, 1.0f}};
constexpr int indices[] = {0, 1, 2};
} // namespace

void bouton_cockpit_3d_affichable::initialiser(const std::string& txt, const std::string& evenement, float degre) {
    // L'étiquette suit l'hypoténuse, un peu en retrait.
    if (construire(txt, evenement, affichage_texte_pkg::jaune_pale, 0.25f, {0.11f, 0.13f, 0.0f}, 0.8f)) {
        texte_->rotation_objet3d(degre, {0.0f, 0.0f, 1.0f});
    }
}

void bouton_cockpit_3d_affichable::sourisrelache(const evenement_pkg::evenement&) {
    actif_ = false;
    emettre_action();
}

void bouton_cockpit_3d_affichable::sourisentre(const evenement_pkg::evenement&) {
    texte_->definir_couleur(affichage_texte_pkg::vert);
}

void bouton_cockpit_3d_affichable::sourissort(const evenement_pkg::evenement&) {
    texte_->definir_couleur(affichage_texte_pkg::jaune_pale);
    actif_ = false;
}

void bouton_cockpit_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture(texture_courante());
    geometrie_pkg::triangles(sommets, normales, indices);
    texte_->afficher();
}

} // namespace bouton_cockpit_3d
