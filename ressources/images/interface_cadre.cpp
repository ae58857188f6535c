// Décors du poste de pilotage : coins et barres du cadre, panneau de droite, fond des scores, socle du dock.
//
// Chaque image est dessinée dans le repère de la géométrie qui l'affiche (mêmes proportions qu'à l'écran) :
// seule la partie couverte par cette géométrie est visible, le reste est transparent.
#include "interface_cadre.hpp"

#include "metal.hpp"

#include <cmath>
#include <vector>

namespace images::interface_cadre {

using namespace dessin;

namespace {

// Distance signée à une droite orientée de a vers b : positive à gauche du sens de parcours.
float cote(point p, point a, point b) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    return ((p.x - a.x) * -dy + (p.y - a.y) * dx) / std::hypot(dx, dy);
}

// Joint de tôle : trait sombre souligné d'un reflet, seulement à l'intérieur de la forme.
void joint(image& im, const repere& r, const distance_signee& forme, point a, point b) {
    poser(im, r, [&](point p) {
        if (forme(p) > -0.02f) {
            return couleur{0, 0, 0, 0};
        }
        const float d = segment(p, a, b);
        const float sombre = couverture(d - 0.006f, r.pixel());
        const float reflet = couverture(segment(p, {a.x + 0.01f, a.y - 0.01f}, {b.x + 0.01f, b.y - 0.01f}) - 0.004f,
                                        r.pixel());
        return sombre > 0.0f ? rvb(8, 10, 14, 0.8f * sombre) : rvb(200, 215, 235, 0.25f * reflet);
    });
}

// Ouïes d'aération : fentes parallèles enfoncées.
void ouies(image& im, const repere& r, point depart, point pas, point longueur, int nombre) {
    for (int i = 0; i < nombre; ++i) {
        const point a{depart.x + pas.x * static_cast<float>(i), depart.y + pas.y * static_cast<float>(i)};
        const point b{a.x + longueur.x, a.y + longueur.y};
        const distance_signee fente = [a, b](point p) { return segment(p, a, b) - 0.012f; };
        remplir(im, r, fente, [&](point p) {
            return nuancer(rvb(10, 12, 16), 1.0f - 0.6f * biseau(fente, p, 0.012f, r.pixel()));
        });
    }
}

void voyant_ambre(image& im, const repere& r, point centre, float rayon) {
    const distance_signee lampe = [&](point p) { return disque(p, centre, rayon); };
    halo(im, r, lampe, avec_opacite(metal::ambre, 0.7f), rayon * 0.8f);
    remplir(im, r, lampe, [&](point p) {
        return melanger(rvb(255, 240, 190), metal::ambre, borner(std::hypot(p.x - centre.x, p.y - centre.y) / rayon));
    });
}

// Écran enfoncé sombre : fond bleu nuit, lignes de balayage discrètes, rebord ombré.
void ecran(image& im, const repere& r, const distance_signee& forme, const couleur& teinte, float opacite) {
    remplir(im, r, [&](point p) { return forme(p) - 0.012f; }, [](point) { return rvb(4, 6, 9, 0.9f); });
    remplir(im, r, forme, [&](point p) {
        const float ligne = p.y / (r.pixel() * 3.0f);
        const float balayage = ligne - std::floor(ligne) < 0.34f ? 1.08f : 1.0f;
        return avec_opacite(nuancer(teinte, balayage * (1.0f - 0.5f * biseau(forme, p, 0.04f, r.pixel()))), opacite);
    });
}

} // namespace

