// Écran d'accueil des grilles libres : quatre entrées, puis la liste des grilles prédéfinies ou personnelles.
#pragma once

#include "entrees_menu_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "recepteur_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <cstdint>
#include <memory>

namespace accueil_grille_libre_3d_pkg {

enum class etat_accueil : std::uint8_t { CHOIX = 0, PREDEFINI = 1, LIBRE = 2, SUPPRIMER = 3 };

inline constexpr int nombre_lignes = 4;

class accueil_grille_libre_affichable : public objet_3d_pkg::objet_affichable,
                                         public std::enable_shared_from_this<accueil_grille_libre_affichable> {
public:
    // le_recepteur et le_recepteur_clavier : ceux du contrôleur du jeu libre, qui décide de ce que font les entrées
    // et les touches ; l'écran ne fait que les mettre dans la chaîne ou les en retirer.
    accueil_grille_libre_affichable(recepteur_pkg::recepteur& le_recepteur, recepteur_pkg::recepteur& le_recepteur_clavier)
        : le_recepteur_(le_recepteur), le_recepteur_clavier_(le_recepteur_clavier) {}
    accueil_grille_libre_affichable(const accueil_grille_libre_affichable&) = delete;
    accueil_grille_libre_affichable& operator=(const accueil_grille_libre_affichable&) = delete;
    // Retire de la chaîne tout ce qu'il y a mis : la chaîne ne garde jamais un récepteur détruit.
    ~accueil_grille_libre_affichable() override;

    virtual liste_deroulante_3d_pkg::liste_affichable& obtenir_la_liste_perso() { return *la_liste_perso_; }
    virtual liste_deroulante_3d_pkg::liste_affichable& obtenir_la_liste_pred() { return *la_liste_pred_; }
    virtual void mettre_a_jour_liste_perso();
    // Avant chaque image : la liste ouverte, ou, en CHOIX, la ligne du clavier qui suit la souris.
    virtual void mettre_a_jour();
    // Une fois : les deux listes, les récepteurs, le titre et les quatre entrées.
    virtual void initialiser();
    virtual bool est_initialise() const { return est_initialise_; }
    virtual etat_accueil obtenir_etat_accueil() const { return etat_; }
    virtual void changer_etat(etat_accueil e);
    // Ligne du clavier, 1 à 4 depuis le haut, pour le contrôleur du jeu libre.
    virtual void modifier_ligne_courante(int ligne) { entrees_.modifier_ligne_courante(ligne); }
    virtual int obtenir_ligne_courante() const { return entrees_.obtenir_ligne_courante(); }
    // Une ligne plus haut ou plus bas, sans passer les bords.
    void monter() { entrees_.monter(); }
    void descendre() { entrees_.descendre(); }
    virtual void activer_clavier();
    virtual void desactiver_clavier();
    // Retire ses récepteurs et ceux de la liste ouverte.
    virtual void desactiver();
    void afficher() override;

    // Les quatre entrées, de haut en bas, et la ligne du clavier.
    const entrees_menu_pkg::entrees_menu& entrees() const { return entrees_; }
    bool est_actif() const { return est_actif_; }
    bool clavier_est_actif() const { return clavier_est_actif_; }

private:
    friend void activer(accueil_grille_libre_affichable& a);
    // La liste de l'état, nulle en CHOIX.
    liste_deroulante_3d_pkg::liste_affichable* liste_ouverte() const;

    bool est_initialise_ = false;
    std::unique_ptr<liste_deroulante_3d_pkg::liste_affichable> la_liste_pred_;
    std::unique_ptr<liste_deroulante_3d_pkg::liste_affichable> la_liste_perso_;
    etat_accueil etat_ = etat_accueil::CHOIX;
    entrees_menu_pkg::entrees_menu entrees_;
    bool clavier_est_actif_ = false;
    bool est_actif_ = false;
    recepteur_pkg::recepteur& le_recepteur_;
    recepteur_pkg::recepteur& le_recepteur_clavier_;
    recepteur_souris_pkg::recepteur_souris le_recepteur_souris_;
};

// Met les récepteurs de l'accueil dans la chaîne, et ceux de la liste ouverte s'il y en a une.
void activer(accueil_grille_libre_affichable& a);

} // namespace accueil_grille_libre_3d_pkg
