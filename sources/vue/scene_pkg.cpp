// Fenêtre, réglages OpenGL, dessin d'une image et passe de sélection.
#include "scene_pkg.hpp"

#include "affichage_texte_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "nom_gl_pkg.hpp"
#include "selection_pkg.hpp"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cmath>

namespace scene_pkg {

namespace {
bool initialise = false;
int largeur = 800;
int hauteur = 600;
cadre_image cadre{0, 0, 800, 600};
fenetre* la_fenetre = nullptr;
const couleur_rgba couleur_fond{0.0f, 0.0f, 0.0f, 1.0f};
constexpr double distance_proche = 0.1;
constexpr double distance_lointain = 500.0;
constexpr double ouverture = 45.0;
const GLfloat position_lumiere[] = {0.0f, 0.0f, -2.0f, 1.0f};
const GLfloat lumiere_diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat lumiere_ambiante[] = {0.2f, 0.2f, 0.3f, 1.0f};
const GLfloat lumiere_speculaire[] = {1.0f, 1.0f, 1.0f, 1.0f};
std::uint32_t hit = aucun_hit_detecte;
bool selection_faite = false;
GLenum mode_de_rendu_courant = 0;
int nombre_rechargements = 0;

constexpr int taille_tampon_selection = 32;
constexpr int delai_repetition_ms = 500;
constexpr int intervalle_repetition_ms = 30;

void appliquer_perspective() {
    gluPerspective(ouverture, static_cast<double>(cadre.largeur) / static_cast<double>(cadre.hauteur),
                   distance_proche, distance_lointain);
}

// Projection ordinaire de la scène, puis retour à la matrice des objets.
void appliquer_projection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    appliquer_perspective();
    glMatrixMode(GL_MODELVIEW);
}

// Textures de base et glyphes dépendent du contexte : on les recharge à chaque changement de taille.
void recharger_ressources() {
    gestionnaire_texture_pkg::initialiser(gestionnaire_texture_pkg::obtenir_textures());
    affichage_texte_pkg::recharger_table_caracteres();
    ++nombre_rechargements;
}

void redimensionner(int l, int h) {
    if (initialise && l == largeur && h == hauteur) {
        return;
    }
    largeur = l;
    hauteur = h;
    cadre = cadre_4_3(l, h);
    glViewport(cadre.x, cadre.y, cadre.largeur, cadre.hauteur);
    glClearColor(couleur_fond.r, couleur_fond.g, couleur_fond.b, couleur_fond.a);
    appliquer_projection();
    recharger_ressources();
}

void initialiser_opengl() {
    redimensionner(largeur, hauteur);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    // Le mélange par l'alpha vaut dès la première image, que des textes aient été dessinés ou non.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_LIGHT0);
    glShadeModel(GL_SMOOTH);
}

std::int16_t entiere(float composante) { return static_cast<std::int16_t>(std::floor(composante * 255.0f)); }
} // namespace

cadre_image cadre_4_3(int l, int h) {
    if (static_cast<double>(l) * 3.0 > static_cast<double>(h) * 4.0) {
        const int utile = static_cast<int>(std::lround(static_cast<double>(h) * 4.0 / 3.0));
        return {(l - utile) / 2, 0, utile, h};
    }
    const int utile = static_cast<int>(std::lround(static_cast<double>(l) * 3.0 / 4.0));
    return {0, (h - utile) / 2, l, utile};
}

couleur_rgba creer_couleur(float r, float g, float b, float a) { return {r, g, b, a}; }

couleur_rgba creer_couleur(std::int16_t r, std::int16_t g, std::int16_t b, std::int16_t a) {
    return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f, static_cast<float>(b) / 255.0f,
            static_cast<float>(a) / 255.0f};
}

std::int16_t r_entiere(const couleur_rgba& c) { return entiere(c.r); }
std::int16_t g_entiere(const couleur_rgba& c) { return entiere(c.g); }
std::int16_t b_entiere(const couleur_rgba& c) { return entiere(c.b); }
std::int16_t a_entiere(const couleur_rgba& c) { return entiere(c.a); }

