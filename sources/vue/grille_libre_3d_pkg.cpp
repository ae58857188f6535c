// Écran de la partie libre : sa page d'aide, son dock et son panneau droit tenu à jour.
#include "grille_libre_3d_pkg.hpp"

#include <array>

namespace grille_libre_3d_pkg {

namespace {
using interface_aide_pkg::echelle_ligne;

const std::array<interface_aide_pkg::ligne, 14> lignes_aide{{
    {">>> AIDE Partie Libre <<<", interface_aide_pkg::echelle_titre, 1.42f},
    {"Les flèches directionnelles ou la souris permettent de se déplacer", echelle_ligne, 1.12f},
    {"'Espace'/'Clique Gauche' - Commence un chemin (sur une case terminale)", echelle_ligne, 0.85f},
    {"Si vous avez commencé un chemin, en vous déplaçant", echelle_ligne, 0.58f},
    {"le chemin se créé automatiquement jusqu'à validation ou non.", echelle_ligne, 0.45f},
    {" 'EFFACER' / Clique droit- Permet de supprimer un chemin existant ", echelle_ligne, 0.18f},
    {"ou annuler un chemin en cours de construction.", echelle_ligne, 0.05f},
    {"Les boutons '+' et '-'  - les touches + et - du clavier numériques permettent", echelle_ligne, -0.22f},
    {"de choisir les points d'aide à utiliser", echelle_ligne, -0.35f},
    {"'a' ou 'q'- Permet d'utiliser les points d'aide préalablement choisis.", echelle_ligne, -0.62f},
    {"Pour dévoiler 1 case valide du chemin, 10 points sont demandés.", echelle_ligne, -0.75f},
    {"'N' permets de lancer une nouvelle partie.", echelle_ligne, -0.98f},
    {"'B' permets d'abandonner une partie.", echelle_ligne, -1.18f},
    {"'L' - Zoom/Dezoom lorsqu'une grille est trop grande", echelle_ligne, -1.38f},
}};

const std::array<ecran_cockpit_3d_pkg::bouton_dock, 2> boutons_dock{{
    {"Abandonner", "bouton_abandonner"},
    {"Nouveau", "bouton_nouveau"},
}};
} // namespace

void grille_libre_affichable::initialiser(grille_libre_pkg::grille_libre_ptr partie_modele, grille_pkg::chemin_ptr) {
    modele_ = std::move(partie_modele);
    element_droite_ = std::make_shared<interface_libre_droite_pkg::interface_libre_droite_affichable>();
    element_droite_->initialiser();
    construire(modele_, {.aide = lignes_aide, .dock = boutons_dock, .panneau_droit = element_droite_});
}

void grille_libre_affichable::mettre_a_jour(const std::string& nom_grille, coeur_jeu_pkg::etat etat_jeu) {
    grille_jouee().mettre_a_jour(modele_->obtenir_chemin_aide_courant());
    interface_libre_droite_pkg::valeurs_panneau valeurs{
        .nom_grille = nom_grille,
        .points_aide = modele_->obtenir_points_aide_partie(),
        .points_choisis = modele_->obtenir_compteur_aide(),
        .zoom = obtenir_vue() == etat_vue::ZOOM,
        .cases_restantes = std::nullopt,
    };
    if (etat_jeu == coeur_jeu_pkg::etat::CONSTRUCTION) {
        valeurs.cases_restantes = modele_->obtenir_chemin_courant()->combien_reste();
    }
    element_droite_->mettre_a_jour(valeurs);
}

void grille_libre_affichable::afficher() {
    if (!est_construit()) throw ERREUR_PARTIE_AFFICHABLE_NON_INITIALISEE();
    dessiner_cockpit();
}

} // namespace grille_libre_3d_pkg
