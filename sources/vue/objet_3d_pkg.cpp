// Objet affichable : placement et arbre des sous-objets.
#include "objet_3d_pkg.hpp"

#include <GL/gl.h>

namespace objet_3d_pkg {

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

void objet_affichable::animer() {
    if (!animer_sous_objets_) {
        return;
    }
    pour_chaque_sous_objet([](objet_affichable& o) { o.animer(); });
}

void objet_affichable::afficher_sous_objets() {
    pour_chaque_sous_objet([](objet_affichable& o) { o.afficher(); });
}

} // namespace objet_3d_pkg
