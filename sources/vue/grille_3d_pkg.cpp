// Grille à l'écran : construction des tuiles et dessin.
#include "grille_3d_pkg.hpp"

#include "case_term_3d_pkg.hpp"
#include "case_terminale_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "scene_pkg.hpp"

#include <GL/gl.h>

#include <algorithm>
#include <stdexcept>

namespace grille_3d_pkg {

objet_3d_pkg::coordonnee_3d position_tuile(int taille_grille, const case_simple_pkg::coordonnees& c) {
    const float demi = static_cast<float>(taille_grille) / 2.0f;
    return {static_cast<float>(c.x) - 0.5f - demi, static_cast<float>(c.y) - 0.5f - demi, 0.0f};
}

grille_affichable::grille_affichable(grille_pkg::grille_ptr g) : g_(std::move(g)) {
    if (!g_) {
        throw std::invalid_argument("grille_3d : aucune grille à montrer");
    }
}

void grille_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    const int taille = g_->taille();
    les_cases_.reserve(static_cast<std::size_t>(taille) * static_cast<std::size_t>(taille));
    for (int x = 1; x <= taille; ++x) {
        for (int y = 1; y <= taille; ++y) {
            const case_simple_pkg::classe_case la_case = g_->rend_case({x, y});
            case_3d_pkg::classe_case_affichable tuile;
            if (la_case && case_terminale_pkg::est_case_terminale(la_case)) {
                tuile = std::make_shared<case_term_3d_pkg::case_term_affichable>();
            } else {
                tuile = std::make_shared<case_3d_pkg::case_affichable>();
            }
            tuile->initialiser(la_case, taille);
            tuile->positionner_objet3d(position_tuile(taille, {x, y}));
            tuile->definir_echelle(echelle_tuile);
            // Ajoutée en tête : la dernière construite est dessinée la première.
            ajouter_sous_objet(tuile);
            les_cases_.push_back(tuile);
        }
    }
    est_initialise_ = true;
}

case_3d_pkg::classe_case_affichable grille_affichable::obtenir_case_affichable(
    const case_simple_pkg::coordonnees& c) const {
    // Hors de la grille, l'indice tomberait sur la tuile d'une autre case : on refuse.
    if (!g_->contient(c)) {
        throw std::out_of_range("grille_3d : case hors de la grille");
    }
    return les_cases_.at(static_cast<std::size_t>((c.x - 1) * g_->taille() + (c.y - 1)));
}

template <typename F>
void grille_affichable::pour_chaque_tuile(F action) const {
    for (const case_3d_pkg::classe_case_affichable& tuile : les_cases_) {
        action(*tuile);
    }
}

void grille_affichable::afficher() {
    preparer_affichage();
    if (scene_pkg::obtenir_mode_de_rendu_courant() == GL_SELECT) {
        afficher_selection();
    } else {
        afficher_image();
    }
    terminer_affichage();
}

// Chaque changement de texture coûte cher au rendu logiciel : une grille en damier en paierait un par tuile.
// Les tuiles ne se chevauchent pas, l'ordre de dessin ne change donc pas l'image.
void grille_affichable::afficher_image() {
    for (groupe_texture& groupe : groupes_) {
        groupe.tuiles.clear();
    }
    dessus_.clear();
    pour_chaque_tuile([this](case_3d_pkg::case_affichable& tuile) {
        const std::string& nom = tuile.texture_courante();
        auto groupe = std::ranges::find(groupes_, nom, &groupe_texture::nom);
        if (groupe == groupes_.end()) {
            groupe = groupes_.insert(groupes_.end(), {nom, {}});
        }
        groupe->tuiles.push_back(&tuile);
        if (tuile.a_un_dessus()) {
            dessus_.push_back(&tuile);
        }
    });
    auto& t = gestionnaire_texture_pkg::obtenir_textures();
    for (const groupe_texture& groupe : groupes_) {
        if (!groupe.tuiles.empty()) {
            gestionnaire_texture_pkg::appliquer_textures(t, groupe.nom);
        }
        for (case_3d_pkg::case_affichable* tuile : groupe.tuiles) {
            tuile->tracer_tuile();
        }
    }
    for (case_3d_pkg::case_affichable* tuile : dessus_) {
        tuile->afficher_dessus();
    }
}

// Le chiffre et la loupe restent dans leur tuile : son quadrilatère suffit à la trouver sous le pointeur.
void grille_affichable::afficher_selection() {
    pour_chaque_tuile([](case_3d_pkg::case_affichable& tuile) { tuile.tracer_tuile(); });
}

float taille_grille(const grille_affichable& g3d) { return static_cast<float>(g3d.obtenir_grille()->taille()); }

int taille_grille_entiere(const grille_affichable& g3d) { return g3d.obtenir_grille()->taille(); }

} // namespace grille_3d_pkg
