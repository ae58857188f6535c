// Mode campagne : choix d'un compte sur l'écran des comptes, puis dix niveaux de six grilles sur le cube, joués
// par le cœur de jeu contre le chronomètre, sauvegardés dans le répertoire du compte.
#pragma once

#include "campagne_3d_pkg.hpp"
#include "campagne_pkg.hpp"
#include "coeur_jeu_pkg.hpp"
#include "erreur_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "horloge_pkg.hpp"
#include "niveau_3d_pkg.hpp"
#include "partie_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
#include "recepteurs_jeu_pkg.hpp"
#include "session_3d_pkg.hpp"

#include <memory>
#include <optional>
#include <string>

namespace controleur_jeu_pkg {

using etat = coeur_jeu_pkg::etat;
using session_3d_pkg::etat_session;

DECLARER_ERREUR(ERREUR_CASE_NON_ADJACENTE, "CONTROLEUR_JEU_PKG.ERREUR_CASE_NON_ADJACENTE");

// Le compte qui peut passer un niveau d'une touche.
inline const std::string compte_tricheur = "vokh";

// Tout ce que le mode tient : l'écran des comptes et le compte choisi, puis la campagne, la partie de la face
// courante, son cœur de jeu, l'écran de la campagne et les récepteurs, qui n'agissent que sur lui.
class controleur_jeu {
public:
    controleur_jeu();
    controleur_jeu(const controleur_jeu&) = delete;
    controleur_jeu& operator=(const controleur_jeu&) = delete;

    // Horloge des chronomètres des campagnes construites ensuite (les tests en donnent une réglable).
    void utiliser_horloge(const horloge_pkg::horloge& h) { horloge_ = &h; }

    // Cycle de vie du mode.
    void jeu();
    // Ce que jeu() dessine, tenu à jour : l'écran des comptes, ou la campagne (construite, et sa sauvegarde
    // chargée, à la première image après le choix du compte). Sans OpenGL.
    objet_3d_pkg::classe_objet_affichable preparer_image();
    void activer();
    void desactiver();
    // Depuis le menu : le chronomètre de la grille courante repart si elle n'est pas résolue.
    void entrer();
    // Vers le menu : le chronomètre s'arrête, les récepteurs partent.
    void sortir();
    bool jeu_est_initialise() const { return est_initialise_; }
    partie_pkg::partie_ptr obtenir_partie_courante() const { return la_partie_; }
    etat obtenir_etat() const { return coeur_ ? coeur_->obtenir_etat() : etat::RECHERCHE; }

    // Écran des comptes.
    void changer_etat_session(etat_session e);
    etat_session obtenir_etat_session() const;
    void monter();
    void descendre();
    int obtenir_courante() const;
    // Un nom validé dans la saisie ou choisi dans la liste, selon l'état de l'écran.
    void faire_action(const std::string& n);
    void choisir_compte(const std::string& n);
    void supprimer_session(const std::string& n);
    void afficher_ou_desafficher_erreur(bool aff);

    // Campagne.
    void charger_jeu();
    // Un échec est écrit sur la sortie standard ; la partie continue.
    void sauvegarder_jeu();
    void bouton_nouveau();
    void bouton_abandonner();
    void passer_niveau_suivant();
    void changer_partie_courante_controleur(int num);
    void tourner_cube(niveau_3d_pkg::cote_adjacent_cube direction);
    void tricher();

    // Partie sur la face courante.
    void deplacer_direction(grille_pkg::direction d);
    void deplacer_xy(const case_simple_pkg::coordonnees& les_coordonnees);
    void valider();
    void supprimer();
    void annuler();
    void utiliser_aide();
    void modifier_points_aide(int add);
    void changer_vue();
    void aide_partie();
    void affiche_dock();

    campagne_pkg::campagne_ptr obtenir_campagne() const { return la_campagne_; }
    std::shared_ptr<campagne_3d_pkg::campagne_affichable> obtenir_affichage() const { return camp_; }
    std::shared_ptr<session_3d_pkg::session_affichable> obtenir_session() const { return la_session_; }
    bool session_est_choisie() const { return session_choisi_; }
    const std::string& obtenir_nom() const { return nom_; }
    bool est_actif() const { return recepteurs_jeu_.est_actif(); }

private:
    void initialiser();
    void ouvrir_session();
    // La partie de la face courante du niveau devient celle du cœur de jeu ; son chronomètre part si elle n'est
    // pas résolue.
    void prendre_partie_courante();
    void arreter_chrono();
    void demarrer_chrono_si_en_cours();
    niveau_pkg::niveau_ptr niveau_courant() const { return la_campagne_->obtenir_niveau_courant(); }
    // Les bruitages du coup, puis le crédit d'aide du niveau et le chronomètre d'une grille qui vient d'être résolue.
    void jouer(const coeur_jeu_pkg::compte_rendu& r);

    const horloge_pkg::horloge* horloge_ = &horloge_pkg::horloge_systeme();

    std::shared_ptr<session_3d_pkg::session_affichable> la_session_;
    bool session_choisi_ = false;
    std::string nom_;

    campagne_pkg::campagne_ptr la_campagne_;
    partie_pkg::partie_ptr la_partie_;
    std::optional<coeur_jeu_pkg::coeur> coeur_;
    std::shared_ptr<campagne_3d_pkg::campagne_affichable> camp_;
    bool est_initialise_ = false;
    bool pas_a_charge_ = false;

    recepteurs_jeu_pkg::recepteur_session recepteur_session_;
    recepteurs_jeu_pkg::recepteur_clavier_session recepteur_clavier_session_;
    recepteurs_jeu_pkg::recepteur_clavier_jeu recepteur_clavier_;
    recepteur_souris_pkg::recepteur_souris recepteur_curseur_;
    recepteurs_jeu_pkg::recepteur_grille_jeu recepteur_grille_;
    // Comme en jeu libre : la grille d'abord, pour la molette et le bouton du milieu, le clavier en dernier.
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_jeu_{&recepteur_grille_, &recepteur_curseur_,
                                                            &recepteur_clavier_};
};

// L'unique contrôleur de la campagne.
controleur_jeu& controleur();

// Les opérations du mode sous leurs noms, sur controleur().
void jeu();
void activer();
void desactiver();
void entrer();
void sortir();
bool jeu_est_initialise();
partie_pkg::partie_ptr obtenir_partie_courante();
etat obtenir_etat();
void changer_etat_session(etat_session e);
etat_session obtenir_etat_session();
void faire_action(const std::string& n);
void charger_jeu();
void sauvegarder_jeu();
void passer_niveau_suivant();
void changer_partie_courante_controleur(int num);
void tourner_cube(niveau_3d_pkg::cote_adjacent_cube direction);

} // namespace controleur_jeu_pkg
