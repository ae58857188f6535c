// Cube des six grilles d'un niveau : les faces autour du centre, et la file de ses rotations minutées.
#pragma once

#include "erreur_pkg.hpp"
#include "listes_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "partie_3d_pkg.hpp"

#include <array>

namespace cube_niveau_3d_pkg {

DECLARER_ERREUR(ERREUR_CUBE_AFFICHABLE_NON_INITIALISEE, "CUBE_NIVEAU_3D_PKG.ERREUR_CUBE_AFFICHABLE_NON_INITIALISEE");

using numeros_faces = int;  // 1 à 6
using faces_cube = std::array<partie_3d_pkg::classe_partie_affichable, 6>;

// Angles à atteindre (en degrés, absolus) en une durée, selon une courbe.
struct parametres_rotation {
    float angle_x = 0.0f;
    float angle_y = 0.0f;
    float angle_z = 0.0f;
    horloge_pkg::duree duree{0};
    objet_3d_pkg::mode_animation mode = objet_3d_pkg::mode_animation::LINEAIRE;
};
using piles_rotations_pkg = listes_pkg<parametres_rotation>;

class cube_niveau_3d : public objet_3d_pkg::objet_affichable {
public:
    // Tourne chaque face une fois vers son côté du cube ; les faces ne sont pas des sous-objets du cube.
    void initialiser(const faces_cube& faces);
    using objet_3d_pkg::objet_affichable::rotation_objet3d;
    // Met une rotation en file, derrière celles qui tournent déjà.
    void rotation_objet3d(float ax, float ay, float az, horloge_pkg::duree retard, objet_3d_pkg::mode_animation mode);
    // Tourne vers une face par le plus court chemin, et la face devient la courante aussitôt.
    void changer_face(numeros_faces nouvelle_face);

    void preparer_affichage() override;
    void terminer_affichage() override;
    // Toutes les faces tournées vers l'œil pour une image ; la seule face courante pour la sélection.
    void afficher() override;
    void animer() override;
    // Une image au plus tôt tant qu'une rotation est en file ; les faces, elles, ne s'animent pas.
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

    numeros_faces obtenir_face_courante() const { return face_courante_; }
    float obtenir_angle_x() const { return angle_x_; }
    float obtenir_angle_y() const { return angle_y_; }
    float obtenir_angle_z() const { return angle_z_; }
    bool tourne() const { return !piles_rotations_pkg::est_vide(liste_rotations_); }

private:
    bool est_initialise_ = false;
    faces_cube faces_{};
    numeros_faces face_courante_ = 1;
    float angle_x_ = 0.0f;
    float angle_y_ = 0.0f;
    float angle_z_ = 0.0f;
    float angle_precedent_x_ = 0.0f;
    float angle_precedent_y_ = 0.0f;
    float angle_precedent_z_ = 0.0f;
    horloge_pkg::duree debut_animation_rotation_{0};
    piles_rotations_pkg::liste liste_rotations_ = piles_rotations_pkg::liste_vide();
};

} // namespace cube_niveau_3d_pkg
