// Forme XML de la grille, de sa solution et des chemins : écriture et lecture.
#include <cstdint>
#include <limits>

#include "fichier_xml_pkg.hpp"
#include "grille_pkg.hpp"

namespace grille_pkg {

namespace {

constexpr std::int64_t ENTIER_MAX = std::numeric_limits<std::int32_t>::max();

}  // namespace

pugi::xml_node chemin::chemin_xml(pugi::xml_node parent) const {
    pugi::xml_node element = parent.append_child("chemin");
    fichier_xml_pkg::ecrire_entier(element, "longueur", longueur_maximale);
    for (const auto& c : route) case_simple_pkg::coordonnees_xml(c, element);
    return element;
}

pugi::xml_node grille::solution_xml(pugi::xml_node parent) const {
    pugi::xml_node element = parent.append_child("solution");
    for (solution l = la_solution; !listes_chemins::est_vide(l); l = listes_chemins::get_suiv(l)) {
        listes_chemins::get_elem(l)->chemin_xml(element);
    }
    return element;
}

pugi::xml_node grille::grille_xml(pugi::xml_node parent) const {
    pugi::xml_node element = parent.append_child("grille");
    element.append_attribute("nom").set_value(nom.c_str());
    fichier_xml_pkg::ecrire_entier(element, "taille", la_taille);
    for (int x = 1; x <= la_taille; ++x) {
        for (int y = 1; y <= la_taille; ++y) {
            const classe_case c = rend_case({x, y});
            if (c && case_terminale_pkg::est_case_terminale(c)) {
                static_cast<const case_terminale_pkg::case_terminale&>(*c).case_terminale_xml(element);
            }
        }
    }
    solution_xml(element);
    return element;
}

void grille::sauvegarder(const std::string& nom_grille, const std::string& en_repertoire) const {
    pugi::xml_document document;
    fichier_xml_pkg::sauvegarder(grille_xml(document), en_repertoire + nom_grille);
}

coordonnees charger_coordonnees(const pugi::xml_node& noeud_case) {
    if (std::string(noeud_case.name()) != "coordonnees") {
        throw ERREUR_CHARGEMENT_COORDONNEES(std::string("élément \"") + fichier_xml_pkg::extrait(noeud_case.name()) +
                                           "\" au lieu de \"coordonnees\"");
    }
    return {static_cast<std::int32_t>(fichier_xml_pkg::lire_entier(noeud_case, "x", 1, ENTIER_MAX)),
            static_cast<std::int32_t>(fichier_xml_pkg::lire_entier(noeud_case, "y", 1, ENTIER_MAX))};
}

coordonnees charger_coordonnees(const pugi::xml_node& noeud_case, const grille& dans_grille) {
    const coordonnees c = charger_coordonnees(noeud_case);
    if (!dans_grille.contient(c)) {
        throw fichier_xml_pkg::ERREUR_VALEUR_INVALIDE(
            "coordonnées (" + std::to_string(c.x) + ", " + std::to_string(c.y) +
            ") hors d'une grille de côté " + std::to_string(dans_grille.taille()));
    }
    return c;
}

int lire_taille(const pugi::xml_node& noeud_grille) {
    return static_cast<int>(fichier_xml_pkg::lire_entier(noeud_grille, "taille", 1, TAILLE_MAXIMALE));
}

void chemin::charger(const pugi::xml_node& noeud_chemin, grille& grille_cible) {
    pugi::xml_node noeud = noeud_chemin.first_child();
    if (!noeud) throw ERREUR_CHEMIN_VIDE("élément \"chemin\" sans case");

    const classe_case depart = grille_cible.rend_case(charger_coordonnees(noeud, grille_cible));
    if (!case_terminale_pkg::est_case_terminale(depart)) {
        throw ERREUR_CHARGEMENT_CHEMIN("le chemin ne part pas d'une case terminale");
    }
    // Une case de départ déjà prise par un autre chemin ferait partager une case à deux chemins.
    if (depart->est_occupe()) throw ERREUR_CHARGEMENT_CHEMIN("la case de départ est déjà prise par un chemin");
    initialiser(grille_cible, depart);

    for (noeud = noeud.next_sibling(); noeud; noeud = noeud.next_sibling()) {
        const coordonnees c = charger_coordonnees(noeud);
        const std::optional<direction> d = direction_vers(route.back(), c);
        if (!d) throw ERREUR_CHEMIN_AVEC_SAUT("deux cases successives ne sont pas voisines");
        avancer(*d);
    }

    const std::int64_t annonce = fichier_xml_pkg::lire_entier(noeud_chemin, "longueur", 1, ENTIER_MAX);
    if (annonce != longueur() || !est_valide()) {
        throw ERREUR_CHEMIN_INVALIDE("longueur annoncée" + fichier_xml_pkg::image_entier(annonce) + ", " +
                                     std::to_string(longueur()) + " cases posées");
    }
}

void charger(grille& dans_grille, const std::string& nom_grille, const pugi::xml_node& noeud_grille) {
    dans_grille.initialiser(nom_grille);
    if (!noeud_grille.first_child()) throw ERREUR_GRILLE_VIDE("élément \"grille\" sans enfant");

    pugi::xml_node noeud = noeud_grille.first_child();
    for (; noeud && std::string(noeud.name()) != "solution"; noeud = noeud.next_sibling()) {
        const auto chiffre = static_cast<int>(fichier_xml_pkg::lire_entier(noeud, "chiffre", 1, static_cast<std::int64_t>(dans_grille.taille()) * dans_grille.taille()));
        const coordonnees c = charger_coordonnees(noeud.first_child(), dans_grille);
        dans_grille.definir_case(std::make_shared<case_terminale_pkg::case_terminale>(chiffre), c);
    }
    if (!noeud) throw ERREUR_NOEUD_CHEMINS_VIDE("la grille n'a pas d'élément \"solution\"");
    charger_chemins_solutions(dans_grille, noeud);
}

void charger_chemins_solutions(grille& dans_grille, const pugi::xml_node& noeud_chemins) {
    if (!noeud_chemins.first_child()) throw ERREUR_NOEUD_CHEMINS_VIDE("élément \"solution\" sans chemin");
    for (const pugi::xml_node& noeud : noeud_chemins.children()) {
        auto nouveau = std::make_shared<chemin>();
        nouveau->charger(noeud, dans_grille);
        dans_grille.ajouter_chemin_solution(nouveau);
    }
}

void charger(grille_ptr& dans_grille, const std::string& nom_grille, const std::string& de_repertoire) {
    const pugi::xml_document document = fichier_xml_pkg::analyser(de_repertoire + nom_grille);
    const pugi::xml_node racine = document.document_element();
    if (!racine) throw ERREUR_FICHIER_VIDE(de_repertoire + nom_grille + " : aucun élément XML");
    if (std::string(racine.name()) != "grille") {
        throw ERREUR_FICHIER_XML_NE_CONTIENT_PAS_UNE_GRILLE(std::string("racine \"") + fichier_xml_pkg::extrait(racine.name()) + "\"");
    }
    auto nouvelle = std::make_shared<grille>(lire_taille(racine));
    charger(*nouvelle, nom_grille, racine);
    dans_grille = nouvelle;
}

}  // namespace grille_pkg
