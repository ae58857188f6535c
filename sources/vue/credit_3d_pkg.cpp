// Page des crédits : ce dont le jeu est fait, une ligne par part.
#include "credit_3d_pkg.hpp"

#include "piece_pkg.hpp"

#include <array>

namespace credit_3d_pkg {

namespace {
// Rôle, puis « :: », puis l'auteur ou la bibliothèque libre qui le tient ; de haut en bas.
constexpr std::array<const char*, 4> lignes{
    "Police Play :: Jonas Hecksher",
    "Fenêtre, sons, images :: SDL2",
    "Dessin en 3D :: OpenGL / Mesa",
    "Fichiers XML :: pugixml",
};
constexpr std::array<float, 4> hauteurs{3.0f, 1.0f, -1.0f, -3.0f};

} // namespace

void credit_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        ajouter_sous_objet(piece_pkg::creer_etiquette(lignes[i], affichage_texte_pkg::blanc, 0.6f,
                                                      {0.0f, hauteurs[i], -5.0f}));
    }
    poser_bouton_menu();
    est_initialise_ = true;
}

} // namespace credit_3d_pkg
