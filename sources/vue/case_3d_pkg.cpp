// Case de la grille à l'écran : texture selon l'état, liste d'affichage partagée, événements de la souris.
#include "case_3d_pkg.hpp"

#include "gestionnaire_texture_pkg.hpp"
#include "nom_gl_pkg.hpp"

#include <GL/gl.h>

#include <stdexcept>

namespace case_3d_pkg {

namespace {
// Liste d'affichage de la tuile, partagée : un nouveau contexte OpenGL ne connaît plus l'ancienne.
nom_gl_pkg::liste_gl display_list;

// Par coin : normale penchée vers l'extérieur (la tuile paraît bombée sous la lumière), texture, sommet.
void tracer_quad(bool avec_normales) {
    struct coin {
        float x, y, s, t;
    };
    constexpr coin coins[] = {{-1, -1, 0, 1}, {1, -1, 1, 1}, {1, 1, 1, 0}, {-1, 1, 0, 0}};
    glBegin(GL_QUADS);
    for (const coin& c : coins) {
        if (avec_normales) {
            glNormal3f(c.x, c.y, 1.0f);
        }
        glTexCoord2f(c.s, c.t);
        glVertex3f(c.x, c.y, 0.0f);
    }
    glEnd();
}

void lier(const std::string& nom) {
    gestionnaire_texture_pkg::appliquer_textures(gestionnaire_texture_pkg::obtenir_textures(), nom);
}

// Le quadrilatère de la tuile (−1 .. 1 dans son repère), compilé une fois par contexte OpenGL.
void dessiner_quad_tuile() {
    if (display_list.est_valide()) {
        glCallList(display_list.nom());
        return;
    }
    display_list = nom_gl_pkg::liste_gl::creer();
    glNewList(display_list.nom(), GL_COMPILE_AND_EXECUTE);
    tracer_quad(true);
    glEndList();
}
} // namespace

void case_affichable::initialiser(const case_simple_pkg::classe_case& case_modele, int) {
    if (!case_modele) {
        throw std::invalid_argument("case_3d : aucune case du modèle à montrer");
    }
    objet_3d_recepteur::initialiser();
    case_affichee_ = case_modele;
    est_initialise_ = true;
}

const std::string& case_affichable::texture_courante() const {
    if (!case_affichee_ || !case_affichee_->est_occupe()) {
        return texture_libre_;
    }
    return fini_ ? texture_fini_ : texture_occupee_;
}

void case_affichable::afficher() {
    if (!est_initialise_) {
        throw ERREUR_CASE_NON_INITIALISEE();
    }
    preparer_affichage();
    dessiner_case();
    // La loupe sous le chiffre : elle montre la case sans cacher son nombre.
    dessiner_aide();
    dessiner_contenu();
    terminer_affichage();
}

void case_affichable::tracer_tuile() {
    preparer_affichage();
    dessiner_quad_tuile();
    terminer_affichage();
}

void case_affichable::afficher_dessus() {
    preparer_affichage();
    dessiner_aide();
    dessiner_contenu();
    terminer_affichage();
}

void case_affichable::dessiner_case() {
    lier(texture_courante());
    dessiner_quad_tuile();
}

void case_affichable::dessiner_aide() {
    if (!aide_) {
        return;
    }
    lier("recherche");
    glNormal3f(0.0f, 0.0f, 1.0f);
    tracer_quad(false);
}

void case_affichable::sourisappuie(const evenement_pkg::evenement& evenement) {
    // Un cran de molette n'appuie sur rien : il ne doit pas repeindre la case de l'éditeur.
    namespace boutons = evenement_pkg::boutons;
    if (evenement.bouton == boutons::MOLETTE_HAUT || evenement.bouton == boutons::MOLETTE_BAS) {
        return;
    }
    rapporter(action_appuie);
}

void case_affichable::sourisrelache(const evenement_pkg::evenement& evenement) {
    if (evenement.bouton == evenement_pkg::boutons::DROIT) {
        rapporter(action_effacer);
    } else if (evenement.bouton == evenement_pkg::boutons::GAUCHE) {
        rapporter(action_valider);
    }
}

void case_affichable::sourisentre(const evenement_pkg::evenement& evenement) {
    if (!est_initialise_) {
        return;  // sans case, pas de coordonnées à envoyer
    }
    // Seul un mouvement porte le masque des boutons tenus ; entrer par un appui, c'est arriver sur la case avant
    // d'appuyer (sinon l'appui de l'éditeur défait aussitôt le glissement).
    const bool glisse = evenement.type == evenement_pkg::SOURIS_BOUGE && evenement.bouton == masque_gauche_seul;
    const std::string& action = glisse ? action_glisser : action_deplacer;
    rapporter(action, case_affichee_->obtenir_coordonnees());
}

} // namespace case_3d_pkg
