// Page d'aide de la partie libre : les touches et la règle des points d'aide.
#include "interface_libre_aide.hpp"

#include "piece_pkg.hpp"

#include <array>

namespace interface_libre_aide {

namespace {
struct ligne {
    const char* texte;
    float echelle;
    float y;
};

const std::array<ligne, nombre_lignes> lignes{{
    {">>> AIDE Partie Libre <<<", 0.25f, 1.4f},
    {"Les flèches directionnelles ou la souris permettent de se déplacer", 0.15f, 1.1f},
    {"'Espace'/'Clique Gauche' - Commence un chemin (sur une case terminale)", 0.15f, 0.8f},
    {"Si vous avez commencé un chemin, en vous déplaçant", 0.15f, 0.5f},
    {"le chemin se créé automatiquement jusqu'à validation ou non.", 0.15f, 0.35f},
    {" 'EFFACER' / Clique droit- Permet de supprimer un chemin existant ", 0.15f, 0.05f},
    {"ou annuler un chemin en cours de construction.", 0.15f, -0.1f},
    {"Les boutons '+' et '-'  - les touches + et - du clavier numériques permettent", 0.15f, -0.4f},
    {"de choisir les points d'aide à utiliser", 0.15f, -0.55f},
    {"'a' ou 'q'- Permet d'utiliser les points d'aide préalablement choisis.", 0.15f, -0.85f},
    {"Pour dévoiler 1 case valide du chemin, 10 points sont demandés.", 0.15f, -1.0f},
    {"'N' permets de lancer une nouvelle partie.", 0.15f, -1.25f},
    {"'B' permets d'abandonner une partie.", 0.15f, -1.5f},
    {"'L' - Zoom/Dezoom lorsqu'une grille est trop grande", 0.15f, -1.75f},
}};
} // namespace

void interface_libre_aide_affichable::initialiser() {
    if (est_initialise_) return;
    // Le dernier ajouté est dessiné le premier : l'ordre inverse de la table, comme voulu.
    for (const ligne& l : lignes) {
        ajouter_sous_objet(piece_pkg::creer_etiquette(l.texte, affichage_texte_pkg::blanc, l.echelle, {-0.5f, l.y, 0.0f}));
    }
    est_initialise_ = true;
}

void interface_libre_aide_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_INTERFACE_LIBRE_AIDE_NON_INITIALISE();
    preparer_affichage();
    afficher_sous_objets();
    terminer_affichage();
}

} // namespace interface_libre_aide
