// Primitives de dessin des textures : image en flottants, formes lissées par distance signée, écriture PNG.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace images::dessin {

struct couleur {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;
};

struct point {
    float x = 0.0f, y = 0.0f;
};

// Couleur donnée en octets 0 .. 255, opacité en 0 .. 1.
couleur rvb(int r, int g, int b, float a = 1.0f);
couleur melanger(const couleur& c1, const couleur& c2, float t);
// Multiplie les trois composantes (éclaircit au-dessus de 1, assombrit en dessous).
couleur nuancer(const couleur& c, float facteur);
couleur avec_opacite(const couleur& c, float a);

float borner(float v, float bas = 0.0f, float haut = 1.0f);
float transition(float bord0, float bord1, float v);

// Image en flottants 0 .. 1 ; `alpha` dit si le fichier garde la transparence (RGBA) ou non (RGB).
class image {
public:
    image(int largeur, int hauteur, bool alpha);
    int largeur() const { return largeur_; }
    int hauteur() const { return hauteur_; }
    bool alpha() const { return alpha_; }
    couleur& pixel(int x, int y) { return pixels_[static_cast<std::size_t>(y) * largeur_ + x]; }
    const couleur& pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * largeur_ + x]; }

private:
    int largeur_;
    int hauteur_;
    bool alpha_;
    std::vector<couleur> pixels_;
};

// Repère du dessin : le rectangle [xmin, xmax] × [ymin, ymax] de la géométrie affichée couvre toute l'image,
// y vers le haut. On dessine ainsi aux proportions de l'écran quelle que soit la taille de la texture.
class repere {
public:
    repere(const image& im, float xmin, float ymin, float xmax, float ymax);
    point centre_pixel(int px, int py) const;
    // Taille d'un pixel dans le repère : sert de largeur au lissage des bords.
    float pixel() const { return pixel_; }

private:
    float xmin_, ymax_, pas_x_, pas_y_, pixel_;
};

using distance_signee = std::function<float(point)>;
using peinture = std::function<couleur(point)>;

// Distances signées, négatives à l'intérieur.
float disque(point p, point centre, float rayon);
float boite(point p, point centre, float demi_largeur, float demi_hauteur, float rayon_coins);
float segment(point p, point a, point b);
float polygone(point p, const std::vector<point>& sommets);

// Part d'un pixel couverte par la forme de distance d (bord lissé sur un pixel).
float couverture(float d, float pixel);
// Éclairage d'un biseau de largeur donnée le long du bord intérieur d'une forme, lumière en haut à gauche :
// +1 sur les pentes tournées vers la lumière, −1 à l'opposé, 0 au plat.
float biseau(const distance_signee& forme, point p, float largeur, float pixel);

// Pose une couche : pour chaque pixel, la peinture rend sa couleur et son opacité, posée par-dessus.
void poser(image& im, const repere& r, const peinture& p);
// Pose une forme pleine lissée, peinte à l'intérieur.
void remplir(image& im, const repere& r, const distance_signee& forme, const peinture& p);
// Halo autour d'une forme : opacité décroissant avec la distance au bord extérieur.
void halo(image& im, const repere& r, const distance_signee& forme, const couleur& c, float portee);

// Écrit l'image en PNG 8 bits (RGB ou RGBA selon l'image) ; lève std::runtime_error en cas d'échec.
void enregistrer_png(const image& im, const std::string& chemin);

} // namespace images::dessin