image triangle() {
    image im(512, 256, true);
    const repere r(im, -1.0f, -0.69f, 1.0f, 0.69f);
    // Coin du cadre : tout ce qui est sous la ligne brisée A-B-C ; seuls ces deux bords sont visibles à l'écran.
    const point a{-1.0f, 0.69f}, b{-0.33f, 0.0f}, c{1.0f, -0.69f};
    const distance_signee coin = [=](point p) { return std::min(cote(p, a, b), cote(p, b, c)); };
    metal::plaque(im, r, coin, metal::acier, 0.06f, 21);
    joint(im, r, coin, {-0.62f, -0.69f}, {-0.62f, 0.2f});
    joint(im, r, coin, {-1.0f, -0.3f}, {1.0f, -0.3f});
    ouies(im, r, {-0.92f, -0.45f}, {0.05f, 0.0f}, {0.0f, -0.17f}, 5);
    for (const point rv : {point{-0.9f, 0.3f}, point{-0.7f, -0.4f}, point{-0.12f, -0.4f}, point{0.55f, -0.58f},
                           point{-0.5f, -0.62f}}) {
        metal::rivet(im, r, rv, 0.022f);
    }
    for (int i = 0; i < 3; ++i) {
        voyant_ambre(im, r, {-0.5f + 0.09f * static_cast<float>(i), -0.52f}, 0.022f);
    }
    metal::filet(im, r, [&](point p) { return coin(p) + 0.07f; }, metal::cyan, 0.018f);
    return im;
}

image barre() {
    image im(512, 64, true);
    const repere r(im, -1.0f, -0.086f, 1.0f, 0.086f);
    const distance_signee corps = [](point p) { return boite(p, {0, 0}, 0.995f, 0.08f, 0.08f); };
    metal::plaque(im, r, corps, metal::acier, 0.03f, 31);
    const distance_signee rainure = [](point p) { return boite(p, {0, 0}, 0.8f, 0.024f, 0.024f); };
    remplir(im, r, rainure, [&](point p) {
        const float coeur = 1.0f - borner(std::abs(p.y) / 0.024f);
        return nuancer(melanger(rvb(0, 120, 160), rvb(200, 250, 255), coeur * coeur),
                       1.0f - 0.4f * biseau(rainure, p, 0.01f, r.pixel()));
    });
    for (const float x : {-0.9f, 0.9f}) {
        voyant_ambre(im, r, {x, 0.0f}, 0.03f);
    }
    return im;
}

image panneau_droite() {
    image im(256, 512, true);
    const repere r(im, -0.59f, -1.73f, 0.59f, 1.73f);
    // Bord gauche incurvé : mêmes sommets que le polygone affiché, prolongés hors de l'image.
    const std::vector<point> contour = {{0.8f, -2.0f},         {0.8f, 2.0f},       {-0.689f, 2.0f},
                                        {-0.3363f, 1.038f},    {-0.26196f, 0.0f},  {-0.3363f, -1.038f},
                                        {-0.689f, -2.0f}};
    const distance_signee panneau = [&](point p) { return polygone(p, contour); };
    metal::plaque(im, r, panneau, metal::acier_sombre, 0.05f, 41);

    // Carte du système : les planètes découvertes s'affichent devant cette fenêtre.
    const distance_signee carte = [](point p) { return boite(p, {0.19f, 0.73f}, 0.33f, 0.74f, 0.06f); };
    ecran(im, r, carte, rvb(10, 16, 30), 1.0f);
    poser(im, r, [&](point p) {
        if (carte(p) > -0.01f) {
            return couleur{0, 0, 0, 0};
        }
        const float lx = std::abs(std::remainder(p.x - 0.19f, 0.165f));
        const float ly = std::abs(std::remainder(p.y - 0.73f, 0.185f));
        return avec_opacite(metal::cyan, 0.12f * couverture(std::min(lx, ly) - 0.002f, r.pixel()));
    });
    metal::filet(im, r, [&](point p) { return carte(p) + 0.004f; }, metal::ambre, 0.008f);

    // Logement de la croix des flèches et du bouton de zoom.
    const point croix{0.11f, -1.13f};
    const distance_signee logement = [&](point p) { return disque(p, croix, 0.37f); };
    ecran(im, r, logement, rvb(16, 20, 28), 1.0f);
    metal::filet(im, r, [&](point p) { return logement(p) + 0.006f; }, metal::ambre, 0.008f);

    joint(im, r, panneau, {-0.4f, 1.58f}, {0.59f, 1.58f});
    joint(im, r, panneau, {-0.4f, -0.82f}, {0.59f, -0.82f});
    joint(im, r, panneau, {-0.6f, -1.6f}, {0.59f, -1.6f});
    for (const float y : {1.66f, 1.5f, -0.74f, -0.9f, -1.52f, -1.67f}) {
        metal::rivet(im, r, {0.52f, y}, 0.02f);
    }
    ouies(im, r, {0.0f, -1.67f}, {0.06f, 0.0f}, {0.0f, 0.09f}, 7);
    metal::filet(im, r, [&](point p) { return panneau(p) + 0.045f; }, metal::cyan, 0.014f);
    return im;
}

