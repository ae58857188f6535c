// Chargement d'un fichier par le chargeur du jeu qui lui convient.
#include "chargement_fichier.hpp"

#include "erreur_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "partie_pkg.hpp"

namespace chargement_fichier {

namespace {

// Nom de la racine du document, vide s'il ne se lit pas : le chargeur choisi dira alors pourquoi.
std::string nom_racine(const std::string& fichier) {
    try {
        return fichier_xml_pkg::analyser(fichier).document_element().name();
    } catch (const erreur_pkg::erreur&) {
        return "";
    }
}

}  // namespace

fichier_charge charger(const std::string& fichier, bool campagne) {
    // Le chargeur colle répertoire et nom : on coupe juste après le dernier séparateur.
    const std::size_t coupure = fichier.rfind('/') + 1;  // 0 sans séparateur
    const std::string repertoire = fichier.substr(0, coupure);
    const std::string nom = fichier.substr(coupure);
    fichier_charge r;
    if (nom_racine(fichier) == "grille") {
        grille_pkg::charger(r.grille, nom, repertoire);
    } else if (campagne) {
        partie_pkg::partie p;
        p.charger_partie_campagne(repertoire, nom);
        r.grille = p.obtenir_grille();
        r.chemins_joues = partie_pkg::listes_chemin_pkg::taille_liste(p.obtenir_chemins());
    } else {
        grille_libre_pkg::grille_libre g;
        g.charger_grille_libre(repertoire, nom);
        r.grille = g.obtenir_grille();
    }
    return r;
}

}  // namespace chargement_fichier
