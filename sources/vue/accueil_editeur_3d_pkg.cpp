// Écran d'accueil de l'éditeur : les trois questions, leur étiquette alignée contre la saisie, l'erreur au-dessus.
#include "accueil_editeur_3d_pkg.hpp"

#include "piece_pkg.hpp"

namespace accueil_editeur_3d_pkg {

namespace {
using piece_pkg::creer_etiquette;

constexpr float profondeur = -10.0f;
// La saisie part de x = -2 ; les étiquettes finissent un peu avant. La fenêtre va de -5,5 à 5,5 à cette profondeur.
constexpr objet_3d_pkg::coordonnee_3d place_saisie{-2.0f, -0.5f, profondeur};
constexpr float fin_etiquette = -2.25f;
constexpr float largeur_fenetre = 10.5f;

struct description {
    const char* texte;
    const char* precision;
    const char* etiquette;
};
constexpr std::array<description, 3> descriptions{{
    {"Entrez une taille de grille ( 2 à 42 ) :", nullptr, "Taille : "},
    {"Entrez une complexité de grille ( 4 à 14 ) :", "La complexité est la longueur maximum des chemins à générer",
     "Complexité : "},
    {"Entrez un nom de sauvegarde (15 carac. max) :", nullptr, "Nom : "},
}};
} // namespace

void accueil_editeur_affichable::initialiser() {
    if (est_initialise_) return;
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const description& d = descriptions[i];
        question& q = questions_[i];
        q.texte = creer_etiquette(d.texte, affichage_texte_pkg::blanc, 0.8f, {0.0f, 2.5f, profondeur}, largeur_fenetre);
        if (d.precision != nullptr) {
            q.precision = creer_etiquette(d.precision, affichage_texte_pkg::jaune_pale, 0.4f, {0.0f, 1.9f, profondeur},
                                          largeur_fenetre);
        }
        // Mesurée, l'étiquette finit juste avant la saisie, quelle que soit sa longueur.
        q.etiquette = creer_etiquette(d.etiquette, affichage_texte_pkg::blanc, 0.6f, place_saisie);
        q.etiquette->positionner_objet3d(
            {fin_etiquette - q.etiquette->obtenir_largeur_affichee() / 2.0f, place_saisie.y, profondeur});
    }
    erreur_ = creer_etiquette("DONNEES CORROMPUES / EXISTANTES", affichage_texte_pkg::rouge, 0.6f,
                              {0.0f, 1.0f, profondeur}, largeur_fenetre);
    champ_texte_->initialiser();
    champ_texte_->positionner_objet3d(place_saisie);
    est_initialise_ = true;
}

void accueil_editeur_affichable::afficher() {
    if (!est_initialise_) return;
    preparer_affichage();
    const question& q = question_courante();
    q.texte->afficher();
    if (q.precision) q.precision->afficher();
    q.etiquette->afficher();
    if (mess_erreur_) erreur_->afficher();
    champ_texte_->afficher();
    terminer_affichage();
}

} // namespace accueil_editeur_3d_pkg
