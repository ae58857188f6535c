// Matière commune des pièces du poste de pilotage : teintes, métal brossé biseauté, filets lumineux.
#include "metal.hpp"

#include "bruit.hpp"

#include <cmath>

namespace images::metal {

using namespace dessin;

void plaque(image& im, const repere& r, const distance_signee& forme, const couleur& teinte, float largeur_biseau,
            std::uint32_t graine) {
    const float px = r.pixel();
    remplir(im, r, forme, [&](point p) {
        const float brosse = bruit::octaves(p.x * 3.0f, p.y * 70.0f, 0.0f, graine, 3);
        const float taches = bruit::octaves(p.x * 4.0f, p.y * 4.0f, 3.0f, graine + 1, 2);
        const float lumiere = 1.0f + 0.6f * biseau(forme, p, largeur_biseau, px);
        return nuancer(teinte, (1.0f + 0.06f * brosse + 0.05f * taches) * lumiere);
    });
}

void filet(image& im, const repere& r, const distance_signee& forme, const couleur& teinte, float epaisseur) {
    const distance_signee trait = [&](point p) { return std::abs(forme(p)) - epaisseur * 0.5f; };
    halo(im, r, trait, avec_opacite(teinte, 0.5f), epaisseur * 1.5f);
    remplir(im, r, trait, [&](point p) {
        // Cœur presque blanc, bords saturés : l'aspect d'un tube lumineux.
        const float coeur = 1.0f - borner(std::abs(forme(p)) / (epaisseur * 0.5f));
        return melanger(teinte, rvb(255, 255, 255), 0.55f * coeur);
    });
}

void rivet(image& im, const repere& r, point centre, float rayon) {
    const distance_signee tete = [&](point p) { return disque(p, centre, rayon); };
    halo(im, r, tete, rvb(0, 0, 0, 0.5f), rayon * 0.5f);
    const float px = r.pixel();
    remplir(im, r, tete, [&](point p) { return nuancer(acier_clair, 0.8f + 0.7f * biseau(tete, p, rayon, px)); });
}

} // namespace images::metal
