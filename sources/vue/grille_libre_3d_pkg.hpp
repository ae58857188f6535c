// Écran de la partie libre : la grille et son curseur dans le cadre, panneaux, dock, page d'aide et zoom.
#pragma once

#include "case_simple_pkg.hpp"
#include "curseur_3d_pkg.hpp"
#include "erreur_pkg.hpp"
#include "fond_pkg.hpp"
#include "grille_3d_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "interface_dock_pkg.hpp"
#include "interface_libre_aide.hpp"
#include "interface_libre_droite_pkg.hpp"
#include "interface_libre_gauche_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <cstdint>
#include <memory>

namespace grille_libre_3d_pkg {

DECLARER_ERREUR(ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE, "GRILLE_LIBRE_3D_PKG.ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE");

enum class etat_vue : std::uint8_t { ZOOM = 0, ETENDU = 1, NORMAL = 2 };

// Taille d'une case à l'écran en vue rapprochée ; en dessous, la grille entière ne se lit plus.
inline constexpr float coef_min = 0.625f;

class grille_libre_affichable : public objet_3d_pkg::objet_affichable {
public:
    virtual void initialiser(grille_libre_pkg::grille_libre_ptr partie_modele, grille_pkg::chemin_ptr chemin_aide);
    // Avant chaque image : curseur, défilement du zoom, loupes d'aide, grille finie, panneau droit.
    virtual void mettre_a_jour();
    // Grille cliquable ou non.
    virtual void activer();
    virtual void desactiver();
    // Le curseur sera recopié de la partie à la prochaine mise à jour.
    virtual void doit_etre_modifie() { a_ete_modifie_ = true; }
    virtual grille_3d_pkg::classe_grille_affichable obtenir_la_grille() const { return la_grille_; }
    virtual grille_libre_pkg::grille_libre_ptr obtenir_la_partie() const { return modele_; }
    // NORMAL : rien ; ZOOM → ETENDU ; ETENDU → ZOOM centré sur le curseur.
    virtual void modifier_plan_vue();
    virtual bool voir_aide_initialise() const { return aide_initialise_; }
    virtual void mettre_a_jour_aide(bool aide) { aide_initialise_ = aide; }
    // Retire les loupes du chemin d'aide courant ; la prochaine mise à jour pose celles du nouveau.
    virtual void desactiver_ancienne_aide();
    virtual void activer_desactiver_ecran_aide() { ecran_aide_actif_ = !ecran_aide_actif_; }
    virtual void activer_desactiver_dock() { le_dock_->toggle(); }
    void afficher() override;

    etat_vue obtenir_vue() const { return la_vue_; }
    float obtenir_coef_echelle() const { return coef_echelle_; }
    case_simple_pkg::coordonnees obtenir_centre() const { return centre_; }
    bool ecran_aide_est_actif() const { return ecran_aide_actif_; }
    curseur_3d_pkg::classe_curseur_affichable obtenir_le_curseur() const { return le_curseur_; }
    std::shared_ptr<interface_libre_droite_pkg::interface_libre_droite_affichable> obtenir_element_droite() const {
        return element_droite_;
    }
    std::shared_ptr<interface_dock_pkg::interface_dock_affichable> obtenir_dock() const { return le_dock_; }

private:
    // Loupe posée ou retirée sur la tuile de chaque case du chemin d'aide.
    void marquer_aide(bool aide);
    void placer(objet_3d_pkg::objet_affichable& o) const;

    bool est_initialise_ = false;
    bool a_ete_modifie_ = false;
    bool aide_initialise_ = false;
    grille_libre_pkg::grille_libre_ptr modele_;
    float coef_echelle_ = 1.0f;
    case_simple_pkg::coordonnees centre_{1, 1};
    grille_3d_pkg::classe_grille_affichable la_grille_;
    curseur_3d_pkg::classe_curseur_affichable le_curseur_;
    etat_vue la_vue_ = etat_vue::NORMAL;
    bool fini_initialise_ = false;
    std::shared_ptr<fond_pkg::fond_affichable> un_fond_;
    std::shared_ptr<interface_libre_droite_pkg::interface_libre_droite_affichable> element_droite_;
    std::shared_ptr<interface_libre_gauche_pkg::interface_libre_gauche_affichable> element_gauche_;
    std::shared_ptr<interface_libre_aide::interface_libre_aide_affichable> ecran_aide_;
    bool ecran_aide_actif_ = false;
    std::shared_ptr<interface_dock_pkg::interface_dock_affichable> le_dock_;
};

} // namespace grille_libre_3d_pkg