image fond_score() {
    image im(256, 256, true);
    const repere r(im, -0.9f, -1.0f, 0.9f, 1.0f);
    const distance_signee cadre = [](point p) { return boite(p, {0, 0}, 0.88f, 0.98f, 0.12f); };
    metal::plaque(im, r, cadre, metal::acier, 0.05f, 51);
    const distance_signee vitre = [](point p) { return boite(p, {0, 0}, 0.78f, 0.88f, 0.08f); };
    ecran(im, r, vitre, rvb(8, 30, 40), 0.93f);
    // Bandeau du titre, teinté d'ambre, séparé des chiffres par un filet.
    const distance_signee bandeau = [](point p) { return boite(p, {0, 0.75f}, 0.76f, 0.12f, 0.06f); };
    remplir(im, r, bandeau, [](point p) { return rvb(60, 40, 10, 0.55f - 0.25f * std::abs(p.x)); });
    metal::filet(im, r, [](point p) { return std::max(std::abs(p.y - 0.6f), std::abs(p.x) - 0.7f); }, metal::ambre,
                 0.012f);
    metal::filet(im, r, [&](point p) { return vitre(p) + 0.004f; }, metal::cyan, 0.012f);
    for (const point rv : {point{-0.8f, -0.91f}, point{0.8f, -0.91f}, point{-0.8f, 0.91f}, point{0.8f, 0.91f}}) {
        metal::rivet(im, r, rv, 0.03f);
    }
    return im;
}

image dock() {
    image im(512, 512, true);
    const repere r(im, -1.0f, -0.75f, 1.0f, 0.75f);
    const distance_signee socle = [](point p) { return boite(p, {0, 0}, 0.98f, 0.73f, 0.12f); };
    metal::plaque(im, r, socle, metal::acier_sombre, 0.05f, 61);
    // Logement des boutons empilés.
    const distance_signee logement = [](point p) { return boite(p, {-0.01f, -0.05f}, 0.5f, 0.62f, 0.06f); };
    ecran(im, r, logement, rvb(14, 18, 26), 1.0f);
    metal::filet(im, r, [&](point p) { return logement(p) + 0.006f; }, metal::cyan, 0.01f);
    for (const float cote_x : {-1.0f, 1.0f}) {
        ouies(im, r, {cote_x * 0.84f - 0.08f, 0.45f}, {0.0f, -0.07f}, {0.16f, 0.0f}, 8);
        for (int i = 0; i < 3; ++i) {
            voyant_ambre(im, r, {cote_x * 0.74f, -0.25f - 0.12f * static_cast<float>(i)}, 0.028f);
        }
        metal::rivet(im, r, {cote_x * 0.86f, 0.6f}, 0.025f);
        metal::rivet(im, r, {cote_x * 0.86f, -0.6f}, 0.025f);
    }
    metal::filet(im, r, [&](point p) { return socle(p) + 0.04f; }, metal::ambre, 0.012f);
    return im;
}

} // namespace images::interface_cadre
