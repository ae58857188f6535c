// Cadre du cockpit : placement des triangles et des barres.
#include "fond_gauche_pkg.hpp"

namespace fond_gauche_pkg {

namespace {
using objet_3d_pkg::coordonnee_3d;

constexpr coordonnee_3d axe_z{0.0f, 0.0f, 1.0f};
constexpr float echelle_barres = 1.3f;

struct placement {
    coordonnee_3d position;
    float angle;
    bool miroir;
};

constexpr std::array<placement, 4> placements_triangles{{
    {{-1.8f, -1.5f, 0.0f}, 0.0f, false},
    {{0.6f, -1.5f, 0.0f}, 0.0f, true},
    {{-1.8f, 1.45f, 0.0f}, 180.0f, true},
    {{0.6f, 1.45f, 0.0f}, 180.0f, false},
}};
constexpr std::array<placement, 3> placements_barres{{
    {{-0.6f, 1.96f, 0.0f}, 0.0f, false},
    {{-0.6f, -1.96f, 0.0f}, 180.0f, false},
    {{-2.65f, 0.0f, 0.0f}, 90.0f, false},
}};

template <typename piece>
void placer(piece& p, const placement& pl) {
    p.initialiser();
    p.positionner_objet3d(pl.position);
    p.rotation_objet3d(pl.angle, axe_z);
}
} // namespace

void fond_gauche_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    for (std::size_t i = 0; i < triangles_.size(); ++i) {
        triangles_[i] = std::make_shared<bord_triangle_3d::bord_triangle_3d_affichable>();
        placer(*triangles_[i], placements_triangles[i]);
        if (placements_triangles[i].miroir) {
            triangles_[i]->inverser_sens();
        }
    }
    for (std::size_t i = 0; i < barres_.size(); ++i) {
        barres_[i] = std::make_shared<barre_3d::barre_3d_affichable>();
        placer(*barres_[i], placements_barres[i]);
        barres_[i]->definir_echelle(echelle_barres);
    }
    est_initialise_ = true;
}

void fond_gauche_affichable::dessiner() {
    for (const auto& t : triangles_) {
        t->afficher();
    }
    for (const auto& b : barres_) {
        b->afficher();
    }
}

} // namespace fond_gauche_pkg
