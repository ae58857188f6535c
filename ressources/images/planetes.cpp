// Cartes des corps du système solaire, en projection équirectangulaire pour la sphère texturée.
//
// Chaque pixel est ramené à son point de la sphère unité et les bruits y sont pris en 3D : la carte se
// raccorde d'elle-même au méridien de recollement et rien ne s'étire aux pôles. La première ligne de
// l'image s'affiche en haut de la sphère.
#include "planetes.hpp"

#include "bruit.hpp"

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace images::planetes {

using namespace dessin;

namespace {

constexpr int largeur_carte = 512;
constexpr int hauteur_carte = 256;
constexpr float pi = std::numbers::pi_v<float>;

// Un point de la surface : longitude et latitude en degrés, position sur la sphère unité.
struct lieu {
    float longitude, latitude;
    float x, y, z;
};

image carte(const std::function<couleur(const lieu&)>& teinte) {
    image im(largeur_carte, hauteur_carte, false);
    for (int j = 0; j < hauteur_carte; ++j) {
        const float latitude = 90.0f - 180.0f * (static_cast<float>(j) + 0.5f) / hauteur_carte;
        for (int i = 0; i < largeur_carte; ++i) {
            const float longitude = 360.0f * (static_cast<float>(i) + 0.5f) / largeur_carte;
            const float phi = latitude * pi / 180.0f, lambda = longitude * pi / 180.0f;
            const lieu l{longitude, latitude, std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda),
                         std::sin(phi)};
            im.pixel(i, j) = teinte(l);
        }
    }
    return im;
}

float bruit_en(const lieu& l, float frequence, std::uint32_t graine, int octaves) {
    return bruit::octaves(l.x * frequence, l.y * frequence, l.z * frequence, graine, octaves);
}

// Écart de longitude ramené dans −180 .. 180 : les taches proches du recollement restent entières.
float ecart_longitude(float a, float b) {
    return std::remainder(a - b, 360.0f);
}

// Latitude déformée par des tourbillons : base des bandes des planètes gazeuses.
float latitude_agitee(const lieu& l, float force, std::uint32_t graine) {
    const float tourbillon = bruit::octaves(l.x * 3.0f, l.y * 3.0f, l.z * 9.0f, graine, 4);
    const float fin = bruit::octaves(l.x * 10.0f, l.y * 10.0f, l.z * 30.0f, graine + 1, 3);
    return l.latitude + force * (tourbillon * 6.0f + fin * 1.5f);
}

// Palette en bandes : la latitude choisit une position le long de la liste de teintes, de façon cyclique.
couleur bandes(float latitude, const std::vector<couleur>& teintes, float largeur_bande) {
    const float position = (latitude + 90.0f) / largeur_bande;
    const float base = std::floor(position);
    const auto n = static_cast<int>(teintes.size());
    const int i = ((static_cast<int>(base) % n) + n) % n;
    return melanger(teintes[static_cast<std::size_t>(i)], teintes[static_cast<std::size_t>((i + 1) % n)],
                    transition(0.55f, 1.0f, position - base));
}

// Cratères sur une échelle : cuvette sombre, rempart clair. Rend un facteur d'éclairage autour de 1.
float crateres(const lieu& l, float frequence, std::uint32_t graine, float force) {
    const bruit::cellule c = bruit::cellulaire(l.x * frequence, l.y * frequence, l.z * frequence, graine);
    const float rayon = 0.22f + 0.2f * static_cast<float>(c.identifiant & 0xFF) / 255.0f;
    if ((c.identifiant >> 8) % 3 != 0) {
        return 1.0f;
    }
    const float d = c.premier / rayon;
    if (d > 1.3f) {
        return 1.0f;
    }
    const float cuvette = d < 1.0f ? -0.35f * (1.0f - d * d) : 0.0f;
    const float rempart = 0.3f * std::exp(-std::pow((d - 1.0f) / 0.12f, 2.0f));
    return 1.0f + force * (cuvette + rempart);
}

} // namespace

image pluton() {
    return carte([](const lieu& l) {
        const float albedo = bruit_en(l, 3.0f, 301, 5);
        couleur c = melanger(rvb(190, 165, 140), rvb(225, 205, 180), 0.5f + 0.6f * albedo);
        // Longue bande sombre et rougeâtre le long de l'équateur.
        const float bande = transition(28.0f, 8.0f, std::abs(l.latitude + 5.0f + 10.0f * bruit_en(l, 2.0f, 302, 3)));
        c = melanger(c, rvb(105, 60, 42), 0.85f * bande * transition(-0.2f, 0.2f, bruit_en(l, 1.5f, 303, 4) + 0.1f));
        // La grande plaine claire en forme de cœur.
        const float u = ecart_longitude(l.longitude, 180.0f) / 30.0f;
        const float v = (l.latitude - 10.0f) / 28.0f + 0.15f;
        const float coeur = std::pow(u * u + v * v - 1.0f, 3.0f) - u * u * v * v * v;
        const float dans_coeur = transition(0.05f, -0.05f, coeur + 0.08f * bruit_en(l, 6.0f, 304, 3));
        c = melanger(c, rvb(238, 228, 212), 0.85f * dans_coeur);
        return nuancer(c, crateres(l, 9.0f, 305, 0.5f));
    });
}

