// Objet affichable : placement, sous-objets et dessin ; la base de tout ce qui est à l'écran.
#pragma once

#include "erreur_pkg.hpp"
#include "listes_pkg.hpp"

#include <memory>

namespace objet_3d_pkg {

DECLARER_ERREUR(ERREUR_AFFICHAGE_OBJET_VIDE, "OBJET_3D_PKG.ERREUR_AFFICHAGE_OBJET_VIDE");
DECLARER_ERREUR(LISTE_VIDE, "OBJET_3D_PKG.LISTE_VIDE");

struct coordonnee_3d {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    bool operator==(const coordonnee_3d&) const = default;
};

class objet_affichable;
using classe_objet_affichable = std::shared_ptr<objet_affichable>;
using l_obj3d = listes_pkg<classe_objet_affichable>;

class objet_affichable {
public:
    virtual ~objet_affichable() = default;

    // Ouvre le repère de l'objet : empile la matrice, place, tourne, met à l'échelle,
    // matière blanche opaque et normale vers l'œil.
    virtual void preparer_affichage();
    // Referme le repère ouvert par preparer_affichage.
    virtual void terminer_affichage();
    // Dessine l'objet ; chaque type concret le redéfinit.
    virtual void afficher();

    virtual void translation_objet3d(const coordonnee_3d& vecteur);
    virtual void rotation_objet3d(float theta, const coordonnee_3d& vecteur);
    virtual void positionner_objet3d(const coordonnee_3d& les_coordonnees);
    virtual coordonnee_3d obtenir_position_objet3d() const { return coordonnee_origine_; }
    virtual coordonnee_3d obtenir_position() const { return coordonnee_origine_; }
    virtual float obtenir_angle_rotation() const { return angle_rotation_; }
    virtual coordonnee_3d obtenir_axe_rotation() const { return vecteur_rotation_; }

    // Le dernier ajouté est en tête : il est dessiné le premier.
    virtual void ajouter_sous_objet(const classe_objet_affichable& o);
    virtual void supprimer_sous_objet(const classe_objet_affichable& o);
    virtual l_obj3d::liste obtenir_sous_objets() const { return objets_contenus_; }
    virtual classe_objet_affichable obtenir_nieme_objets(int pos) const;

    virtual float obtenir_echelle() const { return echelle_; }
    virtual void definir_echelle(float ech) { echelle_ = ech; }

    // Avance les animations de l'objet puis, si demandé, celles de ses sous-objets.
    virtual void animer();
    virtual void animer_sous_objets(bool activer) { animer_sous_objets_ = activer; }

protected:
    // Dessine les sous-objets dans l'ordre de la liste.
    void afficher_sous_objets();

private:
    // Appelle action sur chaque sous-objet, dans l'ordre de la liste.
    template <typename F>
    void pour_chaque_sous_objet(F action) const {
        for (l_obj3d::liste l = objets_contenus_; !l_obj3d::est_vide(l); l = l_obj3d::get_suiv(l)) {
            action(*l_obj3d::get_elem(l));
        }
    }

    coordonnee_3d coordonnee_origine_;
    float angle_rotation_ = 0.0f;
    coordonnee_3d vecteur_rotation_;
    float echelle_ = 1.0f;
    l_obj3d::liste objets_contenus_ = l_obj3d::liste_vide();
    bool animer_sous_objets_ = true;
};

} // namespace objet_3d_pkg
