// Vue d'un niveau de campagne : ses six grilles sur le cube, la face courante qui suit le niveau, le zoom des
// grandes grilles et les loupes des chemins d'aide.
#pragma once

#include "case_simple_pkg.hpp"
#include "cube_niveau_3d_pkg.hpp"
#include "erreur_pkg.hpp"
#include "niveau_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "partie_3d_pkg.hpp"

#include <array>
#include <cstdint>
#include <memory>

namespace niveau_3d_pkg {

DECLARER_ERREUR(ERREUR_NIVEAU_AFFICHABLE_NON_INITIALISEE, "NIVEAU_3D_PKG.ERREUR_NIVEAU_AFFICHABLE_NON_INITIALISEE");

using numero_face = int;  // 1 à 6
// Côté vers lequel on tourne le cube ; les flèches du panneau de campagne portent ces valeurs.
enum class cote_adjacent_cube : std::uint8_t { HAUT = 0, BAS = 1, GAUCHE = 2, DROITE = 3 };

// Au-delà de ce côté, une grille se regarde aussi de près.
inline constexpr float taille_minimum_zoom = 16.0f;

// La face atteinte en tournant depuis une face dans une direction.
numero_face obtenir_numero_face_adjacente(numero_face face, cote_adjacent_cube direction);

class niveau_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Chaque appel bâtit une vue neuve du niveau : six faces, un cube, la face courante du niveau devant.
    void initialiser(niveau_pkg::niveau_ptr niveau_modele);
    // Avant chaque image : suit la face courante du niveau (le cube tourne vers elle), place le cube et tient les
    // faces à jour (curseur, loupes de leur chemin d'aide, cases finies).
    void mettre_a_jour();
    // Rapproche ou éloigne le cube d'une grille de plus de 16 cases de côté ; sans effet sinon.
    void changer_vue();
    bool zoom_actif() const { return zoom_; }
    // Retire les loupes de la face courante ; la prochaine mise à jour pose celles du chemin d'aide d'alors.
    void desactiver_ancienne_aide();
    partie_3d_pkg::classe_partie_affichable partie_courante() const;
    // La face i, de 1 à 6.
    partie_3d_pkg::classe_partie_affichable obtenir_face(numero_face i) const;
    void afficher() override;

    std::shared_ptr<cube_niveau_3d_pkg::cube_niveau_3d> obtenir_cube() const { return le_cube_; }
    case_simple_pkg::coordonnees obtenir_case_centree() const { return case_centree_; }

private:
    int taille_face_courante() const;

    bool est_initialise_ = false;
    niveau_pkg::niveau_ptr modele_;
    std::shared_ptr<cube_niveau_3d_pkg::cube_niveau_3d> le_cube_;
    case_simple_pkg::coordonnees case_centree_{1, 1};
    numero_face la_partie_courante_ = 1;
    std::array<partie_3d_pkg::classe_partie_affichable, 6> les_parties_{};
    bool zoom_ = false;
};

} // namespace niveau_3d_pkg