image neptune() {
    return carte([](const lieu& l) {
        const float lat = latitude_agitee(l, 0.6f, 311);
        couleur c = bandes(lat, {rvb(52, 95, 205), rvb(40, 78, 185), rvb(62, 110, 215), rvb(35, 70, 170)}, 14.0f);
        // Grande tache sombre de l'hémisphère sud, bordée de nuages clairs.
        const float du = ecart_longitude(l.longitude, 110.0f) / 14.0f;
        const float dv = (l.latitude + 22.0f) / 7.0f;
        const float tache = std::sqrt(du * du + dv * dv);
        c = melanger(c, rvb(22, 40, 120), 0.85f * transition(1.0f, 0.4f, tache));
        // Cirrus blancs étirés en longitude.
        const float cirrus = bruit::octaves(l.x * 2.0f, l.y * 2.0f, l.z * 24.0f, 312, 4);
        const float compagnon = transition(0.9f, 0.3f, std::hypot(du, dv + 1.3f));
        return melanger(c, rvb(225, 240, 255), borner(0.8f * transition(0.3f, 0.6f, cirrus) + 0.8f * compagnon));
    });
}

image uranus() {
    return carte([](const lieu& l) {
        const float lat = latitude_agitee(l, 0.25f, 321);
        couleur c = bandes(lat, {rvb(168, 222, 228), rvb(158, 214, 224), rvb(175, 228, 232)}, 18.0f);
        // Calotte plus claire autour du pôle tourné vers le Soleil.
        c = melanger(c, rvb(210, 245, 245), transition(45.0f, 80.0f, l.latitude));
        return nuancer(c, 1.0f + 0.03f * bruit_en(l, 5.0f, 322, 3));
    });
}

image saturne() {
    return carte([](const lieu& l) {
        const float lat = latitude_agitee(l, 0.35f, 331);
        couleur c = bandes(lat, {rvb(232, 210, 160), rvb(210, 178, 120), rvb(225, 198, 140), rvb(190, 155, 105),
                                 rvb(236, 218, 172)},
                           9.0f);
        // Pôles bleutés, équateur plus lumineux.
        c = melanger(c, rvb(150, 160, 170), transition(62.0f, 85.0f, std::abs(l.latitude)));
        return nuancer(c, 1.0f + 0.08f * transition(15.0f, 0.0f, std::abs(l.latitude)));
    });
}

image jupiter() {
    return carte([](const lieu& l) {
        const float lat = latitude_agitee(l, 1.3f, 341);
        couleur c = bandes(lat, {rvb(228, 214, 190), rvb(196, 142, 100), rvb(220, 200, 170), rvb(172, 116, 82),
                                 rvb(232, 220, 198), rvb(188, 134, 96)},
                           10.0f);
        c = melanger(c, rvb(150, 135, 125), transition(55.0f, 80.0f, std::abs(l.latitude)));
        c = nuancer(c, 1.0f + 0.08f * bruit_en(l, 16.0f, 343, 3));
        // La Grande Tache rouge : ovale tourbillonnant bordé d'un anneau clair.
        const float du = ecart_longitude(l.longitude, 200.0f) / 17.0f;
        const float dv = (l.latitude + 22.0f) / 8.0f;
        const float tache = std::sqrt(du * du + dv * dv) + 0.08f * bruit_en(l, 12.0f, 342, 2);
        const couleur rouge = melanger(rvb(205, 95, 58), rvb(178, 78, 50), transition(0.0f, 0.8f, tache));
        c = melanger(c, rvb(245, 225, 205), transition(1.35f, 1.05f, tache));
        return melanger(c, rouge, transition(1.02f, 0.8f, tache));
    });
}

image mars() {
    return carte([](const lieu& l) {
        const float relief = bruit_en(l, 2.5f, 351, 6);
        couleur c = melanger(rvb(200, 98, 52), rvb(226, 150, 96), transition(-0.1f, 0.5f, relief));
        c = melanger(c, rvb(115, 55, 35), 0.8f * transition(0.05f, -0.3f, bruit_en(l, 1.8f, 352, 5)));
        c = nuancer(c, crateres(l, 10.0f, 354, 0.4f));
        // Calottes polaires, la nord plus grande.
        const float bord = 6.0f * bruit_en(l, 6.0f, 355, 3);
        const float calotte = std::max(transition(74.0f, 78.0f, l.latitude + bord),
                                       transition(-80.0f, -84.0f, l.latitude + bord));
        return melanger(c, rvb(245, 240, 235), calotte);
    });
}