void initialiser_fenetre(fenetre& f) {
    // Un nouveau contexte OpenGL ne sait rien des réglages du précédent : tout est refait.
    initialise = false;
    la_fenetre = &f;
    if (!f.ouvrir(largeur, hauteur)) {
        throw ERREUR_INITIALISATION_SDL("impossible d'ouvrir la fenêtre OpenGL");
    }
    // Les noms tenus jusqu'ici appartiennent à un autre contexte : ne plus les utiliser ni les supprimer.
    nom_gl_pkg::changer_de_contexte();
    f.activer_repetition_touches(delai_repetition_ms, intervalle_repetition_ms);
    // initialiser_opengl a déjà appliqué la taille : un second passage ne ferait que recharger les mêmes textures.
    initialiser_opengl();
    initialise = true;
}

void liberer_ressources(const fenetre& f) {
    if (&f != la_fenetre) {
        return;
    }
    gestionnaire_texture_pkg::liberer(gestionnaire_texture_pkg::obtenir_textures());
    affichage_texte_pkg::recharger_table_caracteres();
    nom_gl_pkg::changer_de_contexte();
    la_fenetre = nullptr;
    initialise = false;
}

void redimensionnement(const evenement_pkg::evenement& evenement) {
    if (evenement.largeur < 1 || evenement.hauteur < 1) {
        return;  // une fenêtre réduite à rien n'a pas de projection
    }
    if (!la_fenetre->changer_mode_video(evenement.largeur, evenement.hauteur)) {
        throw ERREUR_CHANGEMENT_TAILLE("taille refusée par le système");
    }
    redimensionner(evenement.largeur, evenement.hauteur);
}

void afficher_scene(const objet_3d_pkg::classe_objet_affichable& o) {
    o->animer();
    mode_de_rendu_courant = GL_RENDER;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glClearColor(couleur_fond.r, couleur_fond.g, couleur_fond.b, couleur_fond.a);
    glLightfv(GL_LIGHT0, GL_POSITION, position_lumiere);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lumiere_diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lumiere_speculaire);
    glLightfv(GL_LIGHT0, GL_AMBIENT, lumiere_ambiante);
    o->afficher();
    la_fenetre->echanger_tampons();
    glFinish();
    mode_de_rendu_courant = 0;
    selection_faite = false;
}

void afficher_mode_selection(const objet_3d_pkg::classe_objet_affichable& o, int x, int y) {
    // La projection déborde du cadre : sans ce garde, un objet coupé au bord répondrait dans une bande noire.
    const int y_opengl = hauteur - y;
    if (x < cadre.x || x >= cadre.x + cadre.largeur || y_opengl <= cadre.y || y_opengl > cadre.y + cadre.hauteur) {
        hit = aucun_hit_detecte;
        selection_faite = true;
        return;
    }
    mode_de_rendu_courant = GL_SELECT;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);

    std::array<GLuint, taille_tampon_selection> resultat{};
    glSelectBuffer(taille_tampon_selection, resultat.data());
    glRenderMode(GL_SELECT);

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Le cadre de la scène est décalé par les bandes noires : gluPickMatrix en tient compte par viewport.
    gluPickMatrix(x, y_opengl, 2.0, 2.0, viewport);
    appliquer_perspective();
    glMatrixMode(GL_MODELVIEW);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glInitNames();
    o->afficher();

    const GLint succes = glRenderMode(GL_RENDER);
    hit = selection_pkg::choisir_hit(resultat, succes);

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glEnable(GL_LIGHTING);
    appliquer_projection();

    mode_de_rendu_courant = 0;
    selection_faite = true;
}

std::uint32_t obtenir_identifiant_hit() { return hit; }
bool picking_a_mettre_a_jour() { return !selection_faite; }
unsigned obtenir_mode_de_rendu_courant() { return mode_de_rendu_courant; }
int obtenir_largeur() { return largeur; }
int obtenir_hauteur() { return hauteur; }
cadre_image obtenir_cadre() { return cadre; }
int obtenir_nombre_rechargements() { return nombre_rechargements; }

} // namespace scene_pkg
