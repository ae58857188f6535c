// Bouton rond des panneaux.
#include "bouton_rond_3d.hpp"

#include "geometrie_pkg.hpp"

namespace bouton_rond_3d {

void bouton_rond_3d_affichable::initialiser(const std::string& txt, const std::string& evenement) {
    // L'étiquette tient dans la face du bouton, à l'intérieur de son anneau.
    construire(txt, evenement, affichage_texte_pkg::noir, 0.85f, {0.0f, 0.0f, 0.0f}, 0.6f);
}

void bouton_rond_3d_affichable::sourisrelache(const evenement_pkg::evenement&) {
    actif_ = false;
    emettre_action();
}

void bouton_rond_3d_affichable::sourisentre(const evenement_pkg::evenement&) {
    texte_->definir_couleur(affichage_texte_pkg::rouge);
}

void bouton_rond_3d_affichable::sourissort(const evenement_pkg::evenement&) {
    texte_->definir_couleur(affichage_texte_pkg::noir);
    actif_ = false;
}

void bouton_rond_3d_affichable::mettre_a_jour(const std::string& txt) { texte_->definir_texte(txt); }

void bouton_rond_3d_affichable::dessiner() {
    geometrie_pkg::lier_texture(texture_courante());
    geometrie_pkg::quad(-0.5f, -0.5f, 0.5f, 0.5f);
    texte_->afficher();
}

} // namespace bouton_rond_3d
