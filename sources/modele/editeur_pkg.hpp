// Modèle de l'éditeur : la grille dessinée, son curseur, la génération des chemins et la sauvegarde.
#pragma once

#include <memory>
#include <string>

#include "aleatoire_pkg.hpp"
#include "case_simple_pkg.hpp"
#include "erreur_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "grille_pkg.hpp"
#include "jeu_sur_grille_pkg.hpp"
#include "listes_pkg.hpp"

namespace editeur_pkg {

DECLARER_ERREUR(ERREUR_CURSEUR_HORS_LIMITE, "EDITEUR_PKG.ERREUR_CURSEUR_HORS_LIMITE");
DECLARER_ERREUR(ERREUR_DIRECTION_INVALIDE, "EDITEUR_PKG.ERREUR_DIRECTION_INVALIDE");
DECLARER_ERREUR(ERREUR_CONSTRUCTION_CHEMIN_UNIQUE_INVALIDE, "EDITEUR_PKG.ERREUR_CONSTRUCTION_CHEMIN_UNIQUE_INVALIDE");
DECLARER_ERREUR(ERREUR_ARBRE_TROP_COURT, "EDITEUR_PKG.ERREUR_ARBRE_TROP_COURT");
DECLARER_ERREUR(ERREUR_CASE_DEPART_INOCCUPEE, "EDITEUR_PKG.ERREUR_CASE_DEPART_INOCCUPEE");

using listes_coordonnees_pkg = listes_pkg<case_simple_pkg::coordonnees>;

// Le curseur est celui de la grille libre éditée : l'écran la montre comme une partie, et les bornes du curseur
// sont celles de la base commune des parties.
class editeur {
public:
    // Nouvelle grille libre de ce côté, dont toutes les cases sont peintes ; le curseur en (1, 1).
    void initialiser(int taille, const std::string& nom_grille);
    grille_pkg::grille_ptr obtenir_grille() const { return grille_libre_courante->obtenir_grille(); }
    // La grille éditée vue comme une partie, pour l'écran.
    std::shared_ptr<const jeu_sur_grille_pkg::jeu_sur_grille> obtenir_partie() const { return grille_libre_courante; }
    // x est vérifié et posé avant y : un y hors de la grille laisse x déplacé.
    void deplacer_curseur(const case_simple_pkg::coordonnees& coordonnees_cibles);
    // Faux, et rien ne bouge, quand la case est hors de la grille.
    bool placer_curseur(const case_simple_pkg::coordonnees& c) { return grille_libre_courante->placer_curseur(c); }
    case_simple_pkg::coordonnees obtenir_curseur() const { return grille_libre_courante->obtenir_curseur(); }

    // Sans case peinte, il n'y a rien à générer : la grille n'aurait aucun chemin et ne se chargerait pas.
    bool a_une_case_peinte() const;

    // Couvre les cases peintes de chemins d'au plus longueur_maximale_chemins cases ; la source
    // aléatoire est tirée de l'horloge à chaque génération.
    void generation_des_chemins(int longueur_maximale_chemins, const grille_pkg::grille_ptr& grille_traitee);
    // Même génération avec une source donnée : une même suite de nombres donne les mêmes chemins.
    void generation_des_chemins(int longueur_maximale_chemins, const grille_pkg::grille_ptr& grille_traitee,
                                aleatoire_pkg::source_uniforme& pourcentage_aleatoire);

    void sauvegarder(const std::string& nom_grille) const;
    // Le document que sauvegarder écrit, pour l'écrire ailleurs.
    pugi::xml_node grille_libre_xml(pugi::xml_node parent) const { return grille_libre_courante->grille_libre_xml(parent); }

private:
    grille_libre_pkg::grille_libre_ptr grille_libre_courante;
};

using editeur_ptr = std::shared_ptr<editeur>;

}  // namespace editeur_pkg
