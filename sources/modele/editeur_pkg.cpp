// Modèle de l'éditeur : création de la grille peinte, curseur, génération et sauvegarde.
#include "editeur_pkg.hpp"

#include "generation_des_chemins.hpp"

namespace editeur_pkg {

void editeur::initialiser(int taille, const std::string& nom_grille) {
    auto nouvelle = std::make_shared<grille_libre_pkg::grille_libre>();
    nouvelle->initialiser(taille, nom_grille);
    grille_libre_courante = nouvelle;
    const auto grille = nouvelle->obtenir_grille();
    for (int x = 1; x <= taille; ++x) {
        for (int y = 1; y <= taille; ++y) grille->rend_case({x, y})->occuper();
    }
}

void editeur::deplacer_curseur(const case_simple_pkg::coordonnees& coordonnees_cibles) {
    try {
        grille_libre_courante->deplacer_curseur(coordonnees_cibles);
    } catch (const jeu_sur_grille_pkg::ERREUR_CURSEUR_HORS_LIMITE&) {
        throw ERREUR_CURSEUR_HORS_LIMITE();
    }
}

bool editeur::a_une_case_peinte() const {
    const auto grille = obtenir_grille();
    for (int x = 1; x <= grille->taille(); ++x) {
        for (int y = 1; y <= grille->taille(); ++y) {
            if (grille->rend_case({x, y})->est_occupe()) return true;
        }
    }
    return false;
}

void editeur::generation_des_chemins(int longueur_maximale_chemins, const grille_pkg::grille_ptr& grille_traitee) {
    aleatoire_pkg::source_horloge pourcentage_aleatoire;
    generation_des_chemins(longueur_maximale_chemins, grille_traitee, pourcentage_aleatoire);
}

void editeur::generation_des_chemins(int longueur_maximale_chemins, const grille_pkg::grille_ptr& grille_traitee,
                                     aleatoire_pkg::source_uniforme& pourcentage_aleatoire) {
    editeur_pkg::generation_des_chemins(longueur_maximale_chemins, *grille_traitee, pourcentage_aleatoire).executer();
}

void editeur::sauvegarder(const std::string& nom_grille) const { grille_libre_courante->sauvegarder_grille_libre(nom_grille); }

}  // namespace editeur_pkg
