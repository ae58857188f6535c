// La grille du puzzle, ses chemins solution, et le chemin qui fait respecter les règles du jeu.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "case_simple_pkg.hpp"
#include "case_terminale_pkg.hpp"
#include "erreur_pkg.hpp"
#include "listes_pkg.hpp"

namespace grille_pkg {

using case_simple_pkg::classe_case;
using case_simple_pkg::coordonnees;

enum class direction { gauche, droite, haut, bas };

// La case voisine dans la direction d : gauche x − 1, droite x + 1, haut y + 1, bas y − 1 ; sans borne.
coordonnees voisine(const coordonnees& c, direction d);
// La direction qui mène de a à b, quand b est l'une des quatre voisines de a.
std::optional<direction> direction_vers(const coordonnees& a, const coordonnees& b);

DECLARER_ERREUR(ERREUR_CASE_HORS_LIMITE, "GRILLE_PKG.ERREUR_CASE_HORS_LIMITE");
DECLARER_ERREUR(ERREUR_CASE_OCCUPE, "GRILLE_PKG.ERREUR_CASE_OCCUPE");
DECLARER_ERREUR(ERREUR_RETOUR_PREMIERE_CASE, "GRILLE_PKG.ERREUR_RETOUR_PREMIERE_CASE");
DECLARER_ERREUR(ERREUR_CHEMIN_NON_INITIALISE, "GRILLE_PKG.ERREUR_CHEMIN_NON_INITIALISE");
DECLARER_ERREUR(ERREUR_CHARGEMENT_CHEMIN, "GRILLE_PKG.ERREUR_CHARGEMENT_CHEMIN");
DECLARER_ERREUR(ERREUR_CHEMIN_VIDE, "GRILLE_PKG.ERREUR_CHEMIN_VIDE");
DECLARER_ERREUR(ERREUR_PROGRESSION_INVALIDE, "GRILLE_PKG.ERREUR_PROGRESSION_INVALIDE");
DECLARER_ERREUR(ERREUR_CHEMIN_AVEC_SAUT, "GRILLE_PKG.ERREUR_CHEMIN_AVEC_SAUT");
DECLARER_ERREUR(ERREUR_CHEMIN_INVALIDE, "GRILLE_PKG.ERREUR_CHEMIN_INVALIDE");
DECLARER_ERREUR(ERREUR_FICHIER_VIDE, "GRILLE_PKG.ERREUR_FICHIER_VIDE");
DECLARER_ERREUR(ERREUR_GRILLE_VIDE, "GRILLE_PKG.ERREUR_GRILLE_VIDE");
DECLARER_ERREUR(ERREUR_CHARGEMENT_COORDONNEES, "GRILLE_PKG.ERREUR_CHARGEMENT_COORDONNEES");
DECLARER_ERREUR(ERREUR_NOEUD_CHEMINS_VIDE, "GRILLE_PKG.ERREUR_NOEUD_CHEMINS_VIDE");
DECLARER_ERREUR(ERREUR_CHEMIN_SOLUTION_NON_TROUVE, "GRILLE_PKG.ERREUR_CHEMIN_SOLUTION_NON_TROUVE");
DECLARER_ERREUR(ERREUR_FICHIER_XML_NE_CONTIENT_PAS_UNE_GRILLE,
                "GRILLE_PKG.ERREUR_FICHIER_XML_NE_CONTIENT_PAS_UNE_GRILLE");
DECLARER_ERREUR(ERREUR_NOM_NON_INITIALISE, "GRILLE_PKG.ERREUR_NOM_NON_INITIALISE");

// Côté maximal accepté d'un fichier : celui de l'éditeur, le plus grand que les vues montrent et que le solveur
// traite sans peine.
constexpr int TAILLE_MAXIMALE = 42;

class grille;
class chemin;
using chemin_ptr = std::shared_ptr<chemin>;
using grille_ptr = std::shared_ptr<grille>;
using listes_chemins = listes_pkg<chemin_ptr>;
using solution = listes_chemins::liste;

// Un chemin posé case par case sur une grille ; il ne possède ni la grille ni ses cases.
class chemin {
public:
    // Pose le chemin sur sa case de départ (occupée) ; case_depart doit être une case terminale.
    void initialiser(grille& g, const classe_case& case_depart);
    // Chemin d'aide : montré, jamais posé (la case de départ n'est pas occupée).
    void initialiser_chemin_aide(grille& g, const classe_case& case_depart);

