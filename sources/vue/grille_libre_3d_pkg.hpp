// Écran de la partie libre : la grille jouée dans le cadre, panneaux, dock et page d'aide.
#pragma once

#include "coeur_jeu_pkg.hpp"
#include "erreur_pkg.hpp"
#include "fond_pkg.hpp"
#include "grille_jouee_3d_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "interface_dock_pkg.hpp"
#include "interface_libre_aide.hpp"
#include "interface_libre_droite_pkg.hpp"
#include "interface_libre_gauche_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <memory>
#include <string>

namespace grille_libre_3d_pkg {

DECLARER_ERREUR(ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE, "GRILLE_LIBRE_3D_PKG.ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE");

using grille_jouee_3d_pkg::coef_min;
using grille_jouee_3d_pkg::etat_vue;

class grille_libre_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Le chemin d'aide est lu dans la partie à chaque mise à jour.
    virtual void initialiser(grille_libre_pkg::grille_libre_ptr partie_modele, grille_pkg::chemin_ptr chemin_aide);
    // Avant chaque image : la grille jouée d'après la partie, puis le panneau droit avec le nom donné et, pendant
    // la construction d'un chemin, ce qu'il lui reste.
    virtual void mettre_a_jour(const std::string& nom_grille, coeur_jeu_pkg::etat etat_jeu);
    // Grille cliquable ou non.
    virtual void activer() { la_grille_jouee_->activer_cases(); }
    virtual void desactiver() { la_grille_jouee_->desactiver_cases(); }
    // Le curseur sera recopié de la partie à la prochaine mise à jour.
    virtual void doit_etre_modifie() { la_grille_jouee_->doit_etre_modifie(); }
    virtual grille_3d_pkg::classe_grille_affichable obtenir_la_grille() const {
        return la_grille_jouee_->obtenir_la_grille();
    }
    virtual grille_libre_pkg::grille_libre_ptr obtenir_la_partie() const { return modele_; }
    // NORMAL : rien ; ZOOM → ETENDU ; ETENDU → ZOOM centré sur le curseur.
    virtual void modifier_plan_vue() { la_grille_jouee_->modifier_plan_vue(); }
    virtual bool voir_aide_initialise() const { return la_grille_jouee_->aide_est_montree(); }
    // Retire les loupes du chemin d'aide montré ; la prochaine mise à jour pose celles du chemin d'alors.
    virtual void desactiver_ancienne_aide() { la_grille_jouee_->desactiver_ancienne_aide(); }
    virtual void activer_desactiver_ecran_aide() { ecran_aide_actif_ = !ecran_aide_actif_; }
    virtual void activer_desactiver_dock() { le_dock_->toggle(); }
    void afficher() override;

    etat_vue obtenir_vue() const { return la_grille_jouee_->obtenir_vue(); }
    float obtenir_coef_echelle() const { return la_grille_jouee_->obtenir_coef_echelle(); }
    case_simple_pkg::coordonnees obtenir_centre() const { return la_grille_jouee_->obtenir_centre(); }
    bool ecran_aide_est_actif() const { return ecran_aide_actif_; }
    curseur_3d_pkg::classe_curseur_affichable obtenir_le_curseur() const { return la_grille_jouee_->obtenir_le_curseur(); }
    std::shared_ptr<interface_libre_droite_pkg::interface_libre_droite_affichable> obtenir_element_droite() const {
        return element_droite_;
    }
    std::shared_ptr<interface_dock_pkg::interface_dock_affichable> obtenir_dock() const { return le_dock_; }

private:
    bool est_initialise_ = false;
    grille_libre_pkg::grille_libre_ptr modele_;
    std::shared_ptr<grille_jouee_3d_pkg::grille_jouee_affichable> la_grille_jouee_ =
        std::make_shared<grille_jouee_3d_pkg::grille_jouee_affichable>();
    std::shared_ptr<fond_pkg::fond_affichable> un_fond_;
    std::shared_ptr<interface_libre_droite_pkg::interface_libre_droite_affichable> element_droite_;
    std::shared_ptr<interface_libre_gauche_pkg::interface_libre_gauche_affichable> element_gauche_;
    std::shared_ptr<interface_libre_aide::interface_libre_aide_affichable> ecran_aide_;
    bool ecran_aide_actif_ = false;
    std::shared_ptr<interface_dock_pkg::interface_dock_affichable> le_dock_;
};

} // namespace grille_libre_3d_pkg
