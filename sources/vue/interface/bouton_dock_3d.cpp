// Bouton du dock.
#include "bouton_dock_3d.hpp"

#include "geometrie_pkg.hpp"

#include <GL/gl.h>

namespace bouton_dock_3d {

void bouton_dock_3d_affichable::initialiser(const std::string& txt, const std::string& evenement) {
    // L'étiquette tient entre le bord gauche de la plaque et le voyant (de -0,95 à 0,65).
    construire(txt, evenement, affichage_texte_pkg::jaune_pale, 0.25f, {-0.15f, 0.0f, 0.0f}, 1.5f);
}

void bouton_dock_3d_affichable::sourisrelache(const evenement_pkg::evenement&) {
    appuie_ = false;
    emettre_action();
}

void bouton_dock_3d_affichable::sourisentre(const evenement_pkg::evenement&) {
    texte_->definir_couleur(affichage_texte_pkg::vert);
    actif_ = true;
}

void bouton_dock_3d_affichable::sourissort(const evenement_pkg::evenement&) {
    texte_->definir_couleur(affichage_texte_pkg::jaune_pale);
    actif_ = false;
    appuie_ = false;
}

void bouton_dock_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture(texture_plaque());
    geometrie_pkg::quad(-1.0f, -0.19f, 1.0f, 0.19f);
    texte_->afficher();
    geometrie_pkg::lier_texture(texture_voyant());
    glPushMatrix();
    glTranslatef(0.8f, 0.0f, 0.0f);
    geometrie_pkg::quad(-0.1f, -0.1f, 0.1f, 0.1f);
    glPopMatrix();
}

} // namespace bouton_dock_3d
