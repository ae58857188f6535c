// Objet affichable : placement, arbre des sous-objets et animations en file.
#include "objet_3d_pkg.hpp"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace objet_3d_pkg {

namespace {
const horloge_pkg::horloge* horloge_animations = &horloge_pkg::horloge_systeme();

double secondes(horloge_pkg::duree d) { return std::chrono::duration<double>(d).count(); }

// Part de l'animation écoulée ; n'est calculée que tant que l'animation n'est pas finie, donc duree > 0.
float pourcentage(horloge_pkg::duree ecoule, horloge_pkg::duree duree) {
    return static_cast<float>(secondes(ecoule) / secondes(duree));
}

// Avance d'une image la file d'animations l : interpole sa tête, ou la termine et laisse partir la suivante
// de l'instant présent. Une animation finie repart de la valeur atteinte (fin les recopie comme valeurs
// de départ) : la suivante en file enchaîne sans revenir en arrière.
template <typename paquet, typename interpoler, typename terminer>
void avancer_file(typename paquet::liste& l, horloge_pkg::duree& debut, interpoler en_cours, terminer fin) {
    const horloge_pkg::duree maintenant = horloge_animations->maintenant();
    if (paquet::est_vide(l)) {
        return;
    }
    const auto cible = paquet::obtenir_debut(l);
    if (maintenant < debut + cible.duree) {
        en_cours(cible, pourcentage(maintenant - debut, cible.duree));
    } else {
        fin(cible);
        debut = maintenant;
        paquet::retirer_debut(l);
    }
}

coordonnee_3d intermediaire(float p, const coordonnee_3d& depart, const coordonnee_3d& arrivee, mode_animation mode) {
    return {valeur_intermediaire(p, depart.x, arrivee.x, mode), valeur_intermediaire(p, depart.y, arrivee.y, mode),
            valeur_intermediaire(p, depart.z, arrivee.z, mode)};
}
} // namespace

float valeur_intermediaire(float pourcent, float valeur_initiale, float valeur_finale, mode_animation mode) {
    float f = pourcent;
    switch (mode) {
    case mode_animation::LINEAIRE:
        break;
    case mode_animation::RACINE:
        f = std::sqrt(pourcent);
        break;
    case mode_animation::CARRE:
        f = pourcent * pourcent;
        break;
    }
    return f * (valeur_finale - valeur_initiale) + valeur_initiale;
}

delai_image au_plus_tot(delai_image a, delai_image b) {
    if (!a) return b;
    if (!b) return a;
    return std::min(*a, *b);
}

void definir_horloge(const horloge_pkg::horloge& h) { horloge_animations = &h; }
void retablir_horloge_systeme() { horloge_animations = &horloge_pkg::horloge_systeme(); }
horloge_pkg::duree maintenant() { return horloge_animations->maintenant(); }

void objet_affichable::preparer_affichage() {
    glPushMatrix();
    glTranslatef(coordonnee_origine_.x, coordonnee_origine_.y, coordonnee_origine_.z);
    glRotatef(angle_rotation_, vecteur_rotation_.x, vecteur_rotation_.y, vecteur_rotation_.z);
    glScalef(echelle_, echelle_, echelle_);
    const GLfloat blanc[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, blanc);
    glNormal3f(0.0f, 0.0f, 1.0f);
}

void objet_affichable::terminer_affichage() { glPopMatrix(); }

void objet_affichable::afficher() { throw ERREUR_AFFICHAGE_OBJET_VIDE(); }

void objet_affichable::translation_objet3d(const coordonnee_3d& vecteur) {
    coordonnee_origine_.x += vecteur.x;
    coordonnee_origine_.y += vecteur.y;
    coordonnee_origine_.z += vecteur.z;
}

void objet_affichable::rotation_objet3d(float theta, const coordonnee_3d& vecteur) {
    angle_rotation_ = theta;
    vecteur_rotation_ = vecteur;
}

void objet_affichable::positionner_objet3d(const coordonnee_3d& les_coordonnees) {
    coordonnee_origine_ = les_coordonnees;
}

void objet_affichable::ajouter_sous_objet(const classe_objet_affichable& o) { l_obj3d::ajout_debut(objets_contenus_, o); }

void objet_affichable::supprimer_sous_objet(const classe_objet_affichable& o) {
    if (l_obj3d::est_vide(objets_contenus_)) {
        throw LISTE_VIDE();
    }
    l_obj3d::retirer_elem(objets_contenus_, o);
}

classe_objet_affichable objet_affichable::obtenir_nieme_objets(int pos) const {
    return l_obj3d::obtenir_elem(objets_contenus_, pos);
}

void objet_affichable::positionner_objet3d(const coordonnee_3d& les_coordonnees, horloge_pkg::duree retard,
                                           mode_animation mode) {
    if (piles_positions_pkg::est_vide(liste_positions_)) {
        debut_animation_position_ = horloge_animations->maintenant();
        coordonnees_precedentes_ = coordonnee_origine_;
    }
    piles_positions_pkg::ajout_fin(liste_positions_, {les_coordonnees, retard, mode});
}

void objet_affichable::rotation_objet3d(float theta, const coordonnee_3d& vecteur, horloge_pkg::duree retard,
                                        mode_animation mode) {
    if (piles_rotations_pkg::est_vide(liste_rotations_)) {
        debut_animation_rotation_ = horloge_animations->maintenant();
        axe_rotation_precedente_ = vecteur_rotation_;
        angle_rotation_precedente_ = angle_rotation_;
    }
    piles_rotations_pkg::ajout_fin(liste_rotations_, {theta, vecteur, retard, mode});
}

void objet_affichable::animer() {
    animer_position();
    animer_rotation();
    if (!animer_sous_objets_) {
        return;
    }
    pour_chaque_sous_objet([](objet_affichable& o) { o.animer(); });
}

void objet_affichable::animer_position() {
    avancer_file<piles_positions_pkg>(
        liste_positions_, debut_animation_position_,
        [this](const parametres_position& cible, float p) {
            coordonnee_origine_ = intermediaire(p, coordonnees_precedentes_, cible.position, cible.mode);
        },
        [this](const parametres_position& cible) {
            coordonnee_origine_ = cible.position;
            coordonnees_precedentes_ = cible.position;
        });
}

void objet_affichable::animer_rotation() {
    avancer_file<piles_rotations_pkg>(
        liste_rotations_, debut_animation_rotation_,
        [this](const parametres_rotation& cible, float p) {
            vecteur_rotation_ = intermediaire(p, axe_rotation_precedente_, cible.axe, cible.mode);
            angle_rotation_ = valeur_intermediaire(p, angle_rotation_precedente_, cible.theta, cible.mode);
        },
        [this](const parametres_rotation& cible) {
            vecteur_rotation_ = cible.axe;
            angle_rotation_ = cible.theta;
            axe_rotation_precedente_ = cible.axe;
            angle_rotation_precedente_ = cible.theta;
        });
}

delai_image objet_affichable::delai_prochaine_image() const {
    if (!piles_positions_pkg::est_vide(liste_positions_) || !piles_rotations_pkg::est_vide(liste_rotations_)) {
        return horloge_pkg::duree::zero();
    }
    delai_image delai;
    if (animer_sous_objets_) {
        pour_chaque_sous_objet([&delai](const objet_affichable& o) { delai = au_plus_tot(delai, o.delai_prochaine_image()); });
    }
    return delai;
}

void objet_affichable::afficher_sous_objets() {
    pour_chaque_sous_objet([](objet_affichable& o) { o.afficher(); });
}

} // namespace objet_3d_pkg
