// Page d'aide : textes de la règle, des modes et des touches communes.
#include "page_aide_3d_pkg.hpp"

#include "piece_pkg.hpp"

#include <array>

namespace page_aide_3d_pkg {

namespace {
struct ligne {
    const char* texte;
    affichage_texte_pkg::couleur_texte couleur;
    float x;
    float y;
    float echelle = 0.0f;  // 0 : l'échelle commune des lignes
};

constexpr affichage_texte_pkg::couleur_texte creme{255, 255, 225, 255};
constexpr affichage_texte_pkg::couleur_texte titre_bleu{11, 11, 230, 255};
constexpr affichage_texte_pkg::couleur_texte orange_vif{255, 80, 0, 255};
constexpr affichage_texte_pkg::couleur_texte orange{255, 148, 0, 255};
constexpr float echelle_titre = 0.25f;
// Plus petit que le titre, et assez pour que la plus longue ligne tienne dans la fenêtre avec notre police.
constexpr float echelle_texte = 0.13f;
constexpr float echelle_ligne_longue = 0.11f;

// Dans l'ordre de construction, la première ligne étant le titre de la page.
const std::array<ligne, 18> lignes{{
    {">>> AIDE <<<", creme, 0.0f, 1.9f},
    {"But : ", titre_bleu, -2.1f, 1.7f},
    {"Les cases avec des chiffres sont des cases terminales, les autres sont des cases normales.", creme, 0.0f, 1.5f},
    {"But : Il faut compléter la grille proposée en reliant 2 cases terminales ayant le même nombre.", creme, 0.0f,
     1.3f},
    {"/!\\ Il faut qu'il y ai un nombre de cases composant le chemin(cases terminales inclues)", orange_vif, 0.0f, 1.1f},
    {"égal à la valeur indiquée sur les cases terminales à relier", orange, 0.0f, 0.9f},
    {"Ex : Pour relier 2 cases de valeur '3', il faut sélectionner 3 cases OBLIGATOIREMENT ", creme, 0.0f, 0.7f},
    {"(donc une case normale entre deux cases avec un 3)", creme, 0.0f, 0.5f},
    {"Un chemin de taille 2 contient deux cases terminales '2' collés", creme, -0.4f, 0.3f},
    {"Une case terminale 1 forme un chemin a elle toutes seules, donc sélectionnez la :-) etc", creme, 0.0f, 0.1f},
    {"Jouer : ", titre_bleu, -2.2f, -0.1f},
    {"CAMPAGNE : Vous devrez créer le système solaire en résolvant 10 niveaux de 6 grilles chacuns !", creme, 0.0f,
     -0.3f},
    {"JEU LIBRE : Entrainez vous en résolvant vos propres grilles créées avec l'éditeur ou celles déjà prédéfinies",
     creme, 0.0f, -0.5f},
    {"EDITEUR : Créez vous mêmes vos grilles pour y jouer plus tard !", creme, 0.0f, -0.7f},
    {"Touches Communes :", titre_bleu, -1.95f, -0.9f},
    {"Chaque mode a une 'AIDE' disponible avec la touche 'h' ou avec le bouton AIDE dans l'interface.", creme, 0.0f,
     -1.1f},
    {"Chaque mode possède aussi un menu, accessible grâce a la touche 'd' contenant les actions principales "
     "(nouveau,charger,...)",
     creme, 0.0f, -1.3f, echelle_ligne_longue},
    {"On peut ressortir de chaque mode en appuyant sur la touche ECHAP ou le bouton Retour.", creme, 0.0f, -1.5f},
}};

} // namespace

void page_aide_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    bool titre = true;
    for (const ligne& l : lignes) {
        const float echelle = titre ? echelle_titre : l.echelle > 0.0f ? l.echelle : echelle_texte;
        ajouter_sous_objet(piece_pkg::creer_etiquette(l.texte, l.couleur, echelle, {l.x, l.y, 0.0f}));
        titre = false;
    }
    poser_bouton_menu();
    est_initialise_ = true;
}

} // namespace page_aide_3d_pkg
