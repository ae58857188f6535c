// Écran de jeu dans le cadre du cockpit : la grille jouée (ou la page d'aide à sa place), le dock, le cadre, le
// panneau gauche et le panneau droit propre à chaque écran. Le jeu libre et l'éditeur le composent.
#pragma once

#include "bandeau_message_3d.hpp"
#include "fond_pkg.hpp"
#include "grille_jouee_3d_pkg.hpp"
#include "interface_dock_pkg.hpp"
#include "interface_libre_gauche_pkg.hpp"
#include "jeu_sur_grille_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <memory>
#include <span>
#include <string>

namespace ecran_cockpit_3d_pkg {

using grille_jouee_3d_pkg::coef_min;
using grille_jouee_3d_pkg::etat_vue;

// Un bouton du dock : son libellé et l'événement qu'il envoie.
struct bouton_dock {
    const char* texte;
    const char* evenement;
};

// Ce qui distingue un écran de jeu d'un autre : sa page d'aide et son panneau droit, déjà construits, et les
// boutons de son dock (le dernier en haut).
struct contenu {
    objet_3d_pkg::classe_objet_affichable aide;
    std::span<const bouton_dock> dock;
    objet_3d_pkg::classe_objet_affichable panneau_droit;
};

class ecran_cockpit_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Grille cliquable ou non.
    void activer() { la_grille_jouee_->activer_cases(); }
    void desactiver() { la_grille_jouee_->desactiver_cases(); }
    // Le curseur sera recopié de la partie à la prochaine mise à jour.
    void doit_etre_modifie() { la_grille_jouee_->doit_etre_modifie(); }
    // NORMAL : rien ; ZOOM → ETENDU ; ETENDU → ZOOM centré sur le curseur.
    void modifier_plan_vue() { la_grille_jouee_->modifier_plan_vue(); }
    void activer_desactiver_ecran_aide() { ecran_aide_actif_ = !ecran_aide_actif_; }
    void activer_desactiver_dock() { le_dock_->toggle(); }
    // Ce que l'écran dit au joueur quelques secondes, au bas de la grille.
    void montrer_message(const std::string& texte, bandeau_message_3d::gravite g) { message_->montrer(texte, g); }
    const bandeau_message_3d::bandeau_message_affichable& obtenir_message() const { return *message_; }
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

    bool est_construit() const { return static_cast<bool>(le_dock_); }
    etat_vue obtenir_vue() const { return la_grille_jouee_->obtenir_vue(); }
    float obtenir_coef_echelle() const { return la_grille_jouee_->obtenir_coef_echelle(); }
    case_simple_pkg::coordonnees obtenir_centre() const { return la_grille_jouee_->obtenir_centre(); }
    bool ecran_aide_est_actif() const { return ecran_aide_actif_; }
    grille_3d_pkg::classe_grille_affichable obtenir_la_grille() const { return la_grille_jouee_->obtenir_la_grille(); }
    curseur_3d_pkg::classe_curseur_affichable obtenir_le_curseur() const {
        return la_grille_jouee_->obtenir_le_curseur();
    }
    std::shared_ptr<interface_dock_pkg::interface_dock_affichable> obtenir_dock() const { return le_dock_; }

protected:
    // Tout est construit de nouveau : la grille de la partie, le cadre, le panneau gauche et le dock, caché ; la
    // page d'aide et le panneau droit donnés prennent leur place. La page d'aide garde son état montré ou non.
    void construire(std::shared_ptr<const jeu_sur_grille_pkg::jeu_sur_grille> partie, const contenu& c);
    // La grille de la partie seule, construite de nouveau (ses cases ont changé de nature) ; le dock se range.
    void reconstruire_grille(std::shared_ptr<const jeu_sur_grille_pkg::jeu_sur_grille> partie);
    // La page d'aide ou la grille, puis le dock, le cadre et les panneaux ; l'écran doit être construit. Ses textures
    // sont chargées au premier dessin dans un contexte OpenGL.
    void dessiner_cockpit();

    grille_jouee_3d_pkg::grille_jouee_affichable& grille_jouee() { return *la_grille_jouee_; }
    const grille_jouee_3d_pkg::grille_jouee_affichable& grille_jouee() const { return *la_grille_jouee_; }

private:
    std::shared_ptr<grille_jouee_3d_pkg::grille_jouee_affichable> la_grille_jouee_ =
        std::make_shared<grille_jouee_3d_pkg::grille_jouee_affichable>();
    std::shared_ptr<fond_pkg::fond_affichable> un_fond_;
    objet_3d_pkg::classe_objet_affichable panneau_droit_;
    std::shared_ptr<interface_libre_gauche_pkg::interface_libre_gauche_affichable> panneau_gauche_;
    objet_3d_pkg::classe_objet_affichable ecran_aide_;
    bool ecran_aide_actif_ = false;
    std::shared_ptr<interface_dock_pkg::interface_dock_affichable> le_dock_;
    std::shared_ptr<bandeau_message_3d::bandeau_message_affichable> message_ = bandeau_message_3d::bandeau_du_cadre();
};

} // namespace ecran_cockpit_3d_pkg
