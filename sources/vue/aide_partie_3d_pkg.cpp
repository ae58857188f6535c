// Page d'aide d'une partie : ses lignes en étiquettes, dessinées comme sous-objets.
#include "aide_partie_3d_pkg.hpp"

#include "piece_pkg.hpp"

namespace aide_partie_3d_pkg {

void aide_partie_affichable::poser_lignes(std::span<const ligne> lignes) {
    if (est_initialise_) return;
    // Le dernier ajouté est dessiné le premier : l'ordre inverse de la table, comme voulu.
    for (const ligne& l : lignes) {
        ajouter_sous_objet(
            piece_pkg::creer_etiquette(l.texte, affichage_texte_pkg::blanc, l.echelle, {-0.5f, l.y, 0.0f}, largeur_ligne));
    }
    est_initialise_ = true;
}

} // namespace aide_partie_3d_pkg
