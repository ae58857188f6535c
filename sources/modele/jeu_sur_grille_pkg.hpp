// Ce que toutes les parties sur une grille ont en commun (campagne, grille libre) : chemins validés, chemin en
// construction, curseur, fin de partie et lecture d'un document de partie. Le cœur de jeu travaille sur les
// opérations qui ne lèvent rien ; les autres lèvent les erreurs d'une partie, déclarées ici une seule fois.
#pragma once

#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "erreur_pkg.hpp"
#include "grille_pkg.hpp"
#include "listes_pkg.hpp"

namespace jeu_sur_grille_pkg {

using case_simple_pkg::classe_case;
using case_simple_pkg::coordonnees;
using grille_pkg::chemin_ptr;
using grille_pkg::grille_ptr;
using listes_chemin_pkg = listes_pkg<chemin_ptr>;

// Les erreurs d'une partie, jeu libre comme campagne, déclarées ici une seule fois.
DECLARER_ERREUR(ERREUR_CURSEUR_HORS_LIMITE, "JEU_SUR_GRILLE_PKG.ERREUR_CURSEUR_HORS_LIMITE");
DECLARER_ERREUR(ERREUR_LISTE_CHEMINS_VIDE, "JEU_SUR_GRILLE_PKG.ERREUR_LISTE_CHEMINS_VIDE");
DECLARER_ERREUR(ERREUR_CHEMIN_COURANT_TERMINE, "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_TERMINE");
DECLARER_ERREUR(ERREUR_CHEMIN_COURANT_NON_VALIDE, "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_NON_VALIDE");
DECLARER_ERREUR(ERREUR_CHEMIN_COURANT_NON_TERMINE, "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_NON_TERMINE");
DECLARER_ERREUR(ERREUR_CHEMIN_COURANT_DEMARRE, "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_DEMARRE");
DECLARER_ERREUR(ERREUR_CHEMIN_COURANT_NON_INITIALISE, "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_NON_INITIALISE");
DECLARER_ERREUR(ERREUR_PAS_DE_CHEMINS_DEJA_JOUES, "JEU_SUR_GRILLE_PKG.ERREUR_PAS_DE_CHEMINS_DEJA_JOUES");
DECLARER_ERREUR(ERREUR_NOEUD_CHEMINS_JOUES_VIDE, "JEU_SUR_GRILLE_PKG.ERREUR_NOEUD_CHEMINS_JOUES_VIDE");
DECLARER_ERREUR(ERREUR_FICHIER_N_EST_PAS_UNE_PARTIE, "JEU_SUR_GRILLE_PKG.ERREUR_FICHIER_N_EST_PAS_UNE_PARTIE");
DECLARER_ERREUR(ERREUR_CHARGEMENT_PARTIE_NOEUD_INCONNU, "JEU_SUR_GRILLE_PKG.ERREUR_CHARGEMENT_PARTIE_NOEUD_INCONNU");
DECLARER_ERREUR(ERREUR_CHARGEMENT_PAS_DE_GRILLE_LIEE_A_LA_PARTIE,
                "JEU_SUR_GRILLE_PKG.ERREUR_CHARGEMENT_PAS_DE_GRILLE_LIEE_A_LA_PARTIE");

// Où en est le chemin courant quand on essaie de le valider.
enum class issue_chemin : std::uint8_t { non_termine, non_valide, valide };

class jeu_sur_grille {
public:
    virtual ~jeu_sur_grille() = default;

    grille_ptr obtenir_grille() const { return grille_courante; }
    listes_chemin_pkg::liste obtenir_chemins() const { return les_chemins; }
    void ajouter_chemin(const chemin_ptr& nouveau_chemin) { listes_chemin_pkg::ajout_debut(les_chemins, nouveau_chemin); }
    // Défait le chemin jusqu'à sa case de départ, la libère et le retire des chemins validés.
    void supprimer_chemin(const chemin_ptr& chemin_a_supprimer);

    // Un chemin vierge n'a rien à annuler.
    void annuler_chemin_courant();
    // Vrai quand aucune case terminale de la grille n'est libre.
    bool terminee() const;
    // Les chemins validés, sous un élément "chemins_joues" ajouté à parent.
    pugi::xml_node chemins_joues_xml(pugi::xml_node parent) const;
    bool est_valide() const;

    void initialiser_curseur() { curseur = {1, 1}; }
    coordonnees obtenir_curseur() const { return curseur; }

    // Les opérations du cœur de jeu, qui ne lèvent rien : elles disent ce qui s'est passé.
    // Le chemin en construction, vierge quand aucun n'est commencé.
    chemin_ptr chemin_en_construction() const { return chemin_courant; }
    // Faux, et rien ne bouge, quand la case est hors de la grille.
    bool placer_curseur(const coordonnees& c);
    // Commence le chemin courant sur une case terminale libre ; faux s'il est déjà commencé.
    bool commencer_chemin(const classe_case& case_depart);
    // Valide le chemin courant s'il est complet ; longueur reçoit alors son nombre de cases.
    issue_chemin conclure_chemin_courant(int& longueur);
    // Retire le premier chemin validé qui passe par la case ; rend son nombre de cases, 0 si aucun.
    int retirer_chemin_passant_par(const classe_case& case_du_chemin);

