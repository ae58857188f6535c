// Cube des niveaux : faces tournées une fois, rotations en file le long de l'horloge des animations, dessin des
// seules faces tournées vers l'œil.
#include "cube_niveau_3d_pkg.hpp"

#include "scene_pkg.hpp"

#include <GL/gl.h>

#include <chrono>

namespace cube_niveau_3d_pkg {

namespace {
using objet_3d_pkg::coordonnee_3d;
using objet_3d_pkg::mode_animation;

constexpr horloge_pkg::duree une_seconde = std::chrono::seconds(1);
constexpr horloge_pkg::duree aussitot{0};

// Rotation qui amène chaque face de l'avant du cube à sa place, et la normale qui en sort.
struct place_face {
    float angle;
    coordonnee_3d axe;
    coordonnee_3d normale;
};
constexpr std::array<place_face, 6> places{{
    {0.0f, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}},
    {90.0f, {0.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 0.0f}},
    {180.0f, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, -1.0f}},
    {-90.0f, {0.0f, 1.0f, 0.0f}, {-1.0f, 0.0f, 0.0f}},
    {-90.0f, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}},
    {90.0f, {1.0f, 0.0f, 0.0f}, {0.0f, -1.0f, 0.0f}},
}};

// Une face est tournée vers l'œil quand son plan passe devant lui : normale et centre, dans le repère de l'œil,
// vont en sens contraires. Les autres ne montreraient que des tuiles vues de dos, que l'élimination des faces
// arrière ne dessine pas : les sauter donne la même image, bien plus vite.
bool tournee_vers_l_oeil(const GLfloat (&m)[16], const coordonnee_3d& n) {
    const float demi = partie_3d_pkg::taille_fixe_grille / 2.0f;
    const float nx = m[0] * n.x + m[4] * n.y + m[8] * n.z;
    const float ny = m[1] * n.x + m[5] * n.y + m[9] * n.z;
    const float nz = m[2] * n.x + m[6] * n.y + m[10] * n.z;
    const float cx = demi * nx + m[12];
    const float cy = demi * ny + m[13];
    const float cz = demi * nz + m[14];
    return nx * cx + ny * cy + nz * cz < 0.0f;
}
} // namespace

void cube_niveau_3d::initialiser(const faces_cube& faces) {
    faces_ = faces;
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        if (places[i].angle != 0.0f) faces_[i]->rotation_objet3d(places[i].angle, places[i].axe);
    }
    animer_sous_objets(false);
    est_initialise_ = true;
}

void cube_niveau_3d::rotation_objet3d(float ax, float ay, float az, horloge_pkg::duree retard, mode_animation mode) {
    if (piles_rotations_pkg::est_vide(liste_rotations_)) {
        debut_animation_rotation_ = objet_3d_pkg::maintenant();
        angle_precedent_x_ = angle_x_;
        angle_precedent_y_ = angle_y_;
        angle_precedent_z_ = angle_z_;
    }
    piles_rotations_pkg::ajout_fin(liste_rotations_, parametres_rotation{ax, ay, az, retard, mode});
}

void cube_niveau_3d::changer_face(numeros_faces nouvelle_face) {
    const auto tourner = [this](float ax, float ay, horloge_pkg::duree d) {
        rotation_objet3d(ax, ay, 0.0f, d, mode_animation::LINEAIRE);
    };
    // Vers la face 1 et depuis la face 4, ou de la face 1 vers la 4, le cube continue dans le même sens et
    // retombe ensuite, sans rien montrer, sur l'angle équivalent.
    const bool depuis_4 = face_courante_ == 4;
    switch (nouvelle_face) {
    case 1:
        tourner(0.0f, depuis_4 ? -360.0f : 0.0f, une_seconde);
        if (depuis_4) tourner(0.0f, 0.0f, aussitot);
        break;
    case 2: tourner(0.0f, -90.0f, une_seconde); break;
    case 3: tourner(0.0f, -180.0f, une_seconde); break;
    case 4:
        if (face_courante_ == 2 || face_courante_ == 3) {
            tourner(0.0f, -270.0f, une_seconde);
        } else {
            tourner(0.0f, 90.0f, une_seconde);
            tourner(0.0f, -270.0f, aussitot);
        }
        break;
    case 5:
    case 6: {
        const float ax = nouvelle_face == 5 ? 90.0f : -90.0f;
        tourner(ax, depuis_4 ? -360.0f : 0.0f, une_seconde);
        if (depuis_4) tourner(ax, 0.0f, aussitot);
        break;
    }
    default: return;
    }
    face_courante_ = nouvelle_face;
}

void cube_niveau_3d::preparer_affichage() {
    objet_affichable::preparer_affichage();
    glRotatef(angle_x_, 1.0f, 0.0f, 0.0f);
    glRotatef(angle_y_, 0.0f, 1.0f, 0.0f);
    glRotatef(angle_z_, 0.0f, 0.0f, 1.0f);
}

void cube_niveau_3d::terminer_affichage() { objet_affichable::terminer_affichage(); }

void cube_niveau_3d::afficher() {
    if (!est_initialise_) throw ERREUR_CUBE_AFFICHABLE_NON_INITIALISEE();
    preparer_affichage();
    if (scene_pkg::obtenir_mode_de_rendu_courant() == GL_RENDER) {
        GLfloat vue[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, vue);
        for (std::size_t i = 0; i < faces_.size(); ++i) {
            if (tournee_vers_l_oeil(vue, places[i].normale)) faces_[i]->afficher();
        }
    } else {
        // Seules les tuiles de la face courante répondent à la souris, même pendant que le cube tourne.
        faces_.at(static_cast<std::size_t>(face_courante_ - 1))->afficher();
    }
    terminer_affichage();
}

void cube_niveau_3d::animer() {
    const horloge_pkg::duree maintenant = objet_3d_pkg::maintenant();
    objet_affichable::animer();
    if (piles_rotations_pkg::est_vide(liste_rotations_)) return;
    const parametres_rotation cible = piles_rotations_pkg::obtenir_debut(liste_rotations_);
    if (maintenant < debut_animation_rotation_ + cible.duree) {
        const float p = static_cast<float>(std::chrono::duration<double>(maintenant - debut_animation_rotation_) /
                                           std::chrono::duration<double>(cible.duree));
        angle_x_ = objet_3d_pkg::valeur_intermediaire(p, angle_precedent_x_, cible.angle_x, cible.mode);
        angle_y_ = objet_3d_pkg::valeur_intermediaire(p, angle_precedent_y_, cible.angle_y, cible.mode);
        angle_z_ = objet_3d_pkg::valeur_intermediaire(p, angle_precedent_z_, cible.angle_z, cible.mode);
        return;
    }
    // La rotation suivante part des angles atteints : deux changements de face rapprochés s'enchaînent sans saut.
    angle_x_ = angle_precedent_x_ = cible.angle_x;
    angle_y_ = angle_precedent_y_ = cible.angle_y;
    angle_z_ = angle_precedent_z_ = cible.angle_z;
    debut_animation_rotation_ = maintenant;
    piles_rotations_pkg::retirer_debut(liste_rotations_);
}

objet_3d_pkg::delai_image cube_niveau_3d::delai_prochaine_image() const {
    if (tourne()) return horloge_pkg::duree::zero();
    return objet_affichable::delai_prochaine_image();
}

} // namespace cube_niveau_3d_pkg
