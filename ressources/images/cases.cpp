// Images de la grille : les quatre états d'une case, le curseur du clavier et la loupe de l'aide.
//
// Sur une grille de 42 × 42 une case ne fait qu'une douzaine de pixels à l'écran : ce qui compte alors est
// la teinte moyenne de chaque état (acier sombre libre, cyan pour un chemin, ambre pour une case terminale
// en attente, cyan pâle pour une terminale reliée et pour l'image de la grille résolue). Les chiffres des
// cases terminales sont écrits en noir par-dessus : leur fenêtre centrale reste claire et large.
#include "cases.hpp"

#include "bruit.hpp"

#include <cmath>

namespace images::cases {

using namespace dessin;

namespace {

constexpr int cote_case = 256;

struct style_case {
    couleur cadre;
    couleur centre;
    couleur bord;
    float demi_fenetre;
    bool lumineuse;
    std::uint32_t graine;
};

image plaque(const style_case& style) {
    image im(cote_case, cote_case, false);
    const repere r(im, -1.0f, -1.0f, 1.0f, 1.0f);
    const float px = r.pixel();

    // Rainure sombre entre deux cases voisines.
    poser(im, r, [](point) { return rvb(9, 11, 15); });

    const distance_signee cadre = [](point p) { return boite(p, {0, 0}, 0.93f, 0.93f, 0.14f); };
    remplir(im, r, cadre, [&](point p) {
        const float brosse = bruit::octaves(p.x * 2.0f, p.y * 45.0f, 0.0f, style.graine, 3);
        const float lumiere = 1.0f + 0.55f * biseau(cadre, p, 0.11f, px) - 0.12f * (p.x - p.y) * 0.5f;
        return nuancer(style.cadre, (1.0f + 0.07f * brosse) * lumiere);
    });

    const float f = style.demi_fenetre;
    const distance_signee fenetre = [f](point p) { return boite(p, {0, 0}, f, f, 0.1f); };
    if (style.lumineuse) {
        halo(im, r, fenetre, avec_opacite(style.bord, 0.45f), 0.05f);
    }
    // Liseré sombre : la fenêtre est enfoncée dans la plaque.
    remplir(im, r, [&](point p) { return fenetre(p) - 0.035f; }, [](point) { return rvb(6, 8, 12, 0.85f); });
    remplir(im, r, fenetre, [&](point p) {
        const float distance = std::hypot(p.x, p.y) / (f * 1.35f);
        couleur c = melanger(style.centre, style.bord, transition(0.0f, 1.0f, distance));
        if (style.lumineuse) {
            c = nuancer(c, 1.0f + 0.06f * bruit::octaves(p.x * 3.0f, p.y * 3.0f, 0.5f, style.graine + 7, 3));
        }
        // Ombre portée du rebord en haut à gauche, reflet en bas à droite.
        return nuancer(c, 1.0f - 0.35f * biseau(fenetre, p, 0.07f, px));
    });

    // Quatre rivets dans les coins du cadre.
    for (const point rivet : {point{-0.8f, -0.8f}, point{0.8f, -0.8f}, point{-0.8f, 0.8f}, point{0.8f, 0.8f}}) {
        const distance_signee tete = [rivet](point p) { return disque(p, rivet, 0.045f); };
        remplir(im, r, tete, [&](point p) {
            return nuancer(style.cadre, 1.25f + 0.9f * biseau(tete, p, 0.045f, px));
        });
    }
    return im;
}

// Trait épais d'une icône transparente : lueur (si elle est visible), contour sombre, puis le trait lui-même.
void trait_contoure(image& im, const repere& r, const distance_signee& forme, const peinture& teinte,
                    const couleur& lueur) {
    if (lueur.a > 0.0f) {
        halo(im, r, forme, lueur, 0.09f);
    }
    remplir(im, r, [&](point p) { return forme(p) - 0.045f; }, [](point) { return rvb(8, 12, 6, 0.85f); });
    remplir(im, r, forme, teinte);
}

} // namespace

image case_libre() {
    return plaque({rvb(64, 72, 86), rvb(38, 44, 55), rvb(24, 28, 36), 0.62f, false, 11});
}

image case_occupee() {
    return plaque({rvb(54, 96, 112), rvb(165, 250, 255), rvb(0, 150, 205), 0.62f, true, 12});
}

image case_terminale() {
    return plaque({rvb(165, 122, 58), rvb(255, 242, 200), rvb(245, 172, 55), 0.74f, true, 13});
}

image case_terminale_occupee() {
    return plaque({rvb(70, 130, 142), rvb(235, 255, 255), rvb(80, 215, 240), 0.74f, true, 14});
}

image curseur() {
    image im(128, 128, true);
    const repere r(im, -1.0f, -1.0f, 1.0f, 1.0f);
    const distance_signee cadre = [](point p) {
        const float fin = std::abs(boite(p, {0, 0}, 0.85f, 0.85f, 0.12f)) - 0.05f;
        // Équerres épaisses aux coins : elles restent visibles quand la case n'a que quelques pixels.
        const float cadre_epais = std::max(boite(p, {0, 0}, 0.9f, 0.9f, 0.17f), -boite(p, {0, 0}, 0.66f, 0.66f, 0.05f));
        const float equerres = std::max({cadre_epais, 0.4f - std::abs(p.x), 0.4f - std::abs(p.y)});
        return std::min(fin, equerres);
    };
    trait_contoure(im, r, cadre, [](point p) {
        return melanger(rvb(235, 255, 170), rvb(130, 255, 40), transition(0.6f, 1.0f, std::max(std::abs(p.x), std::abs(p.y))));
    }, rvb(150, 255, 60, 0.45f));
    return im;
}

image loupe() {
    image im(128, 128, true);
    const repere r(im, -1.0f, -1.0f, 1.0f, 1.0f);
    const point centre{-0.17f, 0.17f};
    const float rayon = 0.5f;
    const point depart{centre.x + rayon * 0.7071f, centre.y - rayon * 0.7071f};

    remplir(im, r, [&](point p) { return disque(p, centre, rayon); }, [&](point p) {
        // Verre bleuté, reflet clair en haut à gauche.
        const float reflet = transition(0.2f, 0.0f, disque(p, {centre.x - 0.17f, centre.y + 0.17f}, 0.06f));
        return melanger(rvb(150, 210, 255, 0.28f), rvb(255, 255, 255, 0.75f), reflet);
    });
    const distance_signee manche = [&](point p) { return segment(p, depart, {0.8f, -0.8f}) - 0.12f; };
    const distance_signee anneau = [&](point p) { return std::abs(disque(p, centre, rayon)) - 0.09f; };
    const float px = r.pixel();
    trait_contoure(im, r, manche, [&](point p) {
        return nuancer(rvb(255, 150, 30), 1.0f + 0.5f * biseau(manche, p, 0.08f, px));
    }, rvb(0, 0, 0, 0.4f));
    // Pas d'ombre pour l'anneau : elle ternirait le verre.
    trait_contoure(im, r, anneau, [&](point p) {
        return nuancer(rvb(225, 240, 255), 1.0f + 0.25f * biseau(anneau, p, 0.06f, px));
    }, rvb(0, 0, 0, 0.0f));
    return im;
}

} // namespace images::cases