    // Les mêmes, qui lèvent les erreurs d'une partie.
    chemin_ptr obtenir_chemin_courant() const {
        if (!chemin_courant->est_initialise()) throw ERREUR_CHEMIN_COURANT_NON_INITIALISE();
        return chemin_courant;
    }

    void demarrer_chemin_courant(const classe_case& case_demarrage) {
        if (!commencer_chemin(case_demarrage)) throw ERREUR_CHEMIN_COURANT_DEMARRE();
    }

    // x est vérifié et posé avant y : un y hors limite laisse x déplacé.
    void deplacer_curseur(const coordonnees& coordonnees_cibles) {
        const int t = grille_courante->taille();
        if (coordonnees_cibles.x < 1 || coordonnees_cibles.x > t) throw ERREUR_CURSEUR_HORS_LIMITE();
        curseur.x = coordonnees_cibles.x;
        if (coordonnees_cibles.y < 1 || coordonnees_cibles.y > t) throw ERREUR_CURSEUR_HORS_LIMITE();
        curseur.y = coordonnees_cibles.y;
    }

protected:
    // Ce qu'une sorte de partie compte de plus quand un chemin est validé ou retiré (le score de campagne).
    virtual void apres_validation(int /*cases*/) {}
    virtual void apres_retrait(int /*cases*/) {}

    grille_ptr grille_courante;
    listes_chemin_pkg::liste les_chemins = listes_chemin_pkg::liste_vide();
    coordonnees curseur{1, 1};
    chemin_ptr chemin_courant = std::make_shared<grille_pkg::chemin>();

    // Valide le chemin courant s'il est complet et rend son nombre de cases.
    int valider_chemin() {
        int longueur = 0;
        switch (conclure_chemin_courant(longueur)) {
        case issue_chemin::valide: return longueur;
        case issue_chemin::non_valide: throw ERREUR_CHEMIN_COURANT_NON_VALIDE();
        case issue_chemin::non_termine: break;
        }
        throw ERREUR_CHEMIN_COURANT_NON_TERMINE();
    }

    // Racine "partie" d'un document de partie, vérifiée.
    static pugi::xml_node racine_partie(const pugi::xml_document& document, const std::string& chemin_fichier) {
        const pugi::xml_node racine = document.document_element();
        if (!racine) throw grille_pkg::ERREUR_FICHIER_VIDE(chemin_fichier + " : aucun élément XML");
        if (std::string(racine.name()) != "partie") {
            throw ERREUR_FICHIER_N_EST_PAS_UNE_PARTIE(std::string("racine \"") + racine.name() + "\"");
        }
        return racine;
    }

    // Chemins d'un élément "chemins_joues", posés, validés et occupant leurs cases sur sur_grille.
    static listes_chemin_pkg::liste lire_chemins_joues(const pugi::xml_node& noeud_chemins_joues,
                                                        grille_pkg::grille& sur_grille) {
        if (!noeud_chemins_joues.first_child()) {
            throw ERREUR_NOEUD_CHEMINS_JOUES_VIDE("élément \"chemins_joues\" sans chemin");
        }
        listes_chemin_pkg::liste chemins = listes_chemin_pkg::liste_vide();
        for (const pugi::xml_node& noeud : noeud_chemins_joues.children()) {
            auto joue = std::make_shared<grille_pkg::chemin>();
            joue->charger(noeud, sur_grille);
            listes_chemin_pkg::ajout_debut(chemins, joue);
        }
        return chemins;
    }

    // Ce qu'un document de partie dit du jeu : sa grille, nommée nom_partie, cases libérées, puis les chemins joués
    // de l'élément qui la suit, posés dessus (aucun quand il manque ou qu'il est vide).
    struct partie_lue {
        grille_ptr grille;
        listes_chemin_pkg::liste chemins;
    };
    static partie_lue lire_partie_jouee(const pugi::xml_node& racine, const std::string& nom_partie,
                                        const std::string& chemin_fichier) {
        partie_lue lue{grille_de_partie(racine, nom_partie, chemin_fichier), listes_chemin_pkg::liste_vide()};
        lue.grille->liberer_cases();
        const pugi::xml_node noeud_chemins_joues = racine.first_child().next_sibling();
        if (noeud_chemins_joues && noeud_chemins_joues.first_child()) {
            lue.chemins = lire_chemins_joues(noeud_chemins_joues, *lue.grille);
        }
        return lue;
    }

    // La grille du premier enfant de la racine, quel que soit son nom, nommée nom_partie.
    static grille_ptr grille_de_partie(const pugi::xml_node& racine, const std::string& nom_partie,
                                       const std::string& chemin_fichier) {
        const pugi::xml_node noeud_grille = racine.first_child();
        if (!noeud_grille) throw grille_pkg::ERREUR_FICHIER_VIDE(chemin_fichier + " : partie sans grille");
        auto nouvelle = std::make_shared<grille_pkg::grille>(grille_pkg::lire_taille(noeud_grille));
        grille_pkg::charger(*nouvelle, nom_partie, noeud_grille);
        return nouvelle;
    }
};

}  // namespace jeu_sur_grille_pkg
