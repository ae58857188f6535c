// Mode grilles libres : choix d'une grille sur l'écran d'accueil, puis partie jouée, reprise où on l'a laissée.
#pragma once

#include "accueil_grille_libre_3d_pkg.hpp"
#include "case_simple_pkg.hpp"
#include "coeur_jeu_pkg.hpp"
#include "grille_libre_3d_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "mode_pkg.hpp"
#include "partie_en_cours_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
#include "recepteurs_libre_pkg.hpp"
#include "recepteurs_liste_deroulante_pkg.hpp"

#include <memory>
#include <string>

namespace controleur_libre_pkg {

using etat = coeur_jeu_pkg::etat;
using accueil_grille_libre_3d_pkg::etat_accueil;

// Tout ce que le mode tient : l'accueil et ses récepteurs, puis la grille choisie, sa partie, son écran et la partie
// en cours, dont il donne les règles propres au jeu libre.
class controleur_libre final : public mode_pkg::mode, private partie_en_cours_pkg::regles_du_mode {
public:
    explicit controleur_libre(const mode_pkg::services& s);
    ~controleur_libre() override;
    controleur_libre(const controleur_libre&) = delete;
    controleur_libre& operator=(const controleur_libre&) = delete;

    // La partie laissée par le bouton « menu » reprend ; sinon l'accueil, ses listes relues.
    void entrer() override;
    void sortir() override;
    void tic() override;
    void dessiner() override;
    objet_3d_pkg::delai_image delai_prochaine_image() const override;

    // Écran d'accueil.
    void changer_etat_accueil(etat_accueil e);
    etat_accueil obtenir_etat_accueil() const;
    void monter();
    void descendre();
    int obtenir_courante() const;
    void executer_ligne(int ligne);
    // Le nom choisi dans la liste ouverte : une grille à jouer, ou à supprimer.
    void choisir_dans_la_liste(const std::string& n);
    // La grille est chargée aussitôt ; un fichier refusé est dit sur la sortie standard et l'accueil revient à son choix.
    void lancer_jeu_pred(const std::string& n);
    void choisir_perso(const std::string& n);
    void supprimer_grille_perso(const std::string& n);
    void revenir_au_menu();

    // Partie.
    partie_en_cours_pkg::partie_en_cours& partie_en_cours() { return partie_; }
    // La partie est abandonnée (sa progression reste enregistrée) : l'accueil revient.
    void abandonner();
    // Efface la progression de la grille et la reprend de zéro.
    void recommencer();
    etat obtenir_etat() const { return partie_.obtenir_etat(); }
    // Nom de la grille choisie, sans ".xml".
    std::string obtenir_nom_grille() const;
    // Vrai quand la partie en cours a repris une progression enregistrée.
    bool est_reprise() const { return reprise_; }

    grille_libre_pkg::grille_libre_ptr obtenir_partie() const { return la_partie_; }
    std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> obtenir_affichage() const { return affich_; }
    std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> obtenir_accueil() const;

private:
    // L'écran d'accueil et ses récepteurs, bâtis et jetés ensemble.
    struct accueil;

    // Règles du jeu libre pour la partie en cours.
    void apres_coup(const coeur_jeu_pkg::compte_rendu& r) override;
    bool touche(std::int32_t symbole) override;
    bool action(const evenement_pkg::evenement& evenement) override;
    void changer_vue() override { affich_->modifier_plan_vue(); }
    void basculer_page_aide() override { affich_->activer_desactiver_ecran_aide(); }
    void basculer_dock() override { affich_->activer_desactiver_dock(); }

    void ouvrir_accueil();
    void choisir(const std::string& n, const std::string& repertoire);
    // La grille choisie, sa progression si elle se lit, son écran ; faux (message écrit) pour un fichier refusé.
    bool charger_partie();
    void oublier_partie();
    // La grille et l'accueil oubliés : l'accueil sera rebâti, listes relues, au prochain retour.
    void quitter_la_grille();
    // La progression enregistrée de la grille choisie, si elle se lit ; sinon la grille commence.
    bool reprendre(grille_libre_pkg::grille_libre& partie);
    // Après un coup qui change les chemins validés ou le crédit d'aide : la grille se reprend où on l'a laissée,
    // quelle que soit la façon de partir (menu, autre grille, fin du jeu, arrêt brutal).
    void enregistrer_progression();

    const mode_pkg::services services_;
    std::unique_ptr<accueil> accueil_;
    grille_libre_pkg::grille_libre_ptr la_partie_;
    std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> affich_;
    std::string nom_grille_;
    std::string lieu_;
    bool reprise_ = false;
    // La progression enregistrée n'a pu être lue : l'écran de la grille le dira.
    bool progression_refusee_ = false;
    partie_en_cours_pkg::partie_en_cours partie_;
};

} // namespace controleur_libre_pkg
