// Le chemin : les règles de progression case par case.
#include <stdexcept>

#include "grille_pkg.hpp"

namespace grille_pkg {

namespace {

case_terminale_pkg::case_terminale_ptr en_case_terminale(const classe_case& c) {
    auto terminale = std::dynamic_pointer_cast<case_terminale_pkg::case_terminale>(c);
    if (!terminale) throw std::invalid_argument("chemin : la case de départ doit être une case terminale");
    return terminale;
}

}  // namespace

void chemin::demarrer(grille& g, const classe_case& case_depart) {
    premiere_case = en_case_terminale(case_depart);
    longueur_maximale = premiere_case->valeur();
    la_grille = &g;
    route.assign(1, premiere_case->obtenir_coordonnees());
    chemin_initialise = true;
}

void chemin::initialiser(grille& g, const classe_case& case_depart) {
    demarrer(g, case_depart);
    premiere_case->occuper();
    taille_restante = longueur_maximale - 1;
}

void chemin::initialiser_chemin_aide(grille& g, const classe_case& case_depart) { demarrer(g, case_depart); }

void chemin::exiger_initialise() const {
    if (!chemin_initialise) throw ERREUR_CHEMIN_NON_INITIALISE("le chemin n'est pas commencé");
}

coordonnees chemin::case_adjacente(const coordonnees& case_origine, direction vers_direction) const {
    const coordonnees cible = voisine(case_origine, vers_direction);
    if (la_grille->contient(cible)) return cible;
    const std::string t = std::to_string(la_grille->taille());
    switch (vers_direction) {
    case direction::droite: throw ERREUR_CASE_HORS_LIMITE("à droite de la colonne " + t);
    case direction::gauche: throw ERREUR_CASE_HORS_LIMITE("à gauche de la colonne 1");
    case direction::haut: throw ERREUR_CASE_HORS_LIMITE("au-dessus de la ligne " + t);
    case direction::bas: break;
    }
    throw ERREUR_CASE_HORS_LIMITE("au-dessous de la ligne 1");
}

void chemin::avancer(direction d) {
    exiger_initialise();
    const coordonnees cible = case_adjacente(route.back(), d);
    const classe_case candidate = la_grille->rend_case(cible);

    const bool terminale = case_terminale_pkg::est_case_terminale(candidate);
    const bool chiffre_convient =
        !terminale || static_cast<const case_terminale_pkg::case_terminale&>(*candidate).valeur() == longueur_maximale;
    if (chiffre_convient && !candidate->est_occupe() && !est_termine() && longueur() < longueur_maximale) {
        candidate->occuper();
        route.push_back(cible);
        --taille_restante;
    } else if (longueur() >= 2 && route[route.size() - 2] == cible) {
        retour();  // le joueur revient sur la case précédente
    } else {
        throw ERREUR_PROGRESSION_INVALIDE("la case (" + std::to_string(cible.x) + ", " + std::to_string(cible.y) +
                                          ") ne peut pas prolonger ce chemin");
    }
}

void chemin::avancer_sur_cases_occupees(direction d) {
    exiger_initialise();
    const coordonnees cible = case_adjacente(route.back(), d);
    const classe_case candidate = la_grille->rend_case(cible);

    if (longueur() < longueur_maximale - 1 && candidate->est_occupe() && !est_termine()) {
        route.push_back(cible);
    } else if (longueur() == longueur_maximale - 1 && candidate->est_occupe()) {
        la_grille->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(longueur_maximale), cible);
        route.push_back(cible);
    } else {
        throw ERREUR_PROGRESSION_INVALIDE("la case (" + std::to_string(cible.x) + ", " + std::to_string(cible.y) +
                                          ") n'est pas une case du dessin");
    }
}

void chemin::ajouter_coord(const coordonnees& coord) { route.push_back(coord); }

void chemin::retour() {
    exiger_initialise();
    if (route.size() < 2) throw ERREUR_RETOUR_PREMIERE_CASE("le chemin n'a plus que sa case de départ");
    la_grille->rend_case(route.back())->liberer();
    route.pop_back();
    ++taille_restante;
}

classe_case chemin::derniere_case() const {
    exiger_initialise();
    return la_grille->rend_case(route.back());
}

case_terminale_pkg::case_terminale_ptr chemin::obtenir_premiere_case() const {
    exiger_initialise();
    return premiere_case;
}

coordonnees chemin::nieme_coord(int pos) const {
    if (pos < 1 || pos > static_cast<int>(route.size())) {
        throw listes_pkg<coordonnees>::ERREUR_POS_INTROUVABLE("nieme_coord");
    }
    return route[static_cast<std::size_t>(pos - 1)];
}

int chemin::longueur() const {
    exiger_initialise();
    return static_cast<int>(route.size());
}

int chemin::obtenir_longueur_maximale() const {
    exiger_initialise();
    return longueur_maximale;
}

bool chemin::est_termine() const {
    exiger_initialise();
    const classe_case derniere = la_grille->rend_case(route.back());
    if (!case_terminale_pkg::est_case_terminale(derniere)) return false;
    const auto& terminale = static_cast<const case_terminale_pkg::case_terminale&>(*derniere);
    return terminale.valeur() == longueur_maximale &&
           (derniere != premiere_case || longueur_maximale == 1);
}

bool chemin::est_valide() const { return est_termine() && longueur() == longueur_maximale; }

bool chemin::sont_coordonnees_depart(const coordonnees& les_coordonnees) const {
    exiger_initialise();
    return route.front() == les_coordonnees;
}

bool chemin::appartient(const classe_case& case_recherchee) const {
    exiger_initialise();
    const coordonnees cherchees = case_recherchee->obtenir_coordonnees();
    for (const auto& c : route) {
        if (c == cherchees) return true;
    }
    return false;
}

}  // namespace grille_pkg
