// Grille jouée à l'écran : la vue de la grille, son curseur, la vue rapprochée qui suit le curseur, les loupes
// du chemin d'aide et les cases finies. L'écran du jeu libre la compose, les faces du cube de campagne et l'écran
// de l'éditeur aussi.
#pragma once

#include "case_simple_pkg.hpp"
#include "curseur_3d_pkg.hpp"
#include "erreur_pkg.hpp"
#include "grille_3d_pkg.hpp"
#include "jeu_sur_grille_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace grille_jouee_3d_pkg {

DECLARER_ERREUR(ERREUR_GRILLE_JOUEE_NON_INITIALISEE, "GRILLE_JOUEE_3D_PKG.ERREUR_GRILLE_JOUEE_NON_INITIALISEE");

enum class etat_vue : std::uint8_t { ZOOM = 0, ETENDU = 1, NORMAL = 2 };

// Taille d'une case à l'écran en vue rapprochée ; en dessous, la grille entière ne se lit plus.
inline constexpr float coef_min = 0.625f;

// Où l'écran qui la compose pose la grille.
struct disposition {
    objet_3d_pkg::coordonnee_3d position;  // centre de la grille entière
    float cote = 10.0f;                    // côté de la grille entière, dans le repère de l'écran
    // Vue rapprochée : la grille recule à origine_zoom et se décale de pas_zoom par case entre le centre suivi
    // et le milieu de la grille.
    objet_3d_pkg::coordonnee_3d origine_zoom;
    float pas_zoom_x = 0.0f;
    float pas_zoom_y = 0.0f;
    // Le curseur se pose un peu devant la grille (en unités de l'écran qui la compose).
    float avance_curseur = 0.0f;
};

// Jusqu'où le curseur s'écarte de la case centrée avant que la vue rapprochée ne défile.
struct marges_defilement {
    int vers_x_croissants;
    int vers_x_decroissants;
    int vers_y_croissants;
    int vers_y_decroissants;
};

// Rapproche la case centrée du curseur juste assez pour qu'il soit dans les marges, sur les deux axes. Une flèche
// fait défiler d'une case ; des flèches plus rapides que les images ne laissent jamais le curseur hors de la vue
// (l'écran n'est redessiné qu'à un changement : un retard ne se rattraperait qu'à la touche suivante).
void suivre_curseur(case_simple_pkg::coordonnees& centre, case_simple_pkg::coordonnees curseur,
                    const marges_defilement& m);

class grille_jouee_affichable : public objet_3d_pkg::objet_affichable {
public:
    // La partie doit vivre au moins autant que l'écran.
    void initialiser(std::shared_ptr<const jeu_sur_grille_pkg::jeu_sur_grille> partie, const disposition& d);
    // Avant chaque image : curseur recopié s'il a été annoncé, défilement du zoom, loupes sur les cases du chemin
    // d'aide (nul ou vierge : aucune), tuiles finies une fois la grille résolue.
    void mettre_a_jour(const grille_pkg::chemin_ptr& chemin_aide);
    // Le curseur sera recopié de la partie à la prochaine mise à jour.
    void doit_etre_modifie() { a_ete_modifie_ = true; }
    // NORMAL : rien ; ZOOM → ETENDU ; ETENDU → ZOOM centré sur le curseur.
    void modifier_plan_vue();
    // Retire les loupes posées ; la prochaine mise à jour pose celles du chemin d'aide d'alors.
    void desactiver_ancienne_aide();
    // Grille d'éditeur, avant initialiser : un dessin sans case terminale n'est pas une partie gagnée, et c'est
    // l'écran qui dit quand le curseur se montre. Le jeu libre et la campagne ne l'appellent pas.
    void passer_en_edition() { en_edition_ = true; }
    void definir_curseur_visible(bool visible) { curseur_visible_ = visible; }
    // Tuiles cliquables ou non.
    void activer_cases();
    void desactiver_cases();
    // La grille, et son curseur tant qu'elle n'est pas résolue.
    void afficher() override;

    bool est_initialise() const { return static_cast<bool>(partie_); }
    etat_vue obtenir_vue() const { return la_vue_; }
    float obtenir_coef_echelle() const { return coef_echelle_; }
    case_simple_pkg::coordonnees obtenir_centre() const { return centre_; }
    bool aide_est_montree() const { return !loupes_.empty(); }
    grille_3d_pkg::classe_grille_affichable obtenir_la_grille() const { return la_grille_; }
    curseur_3d_pkg::classe_curseur_affichable obtenir_le_curseur() const { return le_curseur_; }

private:
    void poser_loupes(const std::vector<case_simple_pkg::coordonnees>& cases);
    bool gagnee() const { return !en_edition_ && partie_->est_valide(); }
    void placer(objet_3d_pkg::objet_affichable& o) const;
    int taille() const;

    std::shared_ptr<const jeu_sur_grille_pkg::jeu_sur_grille> partie_;
    disposition disposition_;
    grille_3d_pkg::classe_grille_affichable la_grille_;
    curseur_3d_pkg::classe_curseur_affichable le_curseur_;
    bool a_ete_modifie_ = false;
    bool finie_ = false;
    bool en_edition_ = false;
    bool curseur_visible_ = true;
    etat_vue la_vue_ = etat_vue::NORMAL;
    float coef_echelle_ = 1.0f;
    case_simple_pkg::coordonnees centre_{1, 1};
    std::vector<case_simple_pkg::coordonnees> loupes_;  // les cases qui portent une loupe
};

} // namespace grille_jouee_3d_pkg
