// Sous-commande verifier : chargeur de jeu libre, de partie de campagne ou de grille seule.
#include "commande_verifier.hpp"

#include "chargement_fichier.hpp"
#include "erreur_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "solveur_pkg.hpp"

namespace commande_verifier {

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
        const auto r = chargement_fichier::charger(fichier, campagne);
        sortie << fichier << " : côté" << fichier_xml_pkg::image_entier(r.grille->taille()) << ","
               << fichier_xml_pkg::image_entier(static_cast<int>(solveur_pkg::depuis_grille(*r.grille).terminales.size())) << " cases terminales,"
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
