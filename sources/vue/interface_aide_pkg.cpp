// Page d'aide d'un écran de jeu : ses lignes, de haut en bas.
#include "interface_aide_pkg.hpp"

#include "piece_pkg.hpp"

namespace interface_aide_pkg {

namespace {
constexpr float largeur_ligne = 4.0f;
} // namespace

void interface_aide_affichable::initialiser(std::span<const ligne> lignes) {
    if (est_initialise_) return;
    // Le dernier ajouté est dessiné le premier : l'ordre inverse de la table, comme voulu.
    for (const ligne& l : lignes) {
        ajouter_sous_objet(
            piece_pkg::creer_etiquette(l.texte, affichage_texte_pkg::blanc, l.echelle, {-0.5f, l.y, 0.0f}, largeur_ligne));
    }
    est_initialise_ = true;
}

void interface_aide_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_INTERFACE_AIDE_NON_INITIALISE();
    preparer_affichage();
    afficher_sous_objets();
    terminer_affichage();
}

} // namespace interface_aide_pkg
