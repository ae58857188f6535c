// Écran d'accueil des grilles libres : quatre entrées, puis la liste des grilles prédéfinies ou personnelles.
#pragma once

#include "bandeau_message_3d.hpp"
#include "entrees_menu_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"
#include "objet_3d_pkg.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace accueil_grille_libre_3d_pkg {

enum class etat_accueil : std::uint8_t { CHOIX = 0, PREDEFINI = 1, LIBRE = 2, SUPPRIMER = 3 };

inline constexpr int nombre_lignes = 4;

class accueil_grille_libre_affichable : public objet_3d_pkg::objet_affichable {
public:
    accueil_grille_libre_affichable() = default;
    accueil_grille_libre_affichable(const accueil_grille_libre_affichable&) = delete;
    accueil_grille_libre_affichable& operator=(const accueil_grille_libre_affichable&) = delete;

    virtual liste_deroulante_3d_pkg::liste_affichable& obtenir_la_liste_perso() { return *la_liste_perso_; }
    virtual liste_deroulante_3d_pkg::liste_affichable& obtenir_la_liste_pred() { return *la_liste_pred_; }
    virtual void mettre_a_jour_liste_perso();
    // Avant chaque image : la liste ouverte, ou, en CHOIX, la ligne du clavier qui suit la souris.
    virtual void mettre_a_jour();
    // Une fois : les deux listes, le titre et les quatre entrées.
    virtual void initialiser();
    virtual bool est_initialise() const { return est_initialise_; }
    virtual etat_accueil obtenir_etat_accueil() const { return etat_; }
    // Montre les quatre entrées, ou la liste des grilles de l'état.
    virtual void changer_etat(etat_accueil e);
    // Ligne du clavier, 1 à 4 depuis le haut, pour le contrôleur du jeu libre.
    virtual void modifier_ligne_courante(int ligne) { entrees_.modifier_ligne_courante(ligne); }
    virtual int obtenir_ligne_courante() const { return entrees_.obtenir_ligne_courante(); }
    // Une ligne plus haut ou plus bas, sans passer les bords.
    void monter() { entrees_.monter(); }
    void descendre() { entrees_.descendre(); }
    void afficher() override;
    objet_3d_pkg::delai_image delai_prochaine_image() const override;
    // Ce que l'écran dit au joueur quelques secondes, en bas (une grille refusée, une suppression impossible).
    void montrer_message(const std::string& texte, bandeau_message_3d::gravite g) { message_->montrer(texte, g); }
    const bandeau_message_3d::bandeau_message_affichable& obtenir_message() const { return *message_; }

    // Les quatre entrées, de haut en bas, et la ligne du clavier.
    const entrees_menu_pkg::entrees_menu& entrees() const { return entrees_; }

private:
    // La liste de l'état, nulle en CHOIX.
    liste_deroulante_3d_pkg::liste_affichable* liste_ouverte() const;

    bool est_initialise_ = false;
    std::unique_ptr<liste_deroulante_3d_pkg::liste_affichable> la_liste_pred_;
    std::unique_ptr<liste_deroulante_3d_pkg::liste_affichable> la_liste_perso_;
    etat_accueil etat_ = etat_accueil::CHOIX;
    entrees_menu_pkg::entrees_menu entrees_;
    std::shared_ptr<bandeau_message_3d::bandeau_message_affichable> message_ =
        std::make_shared<bandeau_message_3d::bandeau_message_affichable>(4.4f);
};

} // namespace accueil_grille_libre_3d_pkg
