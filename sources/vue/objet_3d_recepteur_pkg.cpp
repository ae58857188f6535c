// Objet cliquable et table des noms de sélection.
#include "objet_3d_recepteur_pkg.hpp"

#include "scene_pkg.hpp"

#include <GL/gl.h>

#include <unordered_map>

namespace objet_3d_recepteur_pkg {

namespace {
// Un nom par objet vivant, inscrit ou non (nul tant qu'il ne l'est pas) : la table suit les objets vivants, pas
// tous ceux qu'a connus la partie.
using table_noms = std::unordered_map<std::uint32_t, objet_3d_recepteur_ptr>;

std::uint32_t dernier_identifiant = 0;

// Jamais détruite : des objets de durée statique s'en retirent encore à la sortie du programme.
table_noms& table() {
    static table_noms* const t = new table_noms;
    return *t;
}

// Un nom n'est jamais réutilisé (sauf, après quatre milliards d'objets, un nom qu'aucun vivant ne porte) : le nom
// du dernier objet sous le pointeur, ou le résultat d'une sélection faite à l'image d'avant, peut désigner un
// objet détruit, jamais un autre objet que celui qu'il désignait.
std::uint32_t nouveau_nom() {
    do {
        ++dernier_identifiant;
    } while (dernier_identifiant == 0 || table().contains(dernier_identifiant));
    table().emplace(dernier_identifiant, nullptr);
    return dernier_identifiant;
}

bool en_passe_de_selection() { return scene_pkg::obtenir_mode_de_rendu_courant() == GL_SELECT; }
} // namespace

objet_3d_recepteur::objet_3d_recepteur() : identifiant_(nouveau_nom()) {}

objet_3d_recepteur::~objet_3d_recepteur() { table().erase(identifiant_); }

void objet_3d_recepteur::initialiser() { table()[identifiant_] = this; }

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
    // Un nom inconnu (jamais donné, ou d'un objet détruit) ne désigne aucun objet.
    const auto trouve = table().find(identifiant);
    return trouve == table().end() ? nullptr : trouve->second;
}

std::size_t nombre_noms_tenus() { return table().size(); }

} // namespace objet_3d_recepteur_pkg
