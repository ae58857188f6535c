// Base commune des parties sur une grille : chemins, curseur, fin de partie.
#include "jeu_sur_grille_pkg.hpp"

namespace jeu_sur_grille_pkg {

namespace {
void defaire(grille_pkg::chemin& c) {
    while (c.longueur() > 1) c.retour();
    c.obtenir_premiere_case()->liberer();
}
} // namespace

void jeu_sur_grille::supprimer_chemin(const chemin_ptr& chemin_a_supprimer) {
    // Vérifié avant de toucher aux cases : un refus laisse la partie telle quelle.
    if (!listes_chemin_pkg::existe(les_chemins, chemin_a_supprimer)) {
        throw listes_chemin_pkg::ERREUR_ELEM_INTROUVABLE("supprimer_chemin");
    }
    defaire(*chemin_a_supprimer);
    listes_chemin_pkg::retirer_elem(les_chemins, chemin_a_supprimer);
}

void jeu_sur_grille::annuler_chemin_courant() {
    if (!chemin_courant->est_initialise()) return;
    defaire(*chemin_courant);
    chemin_courant = std::make_shared<grille_pkg::chemin>();
}

bool jeu_sur_grille::terminee() const {
    const int t = grille_courante->taille();
    for (int x = 1; x <= t; ++x) {
        for (int y = 1; y <= t; ++y) {
            const classe_case c = grille_courante->rend_case({x, y});
            if (case_terminale_pkg::est_case_terminale(c) && !c->est_occupe()) return false;
        }
    }
    return true;
}

bool jeu_sur_grille::est_valide() const {
    if (!terminee()) return false;
    for (auto l = les_chemins; !listes_chemin_pkg::est_vide(l); l = listes_chemin_pkg::get_suiv(l)) {
        if (!listes_chemin_pkg::get_elem(l)->est_valide()) return false;
    }
    return true;
}

bool jeu_sur_grille::placer_curseur(const coordonnees& c) {
    if (!grille_courante->contient(c)) return false;
    curseur = c;
    return true;
}

bool jeu_sur_grille::commencer_chemin(const classe_case& case_depart) {
    if (chemin_courant->est_initialise()) return false;
    chemin_courant->initialiser(*grille_courante, case_depart);
    return true;
}

issue_chemin jeu_sur_grille::conclure_chemin_courant(int& longueur) {
    if (chemin_courant->est_valide()) {
        const chemin_ptr valide = chemin_courant;
        ajouter_chemin(valide);
        chemin_courant = std::make_shared<grille_pkg::chemin>();
        longueur = valide->longueur();
        apres_validation(longueur);
        return issue_chemin::valide;
    }
    return chemin_courant->est_termine() ? issue_chemin::non_valide : issue_chemin::non_termine;
}

int jeu_sur_grille::retirer_chemin_passant_par(const classe_case& case_du_chemin) {
    for (auto l = les_chemins; !listes_chemin_pkg::est_vide(l); l = listes_chemin_pkg::get_suiv(l)) {
        const chemin_ptr c = listes_chemin_pkg::get_elem(l);
        if (c->appartient(case_du_chemin)) {
            const int cases = c->longueur();
            supprimer_chemin(c);
            apres_retrait(cases);
            return cases;
        }
    }
    return 0;
}

pugi::xml_node jeu_sur_grille::chemins_joues_xml(pugi::xml_node parent) const {
    pugi::xml_node element = parent.append_child("chemins_joues");
    for (auto l = les_chemins; !listes_chemin_pkg::est_vide(l); l = listes_chemin_pkg::get_suiv(l)) {
        listes_chemin_pkg::get_elem(l)->chemin_xml(element);
    }
    return element;
}

}  // namespace jeu_sur_grille_pkg
