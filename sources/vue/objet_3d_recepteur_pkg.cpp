// Objet cliquable et table des noms de sélection.
#include "objet_3d_recepteur_pkg.hpp"

#include "generic_unbounded_array.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>

namespace objet_3d_recepteur_pkg {

namespace {
using tableau_recepteurs_pkg = generic_unbounded_array<std::uint32_t, objet_3d_recepteur_ptr, 512, 100>;

std::uint32_t dernier_identifiant = 0;

// Jamais détruite : des objets de durée statique s'en retirent encore à la sortie du programme.
tableau_recepteurs_pkg& tableau_recepteurs() {
    static tableau_recepteurs_pkg* const tableau = new tableau_recepteurs_pkg;
    return *tableau;
}

bool en_passe_de_selection() { return scene_pkg::obtenir_mode_de_rendu_courant() == GL_SELECT; }
} // namespace

std::uint32_t identifiant_suivant() { return ++dernier_identifiant; }

objet_3d_recepteur::objet_3d_recepteur() : identifiant_(identifiant_suivant()) {}

objet_3d_recepteur::~objet_3d_recepteur() {
    if (est_initialise_) {
        tableau_recepteurs().put(identifiant_, nullptr);
    }
}

void objet_3d_recepteur::initialiser() {
    if (!est_initialise_) {
        tableau_recepteurs().put(identifiant_, this);
        est_initialise_ = true;
    }
}

void objet_3d_recepteur::preparer_affichage() {
    objet_affichable::preparer_affichage();
    if (est_actif_ && en_passe_de_selection()) {
        glPushName(identifiant_);
    }
}

void objet_3d_recepteur::terminer_affichage() {
    if (est_actif_ && en_passe_de_selection()) {
        glPopName();
    }
    objet_affichable::terminer_affichage();
}

objet_3d_recepteur_ptr obtenir_recepteur(std::uint32_t identifiant) {
    // Un nom jamais inscrit ne doit pas faire tomber le jeu : il ne désigne aucun objet.
    try {
        return tableau_recepteurs().get(identifiant);
    } catch (const std::out_of_range&) {
        return nullptr;
    }
}

} // namespace objet_3d_recepteur_pkg
