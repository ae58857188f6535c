// Mode grilles libres : choix d'une grille sur l'écran d'accueil, puis partie jouée par le cœur de jeu.
#pragma once

#include "accueil_grille_libre_3d_pkg.hpp"
#include "case_simple_pkg.hpp"
#include "coeur_jeu_pkg.hpp"
#include "erreur_pkg.hpp"
#include "grille_libre_3d_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "grille_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "recepteur_clavier_jeu_libre_pkg.hpp"
#include "recepteur_clavier_libre_pkg.hpp"
#include "recepteur_grille_libre_pkg.hpp"
#include "recepteur_libre_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <memory>
#include <optional>
#include <string>

namespace controleur_libre_pkg {

using etat = coeur_jeu_pkg::etat;
using accueil_grille_libre_3d_pkg::etat_accueil;

DECLARER_ERREUR(ERREUR_CASE_NON_ADJACENTE, "CONTROLEUR_LIBRE_PKG.ERREUR_CASE_NON_ADJACENTE");

// Tout ce que le mode tient : l'accueil, la grille choisie, la partie, son écran, son cœur de jeu et ses récepteurs,
// qui n'agissent que sur lui (ceux de l'accueil sont confiés à l'écran d'accueil, qui les met dans la chaîne).
class controleur_libre {
public:
    controleur_libre();
    controleur_libre(const controleur_libre&) = delete;
    controleur_libre& operator=(const controleur_libre&) = delete;

    // Cycle de vie du mode.
    void libre();
    void ouvrir_accueil();
    void activer();
    void desactiver();
    void resetlibre();
    void initialiser();
    bool est_initialiser() const { return accueil_initialise_; }
    void refaire_la_liste();
    etat obtenir_etat() const { return coeur_ ? coeur_->obtenir_etat() : etat::RECHERCHE; }
    std::string obtenir_nom_grille() const;

    // Écran d'accueil.
    void monter();
    void descendre();
    int obtenir_courante() const;
    etat_accueil obtenir_etat_accueil() const;
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
    void modifier_points_aide(int add);
    void changer_vue();
    void aide_libre();
    void affiche_dock();
    // Efface la progression de la grille et la reprend de zéro.
    void recommencer();
    // Vrai quand la partie en cours a repris une progression enregistrée.
    bool est_reprise() const { return reprise_; }

    grille_libre_pkg::grille_libre_ptr obtenir_partie() const { return la_partie_; }
    std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> obtenir_affichage() const { return affich_; }
    std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> obtenir_accueil() const {
        return l_accueil_;
    }
    bool accueil_est_choisi() const { return accueil_choisi_; }
    bool est_actif() const { return recepteurs_jeu_.est_actif(); }

private:
    // Un fichier refusé ne fait pas tomber le mode : son message est écrit et l'accueil revient à son choix.
    bool charger_partie();
    void choisir(const std::string& n, const std::string& repertoire);
    // Les bruitages du coup, et le curseur de l'écran recopié de la partie.
    void jouer(const coeur_jeu_pkg::compte_rendu& r);
    // La progression enregistrée de la grille choisie, si elle se lit ; sinon la grille commence.
    bool reprendre(grille_libre_pkg::grille_libre& partie) const;
    // Après un coup qui change les chemins validés ou le crédit d'aide : la grille se reprend où on l'a laissée,
    // quelle que soit la façon de partir (menu, autre grille, fin du jeu, arrêt brutal).
    void enregistrer_progression();

    grille_libre_pkg::grille_libre_ptr la_partie_;
    std::optional<coeur_jeu_pkg::coeur> coeur_;
    std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> affich_;
    std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> l_accueil_;
    std::string nom_grille_;
    std::string lieu_;
    bool est_initialise_ = false;
    bool accueil_choisi_ = false;
    bool accueil_initialise_ = false;
    bool reprise_ = false;

    recepteur_libre_pkg::recepteur_libre recepteur_accueil_;
    recepteur_clavier_libre_pkg::recepteur_clavier_libre recepteur_clavier_accueil_;
    recepteur_clavier_jeu_libre_pkg::recepteur_clavier_jeu_libre recepteur_clavier_;
    recepteur_souris_pkg::recepteur_souris recepteur_curseur_;
    recepteur_grille_libre_pkg::recepteur_grille_libre recepteur_grille_;
    // recepteur_grille d'abord : il prend la molette et le bouton du milieu avant la souris.
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_jeu_{&recepteur_grille_, &recepteur_curseur_,
                                                            &recepteur_clavier_};
};

// L'unique contrôleur du jeu libre.
controleur_libre& controleur();

// Les opérations du mode sous leurs noms, sur controleur().
void libre();
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
void monter();
void descendre();
int obtenir_courante();
etat_accueil obtenir_etat_accueil();
void changer_etat_accueil(etat_accueil e);
void lancer_jeu_pred(const std::string& n);
void choisir_compte(const std::string& n);
void faire_action(const std::string& n);
void supprimer_grille_perso(const std::string& n);
void deplacer_direction(grille_pkg::direction d);
void deplacer_xy(const case_simple_pkg::coordonnees& les_coordonnees);
void valider();
void supprimer();
void annuler();
void mettre_a_jour_etat_construction();
void utiliser_aide();
// Vrai quand case2 est l'une des quatre voisines de case1.
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

} // namespace controleur_libre_pkg
