// Champ d'étoiles du fond des pages : l'image répétée 3 × 3 fois, qui tourne lentement.
#pragma once

#include "erreur_pkg.hpp"
#include "horloge_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "piece_pkg.hpp"

#include <optional>

namespace fond_etoile_3d {

DECLARER_ERREUR(ERREUR_FOND_ETOILE_NON_INITIALISE, "FOND_ETOILE_3D.ERREUR_FOND_ETOILE_NON_INITIALISE");

// Trois degrés par seconde : le pas de 0,1 degré par image à la cadence que le menu atteignait (une image toutes
// les 33 ms environ, 25 ms d'attente et le dessin).
inline constexpr float vitesse_degres_par_seconde = 3.0f;

// Niveau de mipmap que prend OpenGL pour une texture filtrée au plus proche (GL_NEAREST_MIPMAP_NEAREST, GL_NEAREST
// en agrandissement) quand un pixel couvre texels_par_pixel texels, borné par le dernier niveau.
int niveau_mipmap(double texels_par_pixel, int dernier_niveau);

// Angle dont le champ a tourné entre deux instants de l'horloge des animations, en degrés.
double degres_depuis(horloge_pkg::duree depuis, horloge_pkg::duree maintenant);

// Angle dont il faut tourner pour qu'un point à rayon_pixels du centre de rotation avance d'un pixel, en degrés.
float pas_d_un_pixel(double rayon_pixels);

class fond_etoile_3d_affichable
    : public piece_pkg::piece<objet_3d_pkg::objet_affichable, ERREUR_FOND_ETOILE_NON_INITIALISE> {
public:
    virtual void initialiser() { est_initialise_ = true; }
    // Tourne autour de z à vitesse constante sur l'horloge des animations.
    void animer() override;
    // L'image n'est redemandée que lorsque le coin de l'écran, le point visible le plus loin du centre, aura avancé
    // d'un pixel.
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

protected:
    void dessiner() override;

private:
    // Instant de l'angle montré ; vide avant la première image et après une absence de l'écran.
    std::optional<horloge_pkg::duree> instant_angle_;
    horloge_pkg::duree derniere_image_{0};
    // Mesuré à chaque dessin d'après la projection ; 0,1 degré avant le premier.
    float pas_pixel_degres_ = 0.1f;
};

} // namespace fond_etoile_3d
