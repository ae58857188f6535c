// Fenêtre, réglages OpenGL, dessin d'une image de la scène et passe de sélection pour la souris.
#pragma once

#include "erreur_pkg.hpp"
#include "evenement_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <cstdint>

namespace scene_pkg {

DECLARER_ERREUR(ERREUR_INITIALISATION_SDL, "SCENE_PKG.ERREUR_INITIALISATION_SDL");
DECLARER_ERREUR(ERREUR_CHANGEMENT_TAILLE, "SCENE_PKG.ERREUR_CHANGEMENT_TAILLE");

inline constexpr std::uint32_t aucun_hit_detecte = 0;

// Fenêtre du système : fournie par la plate-forme, seule à connaître SDL.
class fenetre {
public:
    virtual ~fenetre() = default;
    // Ouvre la fenêtre de l × h pixels avec son contexte OpenGL double tampon, 24 bits.
    // Rend faux (et écrit la raison) si le système refuse.
    virtual bool ouvrir(int largeur, int hauteur) = 0;
    // Nouveau mode vidéo l × h, 32 bits, redimensionnable ; faux si refusé.
    virtual bool changer_mode_video(int largeur, int hauteur) = 0;
    virtual void echanger_tampons() = 0;
    virtual void activer_repetition_touches(int delai_ms, int intervalle_ms) = 0;
};

// Couleur OpenGL : quatre composantes de 0.0 à 1.0.
struct couleur_rgba {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

couleur_rgba creer_couleur(float r, float g, float b, float a);
couleur_rgba creer_couleur(std::int16_t r, std::int16_t g, std::int16_t b, std::int16_t a);

// Composantes réelles (0.0 à 1.0), entières (0 à 255, par défaut) et en double précision.
inline float r(const couleur_rgba& c) { return c.r; }
inline float g(const couleur_rgba& c) { return c.g; }
inline float b(const couleur_rgba& c) { return c.b; }
inline float a(const couleur_rgba& c) { return c.a; }
std::int16_t r_entiere(const couleur_rgba& c);
std::int16_t g_entiere(const couleur_rgba& c);
std::int16_t b_entiere(const couleur_rgba& c);
std::int16_t a_entiere(const couleur_rgba& c);
inline double r_double(const couleur_rgba& c) { return c.r; }
inline double g_double(const couleur_rgba& c) { return c.g; }
inline double b_double(const couleur_rgba& c) { return c.b; }
inline double a_double(const couleur_rgba& c) { return c.a; }

// Partie de la fenêtre où la scène est dessinée (origine en bas à gauche, comme OpenGL).
struct cadre_image {
    int x = 0;
    int y = 0;
    int largeur = 0;
    int hauteur = 0;
    bool operator==(const cadre_image&) const = default;
};

// Le plus grand rectangle aux proportions 4:3 centré dans une fenêtre l × h : la scène garde ses proportions
// quelle que soit la fenêtre (plein écran compris), des bandes noires remplissent le reste.
cadre_image cadre_4_3(int largeur, int hauteur);

// Ouvre la fenêtre 800 × 600 et règle OpenGL ; lève ERREUR_INITIALISATION_SDL si refusé.
void initialiser_fenetre(fenetre& la_fenetre);

// Le contexte OpenGL de la fenêtre f va se fermer : si c'est celui de la scène, textures et glyphes sont
// supprimés tant qu'il existe, et tout nom OpenGL encore tenu est oublié.
void liberer_ressources(const fenetre& f);

// Fenêtre redimensionnée par le système.
void redimensionnement(const evenement_pkg::evenement& evenement);

// Dessine et présente une image de la scène de racine o, après avoir avancé ses animations.
void afficher_scene(const objet_3d_pkg::classe_objet_affichable& o);

// Passe de sélection au pixel (x, y) de la fenêtre (origine en haut à gauche) ; ne dessine rien de visible.
// Un pixel des bandes noires, hors du cadre de la scène, ne touche rien.
void afficher_mode_selection(const objet_3d_pkg::classe_objet_affichable& o, int x, int y);

std::uint32_t obtenir_identifiant_hit();
// Vrai quand aucune passe de sélection n'a eu lieu depuis la dernière image.
bool picking_a_mettre_a_jour();
// GL_RENDER pendant une image, GL_SELECT pendant une sélection, 0 entre les deux.
unsigned obtenir_mode_de_rendu_courant();

// Taille de la fenêtre entière, bandes noires comprises.
int obtenir_largeur();
int obtenir_hauteur();
cadre_image obtenir_cadre();
// Nombre de rechargements des ressources qui dépendent de la taille de la fenêtre.
int obtenir_nombre_rechargements();

} // namespace scene_pkg
