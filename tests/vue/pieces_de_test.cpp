// Pièces d'interface posées pour les tests d'affichage et les captures.
#include "pieces_de_test.hpp"

#include "barre_3d.hpp"
#include "bord_triangle_3d.hpp"
#include "bouton_cockpit_3d.hpp"
#include "bouton_dock_3d.hpp"
#include "bouton_rond_3d.hpp"
#include "dock_3d.hpp"
#include "fleche_3d.hpp"
#include "fond_droite_pkg.hpp"
#include "fond_etoile_3d.hpp"
#include "fond_gauche_pkg.hpp"
#include "fond_pkg.hpp"
#include "fond_score_3d.hpp"
#include "interface_dock_pkg.hpp"
#include "panneau_droite_3d.hpp"
#include "retour_menu_3d_pkg.hpp"

#include <cmath>
#include <memory>
#include <numbers>

namespace pieces_de_test {

namespace {
// Pixels par unité à la profondeur des pièces : ouverture verticale de 45° sur 600 pixels.
const float pixels_par_unite = 300.0f / (-profondeur * static_cast<float>(std::tan(std::numbers::pi / 8.0)));

template <typename piece, typename... arguments>
std::shared_ptr<piece> poser(arguments&&... args) {
    auto p = std::make_shared<piece>();
    p->initialiser(std::forward<arguments>(args)...);
    p->positionner_objet3d({0.0f, 0.0f, profondeur});
    return p;
}
} // namespace

int colonne(float x) { return static_cast<int>(std::lround(400.0f + x * pixels_par_unite)); }
int ligne(float y) { return static_cast<int>(std::lround(300.0f - y * pixels_par_unite)); }

std::vector<piece_de_test> toutes_les_pieces(const sphere_3d::quadrique& quadrique) {
    auto triangle_miroir = poser<bord_triangle_3d::bord_triangle_3d_affichable>();
    triangle_miroir->inverser_sens();
    auto dock = poser<interface_dock_pkg::interface_dock_affichable>();
    dock->ajouter_bouton("Aide", "aide");

    // Échantillons de l'ensemble : barre du haut, triangle du bas à gauche, barre de gauche, panneau de droite.
    const std::vector<echantillon> cockpit{{-0.6f, 1.96f, "barre"}, {-2.5f, -1.5f, "triangle"}, {-2.65f, 0.5f, "barre"}};
    const echantillon panneau{1.97f + 0.3f * 1.37f, 0.0f, "panneau_droite"};
    std::vector<echantillon> cadre = cockpit;
    cadre.push_back(panneau);

    return {
        {"barre_3d", poser<barre_3d::barre_3d_affichable>(), {{0.0f, 0.0f, "barre"}, {0.0f, 0.3f, ""}}},
        {"bord_triangle_3d", poser<bord_triangle_3d::bord_triangle_3d_affichable>(),
         {{-0.7f, 0.0f, "triangle"}, {0.7f, 0.3f, ""}}},
        {"bord_triangle_3d_symetrique", triangle_miroir, {{0.7f, 0.0f, "triangle"}, {-0.7f, 0.3f, ""}}},
        {"dock_3d", poser<dock_3d::dock_3d_affichable>(), {{0.0f, 0.5f, "dock"}, {0.0f, -0.5f, "dock_bas"}}},
        // Le creux du bord gauche reste vide ; le coin en haut à gauche est couvert.
        {"panneau_droite_3d", poser<panneau_droite_3d::panneau_droite_3d_affichable>(),
         {{0.3f, 0.0f, "panneau_droite"}, {-0.45f, 0.0f, ""}, {-0.5f, 1.6f, "panneau_droite"}}},
        {"fond_score_3d", poser<fond_score_3d::fond_score_3d_affichable>(), {{0.0f, 0.0f, "fond_score"}}},
        {"fond_etoile_3d", poser<fond_etoile_3d::fond_etoile_3d_affichable>(), {{0.0f, 0.0f, "fond_etoile"}}},
        {"sphere_3d", poser<sphere_3d::sphere_3d_affichable>(quadrique, "pluton"),
         {{0.0f, 0.0f, "inconnu"}, {0.0f, 1.1f, ""}}},
        {"fond_gauche_pkg", poser<fond_gauche_pkg::fond_gauche_affichable>(), cockpit},
        {"fond_droite_pkg", poser<fond_droite_pkg::fond_droite_affichable>(), {panneau}},
        {"fond_pkg", poser<fond_pkg::fond_affichable>(), cadre},
        {"bouton_rond_3d", poser<bouton_rond_3d::bouton_rond_3d_affichable>("OK", "ok"),
         {{-0.45f, -0.46f, "bouton_rond"}, {0.6f, 0.0f, ""}}},
        {"bouton_dock_3d", poser<bouton_dock_3d::bouton_dock_3d_affichable>("Aide", "aide"),
         {{-0.9f, 0.0f, "bouton_dock"}, {0.8f, 0.0f, "rond_rouge"}, {0.0f, 0.3f, ""}}},
        {"bouton_cockpit_3d", poser<bouton_cockpit_3d::bouton_cockpit_3d_affichable>("Menu", "menu", 38.0f),
         {{0.4f, -0.2f, "bouton_cockpit"}, {-0.3f, -0.2f, ""}}},
        {"fleche_3d", poser<fleche_3d::fleche_3d_affichable>(), {{0.0f, 0.0f, "fleche"}, {0.35f, 0.0f, ""}}},
        {"retour_menu_3d_pkg", poser<retour_menu_3d_pkg::retour_menu>(), {{-0.45f, 0.1f, "bouton_ancien"}, {0.0f, 0.3f, ""}}},
        // Un bouton : la plaque du dock derrière, le bouton à y = -1,04, son voyant à droite.
        {"interface_dock_pkg", dock,
         {{0.5f, -0.3f, "dock"}, {-0.56f - 0.9f * 0.55f, -1.04f, "bouton_dock"}, {-0.56f + 0.8f * 0.55f, -1.04f, "rond_rouge"}}},
    };
}

} // namespace pieces_de_test
