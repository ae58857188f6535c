// Boutons de l'interface, au repos et enfoncés : rond, cockpit, dock, flèche, plaque ancienne, voyants.
//
// Convention de tout le poste : filet ambre au repos, lumière cyan quand le bouton est enfoncé. Les boutons
// ronds portent une étiquette noire, leur face reste claire ; les autres portent du jaune pâle sur fond sombre.
#include "interface_boutons.hpp"

#include "metal.hpp"

#include <cmath>
#include <vector>

namespace images::interface_boutons {

using namespace dessin;

namespace {

couleur lumiere(bool actif) {
    return actif ? metal::cyan : metal::ambre;
}

// Face sombre d'un bouton, éclairée de cyan par en dessous quand il est enfoncé.
peinture face_sombre(const distance_signee& forme, const repere& r, bool actif) {
    return [&forme, &r, actif](point p) {
        const float profondeur = borner(-forme(p) / 0.15f);
        const couleur fond = actif ? melanger(rvb(30, 120, 145), rvb(12, 50, 64), profondeur) : metal::acier_sombre;
        return nuancer(fond, 1.0f - 0.5f * biseau(forme, p, 0.03f, r.pixel()));
    };
}

void ombre(image& im, const repere& r, const distance_signee& forme, float portee) {
    halo(im, r, forme, rvb(0, 0, 0, 0.55f), portee);
}

} // namespace

image bouton_rond(bool actif) {
    image im(128, 128, true);
    const repere r(im, -0.5f, -0.5f, 0.5f, 0.5f);
    const distance_signee lunette = [](point p) { return disque(p, {0, 0}, 0.46f); };
    ombre(im, r, lunette, 0.02f);
    metal::plaque(im, r, lunette, metal::acier, 0.05f, 71);
    const distance_signee face = [](point p) { return disque(p, {0, 0}, 0.37f); };
    remplir(im, r, [&](point p) { return face(p) - 0.015f; }, [](point) { return rvb(6, 8, 10, 0.9f); });
    remplir(im, r, face, [&](point p) {
        // Dôme éclairé en haut à gauche au repos ; enfoncé, la face se creuse et la lumière passe en bas à droite.
        const float sens = actif ? -1.0f : 1.0f;
        const float pente = borner(0.5f + sens * (p.y - p.x) * 0.9f);
        const couleur c = actif ? melanger(rvb(215, 120, 20), rvb(255, 205, 110), pente)
                                : melanger(rvb(225, 140, 30), rvb(255, 240, 185), pente);
        const float eclat = actif ? 0.0f : transition(0.12f, 0.0f, disque(p, {-0.13f, 0.14f}, 0.04f));
        return melanger(c, rvb(255, 255, 250), 0.8f * eclat);
    });
    if (actif) {
        metal::filet(im, r, [&](point p) { return face(p) + 0.005f; }, metal::cyan, 0.02f);
    }
    return im;
}

image bouton_cockpit(bool actif) {
    image im(256, 256, true);
    const repere r(im, -0.5f, -0.39f, 0.5f, 0.39f);
    const std::vector<point> coin = {{-0.5f, 0.39f}, {0.5f, 0.39f}, {0.5f, -0.39f}};
    const distance_signee plaque = [&](point p) { return polygone(p, coin) + 0.015f; };
    metal::plaque(im, r, plaque, metal::acier, 0.035f, 81);
    const distance_signee face = [&](point p) { return polygone(p, coin) + 0.075f; };
    remplir(im, r, face, face_sombre(face, r, actif));
    metal::filet(im, r, [&](point p) { return face(p) + 0.006f; }, lumiere(actif), actif ? 0.014f : 0.01f);
    metal::rivet(im, r, {0.455f, 0.345f}, 0.016f);
    return im;
}

image bouton_dock(bool actif) {
    image im(256, 64, true);
    const repere r(im, -1.0f, -0.19f, 1.0f, 0.19f);
    const distance_signee corps = [](point p) { return boite(p, {0, 0}, 0.985f, 0.175f, 0.1f); };
    metal::plaque(im, r, corps, metal::acier, 0.04f, 91);
    const distance_signee face = [](point p) { return boite(p, {-0.12f, 0}, 0.8f, 0.115f, 0.06f); };
    remplir(im, r, face, face_sombre(face, r, actif));
    metal::filet(im, r, [&](point p) { return face(p) + 0.006f; }, lumiere(actif), actif ? 0.016f : 0.011f);
    // Logement du voyant, posé par-dessus en x = 0.8.
    const distance_signee douille = [](point p) { return disque(p, {0.8f, 0}, 0.125f); };
    remplir(im, r, douille, [&](point p) {
        return nuancer(rvb(20, 22, 28), 1.0f - 0.8f * biseau(douille, p, 0.03f, r.pixel()));
    });
    return im;
}

image fleche(bool actif) {
    image im(64, 128, true);
    const repere r(im, -0.25f, -0.5f, 0.25f, 0.5f);
    const std::vector<point> contour = {{0.0f, 0.46f},   {0.22f, 0.08f},   {0.085f, 0.08f}, {0.085f, -0.46f},
                                        {-0.085f, -0.46f}, {-0.085f, 0.08f}, {-0.22f, 0.08f}};
    const distance_signee forme = [&](point p) { return polygone(p, contour); };
    if (actif) {
        halo(im, r, forme, avec_opacite(metal::cyan, 0.8f), 0.03f);
        remplir(im, r, forme, [&](point p) {
            const float coeur = borner(-forme(p) / 0.06f);
            return nuancer(melanger(rvb(0, 160, 210), rvb(220, 255, 255), coeur),
                           1.0f + 0.3f * biseau(forme, p, 0.03f, r.pixel()));
        });
        return im;
    }
    ombre(im, r, forme, 0.02f);
    metal::plaque(im, r, forme, nuancer(metal::acier_clair, 0.8f), 0.03f, 101);
    metal::filet(im, r, [&](point p) { return forme(p) + 0.03f; }, metal::ambre, 0.012f);
    return im;
}

image bouton_ancien(bool actif) {
    image im(256, 128, true);
    const repere r(im, -0.5f, -0.17f, 0.5f, 0.17f);
    // Plaque de laiton vieilli vissée aux quatre coins.
    const distance_signee plaque = [](point p) { return boite(p, {0, 0}, 0.492f, 0.162f, 0.05f); };
    metal::plaque(im, r, plaque, rvb(120, 92, 56), 0.025f, 111);
    const distance_signee face = [](point p) { return boite(p, {0, 0}, 0.41f, 0.11f, 0.035f); };
    remplir(im, r, face, face_sombre(face, r, actif));
    metal::filet(im, r, [&](point p) { return face(p) + 0.004f; }, lumiere(actif), actif ? 0.01f : 0.007f);
    for (const point vis : {point{-0.455f, -0.125f}, point{0.455f, -0.125f}, point{-0.455f, 0.125f},
                            point{0.455f, 0.125f}}) {
        metal::rivet(im, r, vis, 0.016f);
        remplir(im, r, [vis](point p) { return segment(p, {vis.x - 0.011f, vis.y + 0.011f}, {vis.x + 0.011f, vis.y - 0.011f}) - 0.003f; },
                [](point) { return rvb(30, 24, 16, 0.9f); });
    }
    return im;
}

image voyant(bool vert) {
    image im(64, 64, true);
    const repere r(im, -1.0f, -1.0f, 1.0f, 1.0f);
    const distance_signee lunette = [](point p) { return disque(p, {0, 0}, 0.94f); };
    metal::plaque(im, r, lunette, metal::acier, 0.15f, 121);
    const distance_signee lampe = [](point p) { return disque(p, {0, 0}, 0.68f); };
    const couleur clair = vert ? rvb(200, 255, 190) : rvb(255, 170, 150);
    const couleur sature = vert ? rvb(20, 200, 50) : rvb(215, 25, 15);
    remplir(im, r, lampe, [&](point p) {
        const float distance = std::hypot(p.x + 0.1f, p.y - 0.1f) / 0.75f;
        const couleur c = melanger(clair, sature, transition(0.0f, 0.9f, distance));
        const float eclat = transition(0.16f, 0.0f, disque(p, {-0.24f, 0.28f}, 0.1f));
        return melanger(c, rvb(255, 255, 255), 0.85f * eclat);
    });
    return im;
}

} // namespace images::interface_boutons
