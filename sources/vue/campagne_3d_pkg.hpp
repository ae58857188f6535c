// Écran de la campagne : le cube du niveau dans le cadre, ses panneaux, le dock, la page d'aide et les panneaux
// de fin de niveau et de fin de campagne.
#pragma once

#include "bandeau_message_3d.hpp"
#include "campagne_pkg.hpp"
#include "coeur_jeu_pkg.hpp"
#include "erreur_pkg.hpp"
#include "fond_pkg.hpp"
#include "interface_dock_pkg.hpp"
#include "interface_partie_aide.hpp"
#include "interface_partie_droite_pkg.hpp"
#include "interface_partie_gauche_pkg.hpp"
#include "niveau_3d_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "panneau_fin.hpp"
#include "panneau_fin_campagne.hpp"

#include <memory>
#include <string>

namespace campagne_3d_pkg {

DECLARER_ERREUR(ERREUR_CAMPAGNE_AFFICHABLE_NON_INITIALISEE, "CAMPAGNE_3D_PKG.ERREUR_CAMPAGNE_AFFICHABLE_NON_INITIALISEE");

class campagne_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Une fois (jusqu'à reset_campagne) : toutes les pièces, le niveau courant de la campagne sur le cube.
    virtual void initialiser(campagne_pkg::campagne_ptr campagne_modele);
    // Avant chaque image ; etat_jeu dit si un chemin est en construction.
    virtual void mettre_a_jour(coeur_jeu_pkg::etat etat_jeu);
    // La campagne est passée à un autre niveau : le cube est rebâti pour lui.
    virtual void changer_niveau();
    virtual void reset_campagne() { est_initialise_ = false; }
    // Après le chargement d'une sauvegarde : les planètes des niveaux déjà faits sont découvertes (leurs images
    // sont chargées au dessin, avec celle du niveau courant).
    virtual void mettre_a_jour_planete();
    virtual std::shared_ptr<niveau_3d_pkg::niveau_affichable> obtenir_niveau_3d() const { return le_niveau_courant_; }
    virtual void activer_desactiver_ecran_aide() { ecran_aide_actif_ = !ecran_aide_actif_; }
    virtual bool obtenir_etat_ecran_aide() const { return ecran_aide_actif_; }
    virtual void activer_desactiver_dock() { le_dock_->toggle(); }
    // Au centre, dans cet ordre de priorité : la page d'aide, la fin de campagne, la fin du niveau, le cube ; le
    // message du moment par-dessus.
    void afficher() override;
    objet_3d_pkg::delai_image delai_prochaine_image() const override;
    // Ce que l'écran dit au joueur quelques secondes, au bas de la grille ; il survit à une campagne rebâtie.
    void montrer_message(const std::string& texte, bandeau_message_3d::gravite g) { message_->montrer(texte, g); }
    const bandeau_message_3d::bandeau_message_affichable& obtenir_message() const { return *message_; }

    bool est_initialise() const { return est_initialise_; }
    std::shared_ptr<interface_partie_droite_pkg::interface_partie_droite_affichable> obtenir_element_droite() const {
        return element_droite_;
    }
    std::shared_ptr<interface_partie_gauche_pkg::interface_partie_gauche_affichable> obtenir_element_gauche() const {
        return element_gauche_;
    }
    std::shared_ptr<interface_dock_pkg::interface_dock_affichable> obtenir_dock() const { return le_dock_; }

private:
    // Celles de la partie, puis les planètes atteintes, au fil des images, dans le contexte OpenGL courant.
    void charger_textures() const;

    bool est_initialise_ = false;
    campagne_pkg::campagne_ptr modele_;
    std::shared_ptr<niveau_3d_pkg::niveau_affichable> le_niveau_courant_;
    std::shared_ptr<fond_pkg::fond_affichable> un_fond_;
    std::shared_ptr<panneau_fin::panneau_fin_affichable> ecran_fin_;
    std::shared_ptr<panneau_fin_campagne::panneau_fin_campagne_affichable> ecran_fin_campagne_;
    std::shared_ptr<interface_partie_droite_pkg::interface_partie_droite_affichable> element_droite_;
    std::shared_ptr<interface_partie_gauche_pkg::interface_partie_gauche_affichable> element_gauche_;
    std::shared_ptr<interface_partie_aide::interface_partie_aide_affichable> ecran_aide_;
    bool ecran_aide_actif_ = false;
    std::shared_ptr<interface_dock_pkg::interface_dock_affichable> le_dock_;
    std::shared_ptr<bandeau_message_3d::bandeau_message_affichable> message_ = bandeau_message_3d::bandeau_du_cadre();
};

} // namespace campagne_3d_pkg
