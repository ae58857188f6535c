// Mode grilles libres : choix d'une grille sur l'écran d'accueil, puis partie avec chemins, aide et zoom.
#pragma once

#include "accueil_grille_libre_3d_pkg.hpp"
#include "case_simple_pkg.hpp"
#include "erreur_pkg.hpp"
#include "grille_libre_3d_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "grille_pkg.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace controleur_libre_pkg {

enum class etat : std::uint8_t { RECHERCHE = 0, CONSTRUCTION = 1 };

DECLARER_ERREUR(ERREUR_CASE_NON_ADJACENTE, "CONTROLEUR_LIBRE_PKG.ERREUR_CASE_NON_ADJACENTE");
DECLARER_ERREUR(ERREUR_ETAT_CONTROLLEUR_INCONNU, "CONTROLEUR_LIBRE_PKG.ERREUR_ETAT_CONTROLLEUR_INCONNU");

using accueil_grille_libre_3d_pkg::etat_accueil;

// Cycle de vie du mode.
void libre();
// Crée l'écran d'accueil s'il n'existe pas et met ses récepteurs dans la chaîne : le dessin de l'accueil sans le dessin.
void ouvrir_accueil();
void activer();
void desactiver();
void resetlibre();
void initialiser();
bool est_initialiser();
void refaire_la_liste();
etat obtenir_etat();
// Nom de la grille choisie, sans ".xml".
std::string obtenir_nom_grille();

// Écran d'accueil.
void monter();
void descendre();
int obtenir_courante();
etat_accueil obtenir_etat_accueil();
void changer_etat_accueil(etat_accueil e);
void lancer_jeu_pred(const std::string& n);
void choisir_compte(const std::string& n);
void faire_action(const std::string& n);
void supprimer_grille_perso(const std::string& n);

// Partie.
void deplacer_direction(grille_pkg::direction d);
void deplacer_xy(const case_simple_pkg::coordonnees& les_coordonnees);
void valider();
void supprimer();
void annuler();
void mettre_a_jour_etat_construction();
void utiliser_aide();
bool cases_colle(const case_simple_pkg::coordonnees& case1, const case_simple_pkg::coordonnees& case2);
void modifier_points_aide(int add);
void changer_vue();
void aide_libre();
void affiche_dock();

// Ce que le mode tient, nul tant qu'il n'existe pas : pour les écrans et les tests.
grille_libre_pkg::grille_libre_ptr obtenir_partie();
std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> obtenir_affichage();
std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> obtenir_accueil();
bool accueil_est_choisi();
bool est_actif();

// Bruitages demandés depuis le lancement : chaque demande est comptée puis jouée par musique_pkg.
struct bruitages_demandes {
    int deplacement = 0;
    int erreur = 0;
    int valider = 0;
};
bruitages_demandes obtenir_bruitages();

} // namespace controleur_libre_pkg
