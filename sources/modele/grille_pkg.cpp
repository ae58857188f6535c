// La grille : ses cases, son nom et sa liste de chemins solution.
#include "grille_pkg.hpp"

#include <iostream>
#include <stdexcept>

#include "fichier_xml_pkg.hpp"

namespace grille_pkg {

coordonnees voisine(const coordonnees& c, direction d) {
    switch (d) {
    case direction::gauche: return {c.x - 1, c.y};
    case direction::droite: return {c.x + 1, c.y};
    case direction::haut: return {c.x, c.y + 1};
    case direction::bas: return {c.x, c.y - 1};
    }
    return c;
}

std::optional<direction> direction_vers(const coordonnees& a, const coordonnees& b) {
    for (const direction d : {direction::gauche, direction::droite, direction::haut, direction::bas}) {
        if (voisine(a, d) == b) return d;
    }
    return std::nullopt;
}

grille::grille(int taille_grille) : la_taille(taille_grille) {
    if (taille_grille < 1) throw std::out_of_range("grille : le côté doit être positif");
    la_grille.resize(static_cast<std::size_t>(taille_grille) * static_cast<std::size_t>(taille_grille));
}

bool grille::contient(const coordonnees& c) const {
    return c.x >= 1 && c.x <= la_taille && c.y >= 1 && c.y <= la_taille;
}

std::size_t grille::indice(const coordonnees& c) const {
    if (!contient(c)) throw std::out_of_range("grille : coordonnées hors de la grille");
    return static_cast<std::size_t>(c.x - 1) * static_cast<std::size_t>(la_taille) +
           static_cast<std::size_t>(c.y - 1);
}

void grille::initialiser(const std::string& nom_grille) {
    nommer_grille(nom_grille);
    for (int x = 1; x <= la_taille; ++x) {
        for (int y = 1; y <= la_taille; ++y) {
            auto nouvelle = std::make_shared<case_simple_pkg::case_simple>();
            nouvelle->donner_coordonnees({x, y});
            la_grille[indice({x, y})] = nouvelle;
        }
    }
}

void grille::liberer_cases() {
    for (const auto& c : la_grille) {
        if (c) c->liberer();
    }
}

void grille::nommer_grille(const std::string& nom_grille_sans_extension) {
    nom = nom_grille_sans_extension;
    nom_initialise = true;
}

std::string grille::obtenir_nom_grille() const {
    if (!nom_initialise) throw ERREUR_NOM_NON_INITIALISE("la grille n'a jamais été nommée");
    return nom;
}

classe_case grille::rend_case(const coordonnees& les_coordonnees) const {
    return la_grille[indice(les_coordonnees)];
}

classe_case grille::definir_case(const classe_case& c, const coordonnees& les_coordonnees) {
    const std::size_t i = indice(les_coordonnees);
    c->donner_coordonnees(les_coordonnees);
    la_grille[i] = c;
    return c;
}

coordonnees grille::position(const classe_case& c) const { return c->obtenir_coordonnees(); }

void grille::ajouter_chemin_solution(const chemin_ptr& c) { listes_chemins::ajout_debut(la_solution, c); }

void grille::retirer_chemin_solution(const chemin_ptr& c) { listes_chemins::retirer_elem(la_solution, c); }

chemin_ptr grille::trouver_chemin_solution(const classe_case& ct) const {
    for (solution l = la_solution; !listes_chemins::est_vide(l); l = listes_chemins::get_suiv(l)) {
        const chemin_ptr c = listes_chemins::get_elem(l);
        if (c->appartient(ct)) return c;
    }
    throw ERREUR_CHEMIN_SOLUTION_NON_TROUVE("aucun chemin solution ne passe par cette case");
}

void grille::afficher_la_grille(std::ostream& sortie) const {
    using fichier_xml_pkg::image_entier;
    for (int x = la_taille; x >= 1; --x) {
        for (int y = 1; y <= la_taille; ++y) {
            const classe_case c = rend_case({x, y});
            sortie << image_entier(x) << ',' << image_entier(y) << ' ';
            if (c && case_terminale_pkg::est_case_terminale(c)) {
                const auto& terminale = static_cast<const case_terminale_pkg::case_terminale&>(*c);
                sortie << "terminale de valeur " << image_entier(terminale.valeur()) << ' ';
            } else {
                sortie << "simple ";
            }
            sortie << (c && c->est_occupe() ? "TRUE" : "FALSE") << '\n';
        }
    }
}

void grille::afficher_la_grille() const { afficher_la_grille(std::cout); }

void liberer_ressources(chemin_ptr& c) { c.reset(); }

}  // namespace grille_pkg