image terre() {
    return carte([](const lieu& l) {
        const float continent = bruit_en(l, 1.6f, 361, 7) - 0.07f;
        const float froid = std::abs(l.latitude) + 8.0f * bruit_en(l, 4.0f, 362, 3);
        couleur c;
        if (continent < 0.0f) {
            c = melanger(rvb(28, 82, 160), rvb(12, 38, 110), transition(0.0f, 0.05f, -continent));
        } else {
            const float humidite = bruit_en(l, 3.0f, 363, 4);
            const couleur foret = melanger(rvb(38, 105, 40), rvb(85, 130, 55), 0.5f + humidite);
            const couleur desert = rvb(205, 175, 115);
            const float aride = transition(12.0f, 24.0f, froid) * transition(40.0f, 30.0f, froid);
            c = melanger(foret, desert, borner(aride * (0.8f - humidite * 1.5f)));
            c = melanger(c, rvb(125, 115, 95), transition(52.0f, 64.0f, froid));
            c = melanger(c, rvb(150, 125, 90), transition(0.25f, 0.45f, continent) * 0.6f);
        }
        c = melanger(c, rvb(240, 246, 255), transition(68.0f, 74.0f, froid));
        // Nuages blancs en écharpes.
        const float nuages = bruit::octaves(l.x * 3.0f, l.y * 3.0f, l.z * 6.0f, 364, 5);
        return melanger(c, rvb(250, 252, 255), 0.85f * transition(0.12f, 0.45f, nuages));
    });
}

image venus() {
    return carte([](const lieu& l) {
        // Nuages épais en larges chevrons : la latitude courbe les bandes selon la longitude.
        const float chevron = std::abs(l.latitude) * 0.5f + 20.0f * bruit_en(l, 2.0f, 371, 4);
        couleur c = bandes(chevron, {rvb(238, 214, 160), rvb(222, 190, 130), rvb(242, 224, 178)}, 12.0f);
        return nuancer(c, 1.0f + 0.06f * bruit_en(l, 8.0f, 372, 3));
    });
}

image mercure() {
    return carte([](const lieu& l) {
        const float albedo = bruit_en(l, 3.0f, 381, 5);
        const couleur c = melanger(rvb(120, 114, 108), rvb(175, 168, 160), 0.5f + 0.7f * albedo);
        return nuancer(c, crateres(l, 6.0f, 382, 0.9f) * crateres(l, 14.0f, 383, 0.7f) * crateres(l, 30.0f, 384, 0.4f));
    });
}

image soleil() {
    return carte([](const lieu& l) {
        // Granulation : cœurs des cellules brillants, joints plus sombres.
        const bruit::cellule g = bruit::cellulaire(l.x * 45.0f, l.y * 45.0f, l.z * 45.0f, 391);
        const float joint = transition(0.0f, 0.3f, g.second - g.premier);
        const float activite = bruit_en(l, 4.0f, 392, 4);
        couleur c = melanger(rvb(240, 120, 15), rvb(255, 228, 110), 0.45f + 0.45f * joint + 0.4f * activite);
        // Quelques taches, ombre et pénombre, dans les latitudes actives.
        const bruit::cellule t = bruit::cellulaire(l.x * 4.0f, l.y * 4.0f, l.z * 4.0f, 393);
        if ((t.identifiant & 3) == 0 && std::abs(l.latitude) > 8.0f && std::abs(l.latitude) < 35.0f) {
            c = melanger(c, rvb(185, 75, 15), transition(0.3f, 0.2f, t.premier));
            c = melanger(c, rvb(60, 20, 5), transition(0.16f, 0.1f, t.premier));
        }
        return c;
    });
}

image inconnu() {
    return carte([](const lieu& l) {
        const float brume = bruit_en(l, 3.0f, 401, 5);
        couleur c = melanger(rvb(18, 20, 34), rvb(45, 42, 70), 0.5f + 0.8f * brume);
        // Quadrillage cyan tous les 30 degrés, large d'environ un pixel et demi.
        const float pixels_longitude = std::abs(std::remainder(l.longitude, 30.0f)) * largeur_carte / 360.0f;
        const float pixels_latitude = std::abs(std::remainder(l.latitude, 30.0f)) * hauteur_carte / 180.0f;
        const float trait = borner(1.5f - std::min(pixels_longitude, pixels_latitude));
        return melanger(c, rvb(60, 210, 240), 0.75f * trait);
    });
}

} // namespace images::planetes
