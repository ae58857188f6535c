// Mode campagne : choix d'un compte sur l'écran des comptes, puis dix niveaux de six grilles sur le cube, joués
// contre le chronomètre, sauvegardés dans le répertoire du compte.
#pragma once

#include "campagne_3d_pkg.hpp"
#include "campagne_pkg.hpp"
#include "coeur_jeu_pkg.hpp"
#include "horloge_pkg.hpp"
#include "mode_pkg.hpp"
#include "niveau_3d_pkg.hpp"
#include "partie_en_cours_pkg.hpp"
#include "partie_pkg.hpp"
#include "session_3d_pkg.hpp"

#include <memory>
#include <optional>
#include <string>

namespace controleur_jeu_pkg {

using etat = coeur_jeu_pkg::etat;
using session_3d_pkg::etat_session;

// Le compte qui peut passer un niveau d'une touche.
inline const std::string compte_tricheur = "vokh";

// Tout ce que le mode tient : l'écran des comptes et le compte choisi, puis la campagne, la partie de la face
// courante, l'écran de la campagne et la partie en cours, dont il donne les règles propres à la campagne.
class controleur_jeu final : public mode_pkg::mode, private partie_en_cours_pkg::regles_du_mode {
public:
    explicit controleur_jeu(const mode_pkg::services& s);
    ~controleur_jeu() override;
    controleur_jeu(const controleur_jeu&) = delete;
    controleur_jeu& operator=(const controleur_jeu&) = delete;

    // Depuis le menu : la partie reprend, son chronomètre repart si la grille n'est pas résolue ; sans campagne,
    // l'écran des comptes.
    void entrer() override;
    // Vers le menu : le chronomètre s'arrête. Une campagne finie ne laisse qu'Échap : la visite suivante repart de
    // l'écran des comptes.
    void sortir() override;
    void tic() override;
    void dessiner() override;
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

    bool jeu_est_initialise() const { return static_cast<bool>(la_campagne_); }
    partie_pkg::partie_ptr obtenir_partie_courante() const { return la_partie_; }
    etat obtenir_etat() const { return partie_.obtenir_etat(); }

    // Écran des comptes.
    void changer_etat_session(etat_session e);
    etat_session obtenir_etat_session() const;
    void monter();
    void descendre();
    int obtenir_courante() const;
    void executer_ligne(int ligne);
    // Un nom validé dans la saisie ou choisi dans la liste, selon l'état de l'écran.
    void faire_action(const std::string& n);
    // La campagne du compte est bâtie aussitôt, sa sauvegarde chargée.
    void choisir_compte(const std::string& n);
    void supprimer_session(const std::string& n);
    void afficher_ou_desafficher_erreur(bool aff);
    void revenir_au_menu();

    // Campagne.
    // Une sauvegarde refusée est dite à l'écran et sur la sortie standard, le fichier nommé ; la campagne en cours
    // reste.
    void charger_jeu();
    // Un échec est dit à l'écran et sur la sortie standard ; la partie continue. Refusée tant que la sauvegarde du
    // compte n'a pu être lue : ses fichiers ne sont jamais remplacés par moins qu'ils ne tiennent.
    void sauvegarder_jeu();
    // Une campagne neuve pour le même compte, sans relire sa sauvegarde ; sur un compte à la sauvegarde illisible,
    // seulement à la seconde demande, qui confirme qu'elle sera remplacée.
    void bouton_nouveau();
    // Le fichier de la sauvegarde du compte qui n'a pu être lu, tant que la campagne en cours n'est pas la sienne.
    const std::optional<std::string>& obtenir_sauvegarde_refusee() const { return sauvegarde_refusee_; }
    // La campagne est laissée : l'écran des comptes sera rebâti à sa prochaine ouverture.
    void bouton_abandonner();
    void passer_niveau_suivant();
    void changer_partie_courante_controleur(int num);
    void tourner_cube(niveau_3d_pkg::cote_adjacent_cube direction);
    void tricher();
    partie_en_cours_pkg::partie_en_cours& partie_en_cours() { return partie_; }

    campagne_pkg::campagne_ptr obtenir_campagne() const { return la_campagne_; }
    std::shared_ptr<campagne_3d_pkg::campagne_affichable> obtenir_affichage() const { return camp_; }
    std::shared_ptr<session_3d_pkg::session_affichable> obtenir_session() const;
    const std::string& obtenir_nom() const { return nom_; }

private:
    // L'écran des comptes et ses récepteurs, bâtis et jetés ensemble.
    struct comptes;

    // Règles de la campagne pour la partie en cours.
    void apres_coup(const coeur_jeu_pkg::compte_rendu& r) override;
    void avant_aide() override;
    bool touche(std::int32_t symbole) override;
    bool action(const evenement_pkg::evenement& evenement) override;
    void changer_vue() override;
    void basculer_page_aide() override;
    void basculer_dock() override;

    // L'écran des comptes bâti au besoin, ses récepteurs selon son état.
    void ouvrir_session();
    void fermer_session();
    // La prochaine ouverture le rebâtit.
    void oublier_session();
    // La sauvegarde du compte si demandé et si elle se lit, sinon une campagne neuve au niveau 1, qui n'écrira pas
    // sur une sauvegarde refusée ; faux si aucune campagne ne se bâtit.
    bool commencer_campagne(bool charger);
    // Au niveau 1, pour le compte choisi ; les grilles livrées qui manquent lèvent l'erreur.
    campagne_pkg::campagne_ptr campagne_neuve() const;
    // Le fichier refusé, dit sur la sortie standard et d'un bruitage : la campagne, lue à moitié, est à jeter.
    std::optional<std::string> lire_sauvegarde(campagne_pkg::campagne& campagne) const;
    // Elle devient celle du mode, son écran est rebâti, sur la face 1 de son niveau courant.
    void installer_campagne(campagne_pkg::campagne_ptr campagne);
    // Les récepteurs de la partie, tant que la campagne n'est pas finie.
    void activer_partie();
    // La partie de la face courante du niveau devient celle du cœur de jeu ; son chronomètre part si elle n'est
    // pas résolue.
    void prendre_partie_courante();
    void arreter_chrono();
    void demarrer_chrono_si_en_cours();
    void montrer(const std::string& texte, bandeau_message_3d::gravite g = bandeau_message_3d::gravite::erreur);
    niveau_pkg::niveau_ptr niveau_courant() const { return la_campagne_->obtenir_niveau_courant(); }

    const mode_pkg::services services_;
    std::unique_ptr<comptes> comptes_;
    std::string nom_;
    campagne_pkg::campagne_ptr la_campagne_;
    partie_pkg::partie_ptr la_partie_;
    std::shared_ptr<campagne_3d_pkg::campagne_affichable> camp_;
    std::optional<std::string> sauvegarde_refusee_;
    bool confirmer_nouveau_ = false;
    partie_en_cours_pkg::partie_en_cours partie_;
};

} // namespace controleur_jeu_pkg
