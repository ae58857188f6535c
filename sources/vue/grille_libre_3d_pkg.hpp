// Écran de la partie libre : la grille jouée dans le cadre du cockpit, son panneau droit, son dock et sa page d'aide.
#pragma once

#include "coeur_jeu_pkg.hpp"
#include "ecran_cockpit_3d_pkg.hpp"
#include "erreur_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "interface_libre_droite_pkg.hpp"

#include <memory>
#include <string>

namespace grille_libre_3d_pkg {

DECLARER_ERREUR(ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE, "GRILLE_LIBRE_3D_PKG.ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE");

using ecran_cockpit_3d_pkg::coef_min;
using ecran_cockpit_3d_pkg::etat_vue;

class grille_libre_affichable : public ecran_cockpit_3d_pkg::ecran_cockpit_affichable {
public:
    // Le chemin d'aide est lu dans la partie à chaque mise à jour.
    virtual void initialiser(grille_libre_pkg::grille_libre_ptr partie_modele, grille_pkg::chemin_ptr chemin_aide);
    // Avant chaque image : la grille jouée d'après la partie, puis le panneau droit avec le nom donné et, pendant
    // la construction d'un chemin, ce qu'il lui reste ; reprise : la partie a repris une progression enregistrée.
    virtual void mettre_a_jour(const std::string& nom_grille, coeur_jeu_pkg::etat etat_jeu, bool reprise = false);
    virtual grille_libre_pkg::grille_libre_ptr obtenir_la_partie() const { return modele_; }
    virtual bool voir_aide_initialise() const { return grille_jouee().aide_est_montree(); }
    // Retire les loupes du chemin d'aide montré ; la prochaine mise à jour pose celles du chemin d'alors.
    virtual void desactiver_ancienne_aide() { grille_jouee().desactiver_ancienne_aide(); }
    void afficher() override;

    std::shared_ptr<interface_libre_droite_pkg::interface_libre_droite_affichable> obtenir_element_droite() const {
        return element_droite_;
    }

private:
    grille_libre_pkg::grille_libre_ptr modele_;
    std::shared_ptr<interface_libre_droite_pkg::interface_libre_droite_affichable> element_droite_;
};

} // namespace grille_libre_3d_pkg
