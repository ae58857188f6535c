// Sous-commande verifier : chargeur de jeu libre, de partie de campagne ou de grille seule.
#include "commande_verifier.hpp"

#include "erreur_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "grille_pkg.hpp"
#include "partie_pkg.hpp"

namespace commande_verifier {

namespace {

struct resume {
    grille_pkg::grille_ptr grille;
    int chemins_joues = 0;
};

int compter_terminales(const grille_pkg::grille& g) {
    int nombre = 0;
    for (int x = 1; x <= g.taille(); ++x) {
        for (int y = 1; y <= g.taille(); ++y) {
            if (case_terminale_pkg::est_case_terminale(g.rend_case({x, y}))) ++nombre;
        }
    }
    return nombre;
}

// Nom de la racine du document, vide s'il ne se lit pas : le chargeur choisi dira alors pourquoi.
std::string nom_racine(const std::string& fichier) {
    try {
        return fichier_xml_pkg::analyser(fichier).document_element().name();
    } catch (const erreur_pkg::erreur&) {
        return "";
    }
}

resume charger(const std::string& fichier, bool campagne) {
    // Le chargeur colle répertoire et nom : on coupe juste après le dernier séparateur.
    const std::size_t coupure = fichier.rfind('/') + 1;  // 0 sans séparateur
    const std::string repertoire = fichier.substr(0, coupure);
    const std::string nom = fichier.substr(coupure);
    resume r;
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

}  // namespace

int executer(const std::vector<std::string>& arguments, std::ostream& sortie) {
    std::string fichier;
    bool campagne = false;
    for (const auto& argument : arguments) {
        if (argument == "--campagne") campagne = true;
        else if (argument == "--libre") campagne = false;
        else if (fichier.empty() && !argument.starts_with("--")) fichier = argument;
        else {
            sortie << "usage : verifier FICHIER [--libre|--campagne]\n";
            return 2;
        }
    }
    if (fichier.empty()) {
        sortie << "usage : verifier FICHIER [--libre|--campagne]\n";
        return 2;
    }

    try {
        const resume r = charger(fichier, campagne);
        sortie << fichier << " : côté" << fichier_xml_pkg::image_entier(r.grille->taille()) << ","
               << fichier_xml_pkg::image_entier(compter_terminales(*r.grille)) << " cases terminales,"
               << fichier_xml_pkg::image_entier(
                      grille_pkg::listes_chemins::taille_liste(r.grille->obtenir_solution()))
               << " chemins solution," << fichier_xml_pkg::image_entier(r.chemins_joues) << " chemins joués\n";
        return 0;
    } catch (const erreur_pkg::erreur& e) {
        sortie << e.what() << '\n';
    } catch (const std::exception& e) {
        sortie << "ERREUR_INTERNE : " << e.what() << '\n';
    }
    return 1;
}

}  // namespace commande_verifier
