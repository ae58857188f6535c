// Mode éditeur : trois questions sur l'écran d'accueil, puis le dessin d'une grille, sa génération et sa sauvegarde
// parmi les grilles personnelles.
#pragma once

#include "accueil_editeur_3d_pkg.hpp"
#include "case_simple_pkg.hpp"
#include "editeur_3d_pkg.hpp"
#include "editeur_pkg.hpp"
#include "grille_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "mode_pkg.hpp"
#include "interface_editeur_droite_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
#include "recepteurs_ecriture_pkg.hpp"
#include "recepteurs_editeur_pkg.hpp"

#include <memory>
#include <optional>
#include <string>

namespace controleur_editeur_pkg {

using accueil_editeur_3d_pkg::demande_info;
using case_simple_pkg::coordonnees;
using interface_editeur_droite_pkg::sauvegarde;
using interface_editeur_droite_pkg::verdict;

// Bornes des réponses de l'écran d'accueil.
inline constexpr int taille_min = 2;
inline constexpr int taille_max = 42;
inline constexpr int complexite_min = 4;
inline constexpr int complexite_max = 14;
inline constexpr std::size_t nom_max = 15;  // en caractères

// Ce que le solveur dit d'une grille générée, en 0,1 s au plus : au-delà, l'unicité reste non prouvée.
verdict juger_unicite(const grille_pkg::grille& g);

// Tout ce que le mode tient : les réponses, l'écran d'accueil, la grille éditée, son écran et ses récepteurs.
class controleur_editeur final : public mode_pkg::mode {
public:
    explicit controleur_editeur(const mode_pkg::services& s);
    controleur_editeur(const controleur_editeur&) = delete;
    controleur_editeur& operator=(const controleur_editeur&) = delete;

    // Les questions tant qu'elles ne sont pas toutes répondues, puis la grille en cours, dans la phase où on l'a
    // laissée.
    void entrer() override;
    // Retire de la chaîne tout ce que le mode y a mis ; la grille en cours reste.
    void sortir() override;
    void tic() override;
    void dessiner() override;
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

    // La grille en cours est abandonnée et les questions reviennent.
    void recommencer();
    // La grille en cours est abandonnée ; la prochaine visite repart des questions.
    void abandonner();
    void revenir_au_menu();
    // Vrai pendant le dessin, faux une fois la grille générée.
    bool deplacement_possible() const { return !clavier_bloquer_; }
    int obtenir_taille() const { return taille_; }
    int obtenir_complexite() const { return complexite_; }
    const std::string& obtenir_nom() const { return nom_; }

    // Écran d'accueil.
    // La réponse validée : retenue si elle est bonne (la question suivante est posée, ou la grille construite après
    // la dernière), sinon la ligne d'erreur et la saisie vidée.
    void traiter_validation(const std::string& numero);
    // La saisie abandonnée : la question précédente, ou le menu depuis la première.
    void traiter_annulation();
    void afficher_ou_desafficher_erreur(bool aff);
    demande_info obtenir_etat() const { return intro_ ? intro_->obtenir_etat() : demande_info::QTAILLE; }
    // Vrai si une grille personnelle a déjà ce nom de fichier, les deux noms mis en minuscules.
    bool grille_existe(const std::string& n) const;

    // Dessin, puis grille générée.
    void deplacer_direction(grille_pkg::direction d);
    void deplacer_xy(const coordonnees& les_coordonnees);
    // Un bouton de la souris appuyé sur une case : elle change de couleur, et un glissement peut partir d'elle.
    void appuyer();
    // Le pointeur entre dans une case, bouton gauche tenu : elle change de couleur, et aussi celles qu'un geste
    // rapide a sautées depuis la case précédente du glissement.
    void glisser(const coordonnees& les_coordonnees);
    void changer_etat_case();
    void decolorier();
    // Une seule fois : les chemins posés, le dessin ne change plus ; le solveur dit si la solution est unique.
    void generer_solution();
    // Un échec est écrit sur la sortie standard et montré dans le panneau ; la grille éditée reste.
    void sauvegarder();
    void changer_vue();
    void aide_editeur();
    void affiche_dock();

    editeur_pkg::editeur_ptr obtenir_editeur() const { return lediteur_; }
    std::shared_ptr<editeur_3d_pkg::editeur_affichable> obtenir_affichage() const { return edit_; }
    std::shared_ptr<accueil_editeur_3d_pkg::accueil_editeur_affichable> obtenir_accueil() const { return intro_; }
    // Les récepteurs du dessin, ou ceux de la saisie des réponses, sont dans la chaîne.
    bool est_actif() const { return recepteurs_dessin_.est_actif(); }
    bool saisie_est_ouverte() const { return saisie_ && saisie_->est_ouverte(); }
    verdict obtenir_verdict() const { return verdict_; }
    sauvegarde obtenir_sauvegarde() const { return sauvegarde_; }

private:
    // Les questions : l'écran bâti au besoin, son récepteur et la saisie dans la chaîne.
    void ouvrir_accueil();
    void fermer_accueil();
    // Vrai si la réponse à la question du moment est bonne ; elle est alors retenue et la question suivante posée.
    bool retenir_reponse(const std::string& numero);
    // Un nombre entre minimum et maximum est retenu dans valeur, et la question suivante posée.
    bool retenir_nombre(const std::string& numero, int minimum, int maximum, int& valeur, demande_info suivante);
    bool nom_acceptable(const std::string& n) const;
    void rouvrir_saisie();
    // La grille de la taille choisie, toute peinte, et son écran.
    void construire_grille();
    void changer_case(const coordonnees& c);
    void oublier();

    const mode_pkg::services services_;
    int taille_ = 4;
    int complexite_ = complexite_min;
    std::string nom_;
    editeur_pkg::editeur_ptr lediteur_;
    std::shared_ptr<editeur_3d_pkg::editeur_affichable> edit_;
    std::shared_ptr<accueil_editeur_3d_pkg::accueil_editeur_affichable> intro_;
    std::optional<recepteurs_ecriture_pkg::recepteurs_ecriture> saisie_;
    bool clavier_bloquer_ = false;
    verdict verdict_ = verdict::aucun;
    sauvegarde sauvegarde_ = sauvegarde::aucune;
    // Case où en est le glissement en cours ; aucune hors d'un glissement.
    std::optional<coordonnees> derniere_glissee_;

    recepteurs_editeur_pkg::recepteur_accueil_editeur recepteur_accueil_;
    recepteurs_editeur_pkg::recepteur_clavier_editeur recepteur_clavier_;
    recepteur_souris_pkg::recepteur_souris recepteur_curseur_;
    recepteurs_editeur_pkg::recepteur_grille_editeur recepteur_grille_;
    // Le récepteur de la grille consulté d'abord, le clavier en dernier.
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_dessin_{chaine_, {&recepteur_grille_, &recepteur_curseur_,
                                                                          &recepteur_clavier_}};
};

} // namespace controleur_editeur_pkg
