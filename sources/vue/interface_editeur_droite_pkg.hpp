// Panneau droit de l'éditeur : nom, taille et complexité de la grille, après la génération l'unicité de sa solution
// et le sort de la dernière sauvegarde, puis le zoom.
#pragma once

#include "bouton_rond_3d.hpp"
#include "erreur_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "objet_texte_pkg.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace interface_editeur_droite_pkg {

DECLARER_ERREUR(ERREUR_INTERFACE_EDITEUR_DROITE_NON_INITIALISE,
                "INTERFACE_EDITEUR_DROITE_PKG.ERREUR_INTERFACE_EDITEUR_DROITE_NON_INITIALISE");

// Ce que le solveur dit de la grille générée ; aucun avant la génération.
enum class verdict : std::uint8_t { aucun, unique, plusieurs, non_prouve };
// Le sort de la dernière sauvegarde ; aucun tant qu'on n'a rien demandé.
enum class sauvegarde : std::uint8_t { aucune, reussie, echouee };

// Ce que le panneau montre, donné par l'écran qui le compose.
struct valeurs_panneau {
    std::string nom_grille;
    int taille = 0;
    int complexite = 0;
    bool zoom = false;
    verdict unicite = verdict::aucun;
    sauvegarde derniere_sauvegarde = sauvegarde::aucune;
};

class interface_editeur_droite_affichable : public objet_3d_pkg::objet_affichable {
public:
    // Une seule fois.
    virtual void initialiser();
    virtual void mettre_a_jour(const valeurs_panneau& valeurs);
    void afficher() override;

    objet_texte_pkg::classe_texte_affichable obtenir_nom_grille() const { return nom_grille_; }
    objet_texte_pkg::classe_texte_affichable obtenir_taille() const { return taille_; }
    objet_texte_pkg::classe_texte_affichable obtenir_complexite() const { return complexite_; }
    // Les deux lignes du verdict, vides avant la génération.
    std::string obtenir_verdict() const;
    objet_texte_pkg::classe_texte_affichable obtenir_sauvegarde() const { return sauvegarde_; }
    std::shared_ptr<bouton_rond_3d::bouton_rond_3d_affichable> obtenir_bouton_zoom() const { return bouton_zoom_; }

private:
    bool est_initialise_ = false;
    bool verdict_montre_ = false;
    bool sauvegarde_montree_ = false;
    objet_texte_pkg::classe_texte_affichable txt_nom_, nom_grille_, txt_taille_, taille_, txt_complexite_, complexite_;
    objet_texte_pkg::classe_texte_affichable verdict_haut_, verdict_bas_, sauvegarde_, txt_zoom_;
    std::shared_ptr<bouton_rond_3d::bouton_rond_3d_affichable> bouton_zoom_;
};

} // namespace interface_editeur_droite_pkg
