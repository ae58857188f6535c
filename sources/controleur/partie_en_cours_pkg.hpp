// Partie en cours : ce que le jeu libre et la campagne font de la même façon pendant qu'on joue une grille. Le cœur de
// jeu, ses récepteurs (événements de la grille, souris, clavier), ses bruitages et les coups.
#pragma once

#include "chaine_recepteurs_pkg.hpp"
#include "coeur_jeu_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "jeu_sur_grille_pkg.hpp"
#include "mode_pkg.hpp"
#include "objet_3d_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <cstdint>
#include <optional>

namespace partie_en_cours_pkg {

// Ce que chaque mode fait à sa façon pendant une partie : ce qui suit un coup, ses touches et ses actions à lui, son
// écran.
class regles_du_mode {
public:
    virtual ~regles_du_mode() = default;
    // Après chaque coup, ses bruitages déjà demandés : la progression du jeu libre, le chronomètre de la campagne.
    virtual void apres_coup(const coeur_jeu_pkg::compte_rendu& r) = 0;
    // Juste avant une demande d'aide.
    virtual void avant_aide() {}
    // Ses touches et ses événements nommés ; faux pour ce qu'il ne prend pas, qui passe alors plus loin.
    virtual bool touche(std::int32_t symbole) = 0;
    virtual bool action(const evenement_pkg::evenement& evenement) = 0;
    virtual void changer_vue() = 0;
    virtual void basculer_page_aide() = 0;
    virtual void basculer_dock() = 0;
};

class partie_en_cours {
public:
    partie_en_cours(regles_du_mode& regles, chaine_recepteurs_pkg::chaine_recepteurs& chaine,
                    const mode_pkg::services& s);
    partie_en_cours(const partie_en_cours&) = delete;
    partie_en_cours& operator=(const partie_en_cours&) = delete;

    // Un cœur neuf sur cette grille et ce crédit d'aide, qui doivent vivre tant qu'il sert ; le précédent est oublié.
    void commencer(jeu_sur_grille_pkg::jeu_sur_grille& jeu, coeur_jeu_pkg::compte_aide& aide,
                   coeur_jeu_pkg::politique regles = {});
    // Plus de partie : le cœur est oublié et les récepteurs quittent la chaîne.
    void arreter();
    coeur_jeu_pkg::etat obtenir_etat() const {
        return coeur_ ? coeur_->obtenir_etat() : coeur_jeu_pkg::etat::RECHERCHE;
    }

    // Ses récepteurs en tête de la chaîne du mode, la souris sur cet écran (les événements nommés d'abord, pour la
    // molette et le bouton du milieu, puis la souris, le clavier en dernier) ; ou hors d'elle.
    void activer(objet_3d_pkg::classe_objet_affichable ecran);
    void desactiver();
    bool est_actif() const { return recepteurs_.est_actif(); }

    // Les coups : chacun ne fait rien sans partie commencée.
    void deplacer(grille_pkg::direction d);
    // Un saut de la souris pendant la construction d'un chemin n'est pas un coup : rien ne se passe.
    void deplacer_vers(const case_simple_pkg::coordonnees& c);
    void valider();
    void supprimer();
    void annuler();
    void utiliser_aide();
    void modifier_points_aide(int add);

private:
    // Molette et bouton du milieu pour l'aide, souris qui entre dans une case, boutons de la grille et des panneaux ;
    // le reste est offert au mode.
    class recepteur_grille : public recepteur_pkg::recepteur {
    public:
        explicit recepteur_grille(partie_en_cours& p) : partie_(p) {}
        bool accepter(evenement_pkg::evenement& evenement) override;

    private:
        partie_en_cours& partie_;
    };
    // Flèches, Espace, retour arrière, points d'aide, zoom, dock, page d'aide ; le reste est offert au mode.
    class recepteur_clavier : public recepteur_pkg::recepteur {
    public:
        explicit recepteur_clavier(partie_en_cours& p) : partie_(p) {}
        bool accepter(evenement_pkg::evenement& evenement) override;

    private:
        partie_en_cours& partie_;
    };

    void jouer(const coeur_jeu_pkg::compte_rendu& r);

    regles_du_mode& regles_;
    coeur_jeu_pkg::compte_aide* aide_ = nullptr;
    std::optional<coeur_jeu_pkg::coeur> coeur_;
    recepteur_grille grille_{*this};
    recepteur_souris_pkg::recepteur_souris souris_;
    recepteur_clavier clavier_{*this};
    groupe_recepteurs_pkg::groupe_recepteurs recepteurs_;
};

} // namespace partie_en_cours_pkg
