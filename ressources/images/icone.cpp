// Icône du jeu : plaque d'acier sombre, grille de 3 × 3 cases, deux terminales ambre reliées par un chemin cyan,
// aux couleurs du jeu. Lisible réduite à 48 pixels : peu de formes, de grands contrastes.
#include "icone.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace images::icone {

using namespace dessin;

namespace {

// Centre de la case (colonne, ligne) de la grille de 3 × 3, ligne 0 en haut.
point centre_case(int colonne, int ligne) {
    return {-0.5f + 0.5f * static_cast<float>(colonne), 0.5f - 0.5f * static_cast<float>(ligne)};
}

} // namespace

image icone(int cote) {
    image im(cote, cote, true);
    const repere r(im, -1.0f, -1.0f, 1.0f, 1.0f);
    const float px = r.pixel();

    const distance_signee plaque = [](point p) { return boite(p, {0, 0}, 0.94f, 0.94f, 0.22f); };
    remplir(im, r, plaque, [&](point p) {
        const float lumiere = 1.0f + 0.6f * biseau(plaque, p, 0.08f, px) + 0.12f * (p.y - p.x) * 0.5f;
        return nuancer(rvb(40, 48, 62), lumiere);
    });

    // Le chemin passe par le haut puis descend à droite : cinq cases, d'une terminale à l'autre.
    const std::vector<point> chemin = {centre_case(0, 0), centre_case(1, 0), centre_case(2, 0), centre_case(2, 1),
                                       centre_case(2, 2)};
    for (int ligne = 0; ligne < 3; ++ligne) {
        for (int colonne = 0; colonne < 3; ++colonne) {
            const point c = centre_case(colonne, ligne);
            const bool terminale = (colonne == 0 && ligne == 0) || (colonne == 2 && ligne == 2);
            const bool sur_chemin = ligne == 0 || colonne == 2;
            const distance_signee tuile = [c](point p) { return boite(p, c, 0.2f, 0.2f, 0.05f); };
            const couleur fond = terminale ? rvb(245, 172, 55) : sur_chemin ? rvb(0, 150, 205) : rvb(24, 28, 36);
            if (terminale) halo(im, r, tuile, rvb(245, 172, 55, 0.5f), 0.06f);
            remplir(im, r, tuile, [&](point p) { return nuancer(fond, 1.0f - 0.4f * biseau(tuile, p, 0.05f, px)); });
        }
    }
    const distance_signee trait = [&](point p) {
        float d = 1e9f;
        for (std::size_t i = 0; i + 1 < chemin.size(); ++i) d = std::min(d, segment(p, chemin[i], chemin[i + 1]));
        return d - 0.06f;
    };
    halo(im, r, trait, rvb(80, 215, 240, 0.55f), 0.08f);
    remplir(im, r, trait, [](point) { return rvb(200, 250, 255); });
    // Les deux bouts, plus gros : on relie des terminales.
    for (const point bout : {chemin.front(), chemin.back()}) {
        const distance_signee pastille = [bout](point p) { return disque(p, bout, 0.11f); };
        remplir(im, r, pastille, [&](point p) {
            return nuancer(rvb(255, 242, 200), 1.0f + 0.4f * biseau(pastille, p, 0.04f, px));
        });
    }
    return im;
}

} // namespace images::icone
