// Table des textures de l'interface : chargement des images PNG par groupes et choix d'une texture par son nom.
#pragma once

#include "erreur_pkg.hpp"
#include "nom_gl_pkg.hpp"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gestionnaire_texture_pkg {

DECLARER_ERREUR(TEXTURE_NON_EXISTANTE, "GESTIONNAIRE_TEXTURE_PKG.TEXTURE_NON_EXISTANTE");

inline constexpr int nombre_emplacements = 51;

// Textures OpenGL possédées par la table : une texture remplacée ou libérée est supprimée.
using tab_text = std::array<nom_gl_pkg::texture_gl, nombre_emplacements>;

struct textures {
    tab_text les_textures{};
    int compteur = 35;
    // Nom OpenGL de l'emplacement ; 0 veut dire « aucune texture ».
    std::uint32_t nom(int emplacement) const { return les_textures.at(static_cast<std::size_t>(emplacement)).nom(); }
};

// Moment où une image est chargée : au démarrage, à la première partie, avec l'aide, ou planète par planète.
enum class groupe_texture : std::uint8_t { aucun, base, jeu, aide, planete };

struct description_texture {
    std::string_view nom;      // nom donné à appliquer_textures
    std::string_view fichier;  // ajouté au répertoire des textures, "/" de tête compris
    int emplacement;
    bool alpha;                // RGBA (4 octets par pixel) sinon RGB (3 octets)
    groupe_texture groupe;
    int planete;               // 0 (pluton) à 9 (soleil) pour le groupe des planètes, -1 sinon
};

// Les 36 noms connus, groupe par groupe dans l'ordre de chargement ; "reset" (emplacement 0) en dernier.
std::span<const description_texture> table_textures();

// Emplacement du nom (sensible à la casse) ; lève TEXTURE_NON_EXISTANTE pour un nom inconnu.
int emplacement_texture(std::string_view nom);

// L'unique table du jeu.
textures& obtenir_textures();

// Charge le groupe de base, à chaque appel (démarrage et changement de taille de la fenêtre).
void initialiser(textures& t);
// Ces deux groupes ne sont chargés qu'au premier appel.
void initialiser_jeu_textures(textures& t);
void initialiser_aide_textures(textures& t);
// Les deux, ce que dessine un écran de jeu (grille, panneaux, loupes de l'aide) : appelé à chaque image, il ne fait
// plus, une fois le contexte OpenGL servi, que reprendre la texture courante.
void initialiser_textures_partie(textures& t);
// Charge au plus une planète : la première manquante dont le numéro ne dépasse pas niv.
void initialiser_planetes_textures(textures& t, int niv);

// Lie la texture du nom donné ; "reset" lie la texture 0 (dessin sans texture).
void appliquer_textures(const textures& t, std::string_view nom);
void reset_texture_courante(textures& t);

// Supprime toutes les textures de la table (le contexte OpenGL va se fermer).
void liberer(textures& t);

// Charge une image RGB, respectivement RGBA, dans l'emplacement numt. Une image refusée écrit une ligne, une seule
// fois par cause, « Texture non chargée : <chemin> : <cause> » (absente, pas une image PNG, trop grande, illisible)
// et laisse l'emplacement à 0.
void inittexture(textures& t, const std::string& texfile, int numt);
void inittexture_alpha(textures& t, const std::string& texfile, int numt);

} // namespace gestionnaire_texture_pkg
