// Cœur de jeu : machine RECHERCHE / CONSTRUCTION, pas du curseur et des chemins, effacement, aide payée.
#include "coeur_jeu_pkg.hpp"

#include <algorithm>

namespace coeur_jeu_pkg {

namespace {
using jeu_sur_grille_pkg::issue_chemin;

// Case k de la solution comptée depuis l'extrémité de départ (k à partir de 1).
coordonnees case_solution(const grille_pkg::chemin& solution, bool meme_sens, int k) {
    return solution.nieme_coord(meme_sens ? k : solution.longueur() - k + 1);
}
} // namespace

coeur::coeur(jeu_sur_grille_pkg::jeu_sur_grille& jeu, compte_aide& aide, politique regles)
    : jeu_(jeu), aide_(aide), regles_(regles) {}

classe_case coeur::case_sous_curseur() const { return jeu_.obtenir_grille()->rend_case(jeu_.obtenir_curseur()); }

case_terminale_pkg::case_terminale_ptr coeur::terminale_libre_sous_curseur() const {
    const classe_case c = case_sous_curseur();
    if (!case_terminale_pkg::est_case_terminale(c) || c->est_occupe()) return nullptr;
    return std::dynamic_pointer_cast<case_terminale_pkg::case_terminale>(c);
}

void coeur::conclure(compte_rendu& r) {
    int longueur = 0;
    switch (jeu_.conclure_chemin_courant(longueur)) {
    case issue_chemin::valide:
        aide_.compter_chemin_valide(longueur);
        r.valide = longueur;
        etat_ = etat::RECHERCHE;
        break;
    case issue_chemin::non_termine: etat_ = etat::CONSTRUCTION; break;
    case issue_chemin::non_valide:
        r.invalide = true;
        jeu_.annuler_chemin_courant();
        etat_ = etat::RECHERCHE;
        break;
    }
}

compte_rendu coeur::mettre_a_jour_etat_construction() {
    compte_rendu r;
    if (etat_ == etat::CONSTRUCTION) conclure(r);
    return r;
}

compte_rendu coeur::deplacer(direction d) {
    compte_rendu r;
    if (regles_.immobile_si_resolue && jeu_.est_valide()) return r;
    if (etat_ == etat::CONSTRUCTION) {
        try {
            jeu_.chemin_en_construction()->avancer(d);
        } catch (const grille_pkg::ERREUR_CASE_HORS_LIMITE&) {
            r.refuse = true;
            return r;
        } catch (const grille_pkg::ERREUR_PROGRESSION_INVALIDE&) {
            r.refuse = true;
            return r;
        }
        conclure(r);
    }
    r.deplace = jeu_.placer_curseur(grille_pkg::voisine(jeu_.obtenir_curseur(), d));
    r.refuse = !r.deplace;
    return r;
}

compte_rendu coeur::deplacer_vers(const coordonnees& c) {
    compte_rendu r;
    if (etat_ == etat::RECHERCHE) {
        if (!jeu_.est_valide()) r.deplace = jeu_.placer_curseur(c);
        return r;
    }
    const auto d = grille_pkg::direction_vers(jeu_.obtenir_curseur(), c);
    if (!d) {
        r.non_adjacente = true;
        return r;
    }
    return deplacer(*d);
}

compte_rendu coeur::valider() {
    compte_rendu r;
    if (etat_ != etat::RECHERCHE) return r;
    const auto terminale = terminale_libre_sous_curseur();
    if (!terminale) return r;
    jeu_.commencer_chemin(terminale);
    r.commence = true;
    etat_ = etat::CONSTRUCTION;
    conclure(r);
    return r;
}

compte_rendu coeur::supprimer() {
    if (jeu_.est_valide()) return {};
    if (etat_ == etat::CONSTRUCTION) return annuler();
    const classe_case c = case_sous_curseur();
    if (!c->est_occupe()) return {};
    compte_rendu r;
    r.supprime = jeu_.retirer_chemin_passant_par(c);
    aide_.vider_compteur_aide();
    aide_.compter_chemin_supprime(r.supprime);
    return r;
}

compte_rendu coeur::annuler() {
    compte_rendu r;
    if (etat_ != etat::CONSTRUCTION) return r;
    jeu_.annuler_chemin_courant();
    etat_ = etat::RECHERCHE;
    r.annule = true;
    return r;
}

void coeur::reveler(const grille_pkg::chemin& solution, bool meme_sens, int jusqu_a, int cases_payees,
                    compte_rendu& r) {
    const grille_pkg::chemin_ptr chemin_aide = aide_.obtenir_chemin_aide_courant();
    for (int k = 2; k <= std::min(jusqu_a, solution.longueur()); ++k) {
        chemin_aide->ajouter_coord(case_solution(solution, meme_sens, k));
    }
    // Les points choisis au-delà de ce que le chemin demande ne sont pas pris, mais le compteur est vidé.
    aide_.vider_compteur_aide();
    aide_.payer_aide(cases_payees);
    r.revelees = cases_payees;
}

void coeur::aide_en_recherche(compte_rendu& r) {
    const auto terminale = terminale_libre_sous_curseur();
    if (!terminale || terminale->valeur() <= 1) return;
    const grille_pkg::chemin_ptr solution = jeu_.obtenir_grille()->trouver_chemin_solution(terminale);
    aide_.reinitialiser_chemin_aide(terminale);
    const int nb = std::min((terminale->valeur() - 1) * points_par_case_aide, aide_.obtenir_compteur_aide()) /
                   points_par_case_aide;
    const bool meme_sens = solution->nieme_coord(1) == jeu_.obtenir_curseur();
    reveler(*solution, meme_sens, nb + 1, nb, r);
}

void coeur::aide_en_construction(compte_rendu& r) {
    const grille_pkg::chemin_ptr courant = jeu_.chemin_en_construction();
    const auto depart = courant->obtenir_premiere_case();
    const grille_pkg::chemin_ptr solution = jeu_.obtenir_grille()->trouver_chemin_solution(depart);
    aide_.reinitialiser_chemin_aide(depart);
    const bool meme_sens = solution->nieme_coord(1) == courant->nieme_coord(1);
    // Le début juste du chemin en cours est redonné sans être payé.
    int nb_valide = 0;
    while (nb_valide < courant->longueur() && nb_valide < solution->longueur() &&
           courant->nieme_coord(nb_valide + 1) == case_solution(*solution, meme_sens, nb_valide + 1)) {
        ++nb_valide;
    }
    const int nb = std::min((depart->valeur() - nb_valide) * points_par_case_aide, aide_.obtenir_compteur_aide()) /
                   points_par_case_aide;
    reveler(*solution, meme_sens, nb_valide + nb, nb, r);
}

compte_rendu coeur::utiliser_aide() {
    compte_rendu r;
    if (aide_.obtenir_compteur_aide() < points_par_case_aide) return r;
    try {
        if (etat_ == etat::RECHERCHE) {
            aide_en_recherche(r);
        } else {
            aide_en_construction(r);
        }
    } catch (const grille_pkg::ERREUR_CHEMIN_SOLUTION_NON_TROUVE&) {
        // Une grille sans solution enregistrée n'a rien à montrer : rien n'est changé ni pris.
    }
    return r;
}

}  // namespace coeur_jeu_pkg
