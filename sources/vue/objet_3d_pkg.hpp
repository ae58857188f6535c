// Objet affichable : placement, sous-objets, dessin et animations ; la base de tout ce qui est à l'écran.
#pragma once

#include "erreur_pkg.hpp"
#include "horloge_pkg.hpp"
#include "listes_pkg.hpp"

#include <cstdint>
#include <memory>
#include <optional>

namespace objet_3d_pkg {

DECLARER_ERREUR(ERREUR_AFFICHAGE_OBJET_VIDE, "OBJET_3D_PKG.ERREUR_AFFICHAGE_OBJET_VIDE");
DECLARER_ERREUR(LISTE_VIDE, "OBJET_3D_PKG.LISTE_VIDE");

struct coordonnee_3d {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    bool operator==(const coordonnee_3d&) const = default;
};

// Courbe d'une animation : RACINE part vite et freine, CARRE part lentement et accélère.
enum class mode_animation : std::uint8_t { LINEAIRE = 0, RACINE = 1, CARRE = 2 };

struct parametres_position {
    coordonnee_3d position;
    horloge_pkg::duree duree{0};
    mode_animation mode = mode_animation::LINEAIRE;
};

struct parametres_rotation {
    float theta = 0.0f;
    coordonnee_3d axe;
    horloge_pkg::duree duree{0};
    mode_animation mode = mode_animation::LINEAIRE;
};

class objet_affichable;
using classe_objet_affichable = std::shared_ptr<objet_affichable>;
using l_obj3d = listes_pkg<classe_objet_affichable>;
using piles_positions_pkg = listes_pkg<parametres_position>;
using piles_rotations_pkg = listes_pkg<parametres_rotation>;

// Attente avant la prochaine image qu'une animation demande : zéro pour l'image suivante au plus tôt, aucune quand
// rien ne bouge.
using delai_image = std::optional<horloge_pkg::duree>;
// La plus proche des deux demandes.
delai_image au_plus_tot(delai_image a, delai_image b);

// f(pourcent) × (finale − initiale) + initiale, f étant la courbe du mode.
float valeur_intermediaire(float pourcent, float valeur_initiale, float valeur_finale, mode_animation mode);

// Horloge des animations : la monotone du système, sauf si un test en donne une autre.
// L'horloge donnée doit vivre tant que des animations tournent.
void definir_horloge(const horloge_pkg::horloge& h);
void retablir_horloge_systeme();
// L'instant présent de cette horloge, pour les animations qui se tiennent elles-mêmes (le cube des niveaux).
horloge_pkg::duree maintenant();

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

    // Déplacement et rotation animés : mis en file, ils démarrent quand les précédents sont finis.
    virtual void positionner_objet3d(const coordonnee_3d& les_coordonnees, horloge_pkg::duree retard,
                                     mode_animation mode);
    virtual void rotation_objet3d(float theta, const coordonnee_3d& vecteur, horloge_pkg::duree retard,
                                  mode_animation mode);

    // Avance les animations de l'objet puis, si demandé, celles de ses sous-objets.
    virtual void animer();
    virtual void animer_sous_objets(bool activer) { animer_sous_objets_ = activer; }
    virtual void animer_position();
    virtual void animer_rotation();
    // Quand l'objet, ou l'un des sous-objets qu'il anime, aura besoin d'une nouvelle image : la boucle le demande à
    // l'écran après chaque image et dort jusque-là. Une animation en file la demande au plus tôt.
    virtual delai_image delai_prochaine_image() const;

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
    coordonnee_3d coordonnees_precedentes_;
    coordonnee_3d axe_rotation_precedente_;
    float angle_rotation_precedente_ = 0.0f;
    horloge_pkg::duree debut_animation_position_{0};
    horloge_pkg::duree debut_animation_rotation_{0};
    piles_positions_pkg::liste liste_positions_ = piles_positions_pkg::liste_vide();
    piles_rotations_pkg::liste liste_rotations_ = piles_rotations_pkg::liste_vide();
};

} // namespace objet_3d_pkg
