// Cœur de jeu : les règles d'un coup sur une grille (curseur, chemins, effacement, aide), communes au jeu
// libre, à la campagne et à l'éditeur. Il dit ce qui s'est passé ; les contrôleurs en font des sons et des images.
#pragma once

#include <cstdint>

#include "grille_pkg.hpp"
#include "jeu_sur_grille_pkg.hpp"

namespace coeur_jeu_pkg {

using case_simple_pkg::classe_case;
using case_simple_pkg::coordonnees;
using grille_pkg::direction;

// RECHERCHE : le curseur va librement ; CONSTRUCTION : un chemin part d'une case terminale et le suit.
enum class etat : std::uint8_t { RECHERCHE = 0, CONSTRUCTION = 1 };

// Ce qu'un coup a produit. Plusieurs choses peuvent arriver ensemble : un pas qui termine un chemin
// invalide l'annule (invalide) et déplace quand même le curseur (deplace).
struct compte_rendu {
    bool deplace = false;        // le curseur a changé de case
    bool refuse = false;         // pas refusé : hors de la grille, case prise ou mauvais chiffre
    bool non_adjacente = false;  // en construction, la souris a sauté une case : rien n'est fait
    bool commence = false;       // un chemin part de la case terminale du curseur
    int valide = 0;              // cases du chemin qui vient d'être validé
    bool invalide = false;       // le chemin a touché trop tôt un chiffre égal : il est annulé
    bool annule = false;         // le joueur a abandonné le chemin en construction
    int supprime = 0;            // cases du chemin validé retiré
    int revelees = 0;            // cases de la solution montrées par l'aide
    bool operator==(const compte_rendu&) const = default;
};

// Le crédit d'aide d'une partie : la grille libre le tient elle-même, la campagne le tient au niveau.
class compte_aide {
public:
    virtual ~compte_aide() = default;
    // Points que le joueur a mis de côté pour la prochaine demande d'aide.
    virtual int obtenir_compteur_aide() const = 0;
    // Ajoute add points (négatif pour en retirer) au compteur ; hors du crédit disponible, il revient à zéro.
    virtual void mettre_a_jour_compteur_aide(int add) = 0;
    virtual void vider_compteur_aide() = 0;
    virtual grille_pkg::chemin_ptr obtenir_chemin_aide_courant() const = 0;
    // Le chemin d'aide repart de cette case terminale.
    virtual void reinitialiser_chemin_aide(const classe_case& premiere_case) = 0;
    // Dix points par case montrée.
    virtual void payer_aide(int cases_revelees) = 0;
    virtual void compter_chemin_valide(int cases) = 0;
    virtual void compter_chemin_supprime(int cases) = 0;
};

// Ce que la campagne fait autrement que le jeu libre, hors du crédit d'aide.
struct politique {
    // Les flèches ne bougent plus le curseur d'une grille résolue.
    bool immobile_si_resolue = false;
};

inline constexpr int points_par_case_aide = 10;

class coeur {
public:
    // La partie et le compte doivent vivre au moins autant que le cœur.
    coeur(jeu_sur_grille_pkg::jeu_sur_grille& jeu, compte_aide& aide, politique regles = {});

    etat obtenir_etat() const { return etat_; }

    // Flèche : en construction, le chemin avance d'abord d'une case ; puis le curseur suit.
    compte_rendu deplacer(direction d);
    // La souris entre dans une case : le curseur y va ; en construction, seulement vers une voisine.
    compte_rendu deplacer_vers(const coordonnees& c);
    // Commence un chemin sur la case terminale libre du curseur (un « 1 » est validé aussitôt).
    compte_rendu valider();
    // Retire le chemin validé sous le curseur ; en construction, abandonne le chemin en cours.
    compte_rendu supprimer();
    compte_rendu annuler();
    // Montre des cases de la solution, dix points du compteur par case, et vide le compteur.
    compte_rendu utiliser_aide();
    // En construction : valide le chemin courant s'il est complet, l'annule s'il a touché un mauvais bout.
    compte_rendu mettre_a_jour_etat_construction();

private:
    void conclure(compte_rendu& r);
    classe_case case_sous_curseur() const;
    // La case terminale libre sous le curseur, ou nul.
    case_terminale_pkg::case_terminale_ptr terminale_libre_sous_curseur() const;
    // Ajoute au chemin d'aide les cases 2 à jusqu_a de la solution comptées depuis l'extrémité de départ,
    // fait payer cases_payees cases et vide le compteur.
    void reveler(const grille_pkg::chemin& solution, bool meme_sens, int jusqu_a, int cases_payees,
                 compte_rendu& r);
    void aide_en_recherche(compte_rendu& r);
    void aide_en_construction(compte_rendu& r);

    jeu_sur_grille_pkg::jeu_sur_grille& jeu_;
    compte_aide& aide_;
    politique regles_;
    etat etat_ = etat::RECHERCHE;
};

}  // namespace coeur_jeu_pkg