    void avancer(direction d);
    void avancer_sur_cases_occupees(direction d);
    void ajouter_coord(const coordonnees& coord);
    void retour();

    int combien_reste() const { return taille_restante; }
    classe_case derniere_case() const;
    case_terminale_pkg::case_terminale_ptr obtenir_premiere_case() const;
    coordonnees nieme_coord(int pos) const;
    int longueur() const;
    bool est_initialise() const { return chemin_initialise; }
    bool est_termine() const;
    bool est_valide() const;
    bool sont_coordonnees_depart(const coordonnees& les_coordonnees) const;
    bool appartient(const classe_case& case_recherchee) const;
    int obtenir_longueur_maximale() const;

    // Élément "chemin" ajouté en dernier enfant de parent.
    pugi::xml_node chemin_xml(pugi::xml_node parent) const;
    // Pose ce chemin vierge sur la grille d'après un élément "chemin".
    void charger(const pugi::xml_node& noeud_chemin, grille& la_grille);

private:
    void exiger_initialise() const;
    coordonnees case_adjacente(const coordonnees& case_origine, direction vers_direction) const;
    void demarrer(grille& g, const classe_case& case_depart);

    int taille_restante = 0;
    bool chemin_initialise = false;
    int longueur_maximale = 0;
    grille* la_grille = nullptr;
    case_terminale_pkg::case_terminale_ptr premiere_case;
    // La route en tableau : même contenu et mêmes positions (à partir de 1) qu'une liste, accès direct.
    std::vector<coordonnees> route;
};

void liberer_ressources(chemin_ptr& c);

class grille {
public:
    explicit grille(int la_taille);

    void initialiser(const std::string& nom_grille);
    void liberer_cases();
    int taille() const { return la_taille; }
    void nommer_grille(const std::string& nom_grille_sans_extension);
    std::string obtenir_nom_grille() const;

    // Coordonnées hors de 1..taille : erreur de programmation (std::out_of_range).
    classe_case rend_case(const coordonnees& les_coordonnees) const;
    classe_case definir_case(const classe_case& c, const coordonnees& les_coordonnees);
    coordonnees position(const classe_case& c) const;

    void ajouter_chemin_solution(const chemin_ptr& c);
    void retirer_chemin_solution(const chemin_ptr& c);
    chemin_ptr trouver_chemin_solution(const classe_case& ct) const;
    solution obtenir_solution() const { return la_solution; }

    // Une ligne par case, x décroissant puis y croissant.
    void afficher_la_grille(std::ostream& sortie) const;
    void afficher_la_grille() const;

    pugi::xml_node solution_xml(pugi::xml_node parent) const;
    pugi::xml_node grille_xml(pugi::xml_node parent) const;
    // Document autonome de racine "grille", dans le fichier en_repertoire & nom_grille.
    void sauvegarder(const std::string& nom_grille, const std::string& en_repertoire) const;

    bool contient(const coordonnees& c) const;

private:
    std::size_t indice(const coordonnees& c) const;

    int la_taille;
    bool nom_initialise = false;
    std::string nom;
    std::vector<classe_case> la_grille;  // indice (x - 1) * taille + (y - 1)
    solution la_solution = listes_chemins::liste_vide();
};

// Lecteurs : ils travaillent sur l'arbre d'un document déjà analysé.
coordonnees charger_coordonnees(const pugi::xml_node& noeud_case);
// Variante qui exige en plus que les coordonnées tiennent dans la grille.
coordonnees charger_coordonnees(const pugi::xml_node& noeud_case, const grille& dans_grille);
void charger(grille& dans_grille, const std::string& nom_grille, const pugi::xml_node& noeud_grille);
void charger_chemins_solutions(grille& dans_grille, const pugi::xml_node& noeud_chemins);
// Document autonome : crée la grille au côté de son attribut "taille" et la rend dans dans_grille.
void charger(grille_ptr& dans_grille, const std::string& nom_grille, const std::string& de_repertoire);

// Côté lu dans l'attribut "taille" d'un élément de grille, borné à 1..TAILLE_MAXIMALE.
int lire_taille(const pugi::xml_node& noeud_grille);

}  // namespace grille_pkg
