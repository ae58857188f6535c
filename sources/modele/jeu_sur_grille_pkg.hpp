// Protocole commun aux parties de campagne et aux grilles libres : chemins validés, chemin en
// construction, curseur et fin de partie. Chaque paquet l'instancie avec ses propres exceptions.
#pragma once

#include <string>

#include <pugixml.hpp>

#include "fichier_xml_pkg.hpp"
#include "grille_pkg.hpp"
#include "listes_pkg.hpp"

namespace jeu_sur_grille_pkg {

using case_simple_pkg::classe_case;
using case_simple_pkg::coordonnees;
using grille_pkg::chemin_ptr;
using grille_pkg::grille_ptr;
using listes_chemin_pkg = listes_pkg<chemin_ptr>;

// erreurs fournit les types curseur_hors_limite, chemin_courant_non_valide,
// chemin_courant_non_termine, chemin_courant_demarre, chemin_courant_non_initialise
// et fichier_n_est_pas_une_partie du paquet qui instancie.
template <typename erreurs>
class jeu_sur_grille {
public:
    grille_ptr obtenir_grille() const { return grille_courante; }
    listes_chemin_pkg::liste obtenir_chemins() const { return les_chemins; }
    void ajouter_chemin(const chemin_ptr& nouveau_chemin) { listes_chemin_pkg::ajout_debut(les_chemins, nouveau_chemin); }

    // Défait le chemin jusqu'à sa case de départ, la libère et le retire des chemins validés.
    void supprimer_chemin(const chemin_ptr& chemin_a_supprimer) {
        // Vérifié avant de toucher aux cases : un refus laisse la partie telle quelle.
        if (!listes_chemin_pkg::existe(les_chemins, chemin_a_supprimer)) {
            throw typename listes_chemin_pkg::ERREUR_ELEM_INTROUVABLE("supprimer_chemin");
        }
        defaire(*chemin_a_supprimer);
        listes_chemin_pkg::retirer_elem(les_chemins, chemin_a_supprimer);
    }

    chemin_ptr obtenir_chemin_courant() const {
        if (!chemin_courant->est_initialise()) throw typename erreurs::chemin_courant_non_initialise();
        return chemin_courant;
    }

    void demarrer_chemin_courant(const classe_case& case_demarrage) {
        if (chemin_courant->est_initialise()) throw typename erreurs::chemin_courant_demarre();
        chemin_courant->initialiser(*grille_courante, case_demarrage);
    }

    // Un chemin vierge n'a rien à annuler.
    void annuler_chemin_courant() {
        if (!chemin_courant->est_initialise()) return;
        defaire(*chemin_courant);
        chemin_courant = std::make_shared<grille_pkg::chemin>();
    }

    // Vrai quand aucune case terminale de la grille n'est libre.
    bool terminee() const {
        const int t = grille_courante->taille();
        for (int x = 1; x <= t; ++x) {
            for (int y = 1; y <= t; ++y) {
                const classe_case c = grille_courante->rend_case({x, y});
                if (case_terminale_pkg::est_case_terminale(c) && !c->est_occupe()) return false;
            }
        }
        return true;
    }

    bool est_valide() const {
        if (!terminee()) return false;
        for (auto l = les_chemins; !listes_chemin_pkg::est_vide(l); l = listes_chemin_pkg::get_suiv(l)) {
            if (!listes_chemin_pkg::get_elem(l)->est_valide()) return false;
        }
        return true;
    }

    void initialiser_curseur() { curseur = {1, 1}; }

    // x est vérifié et posé avant y : un y hors limite laisse x déplacé.
    void deplacer_curseur(const coordonnees& coordonnees_cibles) {
        const int t = grille_courante->taille();
        if (coordonnees_cibles.x < 1 || coordonnees_cibles.x > t) throw typename erreurs::curseur_hors_limite();
        curseur.x = coordonnees_cibles.x;
        if (coordonnees_cibles.y < 1 || coordonnees_cibles.y > t) throw typename erreurs::curseur_hors_limite();
        curseur.y = coordonnees_cibles.y;
    }

    coordonnees obtenir_curseur() const { return curseur; }

protected:
    // Valide le chemin courant s'il est complet et rend son nombre de cases.
    int valider_chemin() {
        if (chemin_courant->est_valide()) {
            const chemin_ptr valide = chemin_courant;
            ajouter_chemin(valide);
            chemin_courant = std::make_shared<grille_pkg::chemin>();
            return valide->longueur();
        }
        if (chemin_courant->est_termine()) throw typename erreurs::chemin_courant_non_valide();
        throw typename erreurs::chemin_courant_non_termine();
    }

    // Retire le premier chemin validé qui passe par la case ; rend son nombre de cases, 0 si aucun.
    int retirer_chemin_passant_par(const classe_case& case_du_chemin) {
        for (auto l = les_chemins; !listes_chemin_pkg::est_vide(l); l = listes_chemin_pkg::get_suiv(l)) {
            const chemin_ptr c = listes_chemin_pkg::get_elem(l);
            if (c->appartient(case_du_chemin)) {
                const int cases = c->longueur();
                supprimer_chemin(c);
                return cases;
            }
        }
        return 0;
    }

    // Racine "partie" d'un document de partie, vérifiée.
    static pugi::xml_node racine_partie(const pugi::xml_document& document, const std::string& chemin_fichier) {
        const pugi::xml_node racine = document.document_element();
        if (!racine) throw grille_pkg::ERREUR_FICHIER_VIDE(chemin_fichier + " : aucun élément XML");
        if (std::string(racine.name()) != "partie") {
            throw typename erreurs::fichier_n_est_pas_une_partie(std::string("racine \"") + racine.name() + "\"");
        }
        return racine;
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

    grille_ptr grille_courante;
    listes_chemin_pkg::liste les_chemins = listes_chemin_pkg::liste_vide();
    coordonnees curseur{1, 1};
    chemin_ptr chemin_courant = std::make_shared<grille_pkg::chemin>();

private:
    static void defaire(grille_pkg::chemin& c) {
        while (c.longueur() > 1) c.retour();
        c.obtenir_premiere_case()->liberer();
    }
};

}  // namespace jeu_sur_grille_pkg
