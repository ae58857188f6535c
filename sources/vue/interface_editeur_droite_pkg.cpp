// Panneau droit de l'éditeur, placé dans le repère du panneau du cadre : ses lignes tiennent dans l'écran du haut.
#include "interface_editeur_droite_pkg.hpp"

#include "piece_pkg.hpp"
#include "score_3d_pkg.hpp"

namespace interface_editeur_droite_pkg {

namespace {
using affichage_texte_pkg::couleur_texte;
using affichage_texte_pkg::jaune_pale;
using affichage_texte_pkg::rouge;
using piece_pkg::creer_etiquette;

constexpr couleur_texte orange{255, 160, 40, 255};
// L'écran du haut du panneau : centré en x = 2,18, 0,78 de large entre ses bordures.
constexpr float centre = 2.18f;
constexpr float largeur = 0.78f;

objet_texte_pkg::classe_texte_affichable etiquette(const char* texte, float y) {
    return creer_etiquette(texte, rouge, 0.15f, {centre, y, 0.0f}, largeur);
}

objet_texte_pkg::classe_texte_affichable valeur(float y, float echelle = 0.2f) {
    return creer_etiquette("", jaune_pale, echelle, {centre, y, 0.0f}, largeur);
}

struct lignes_verdict {
    const char* haut;
    const char* bas;
    couleur_texte couleur;
};

lignes_verdict lignes(verdict v) {
    switch (v) {
    case verdict::unique: return {"Solution", "unique", affichage_texte_pkg::vert};
    case verdict::plusieurs: return {"Plusieurs", "solutions", orange};
    case verdict::non_prouve: return {"Unicité", "non prouvée", jaune_pale};
    case verdict::aucun: break;
    }
    return {"", "", jaune_pale};
}
} // namespace

void interface_editeur_droite_affichable::initialiser() {
    if (est_initialise_) return;
    txt_nom_ = etiquette("Nom Grille", 1.9f);
    nom_grille_ = valeur(1.7f);
    txt_taille_ = etiquette("Taille de la Grille", 1.45f);
    taille_ = valeur(1.25f);
    txt_complexite_ = etiquette("Complexité", 1.0f);
    complexite_ = valeur(0.8f);
    verdict_haut_ = valeur(0.5f, 0.16f);
    verdict_bas_ = valeur(0.33f, 0.16f);
    sauvegarde_ = valeur(0.1f, 0.13f);
    txt_zoom_ = creer_etiquette("Zoom +/-", rouge, 0.15f, {2.12f, -1.35f, 0.0f});
    bouton_zoom_ = std::make_shared<bouton_rond_3d::bouton_rond_3d_affichable>();
    bouton_zoom_->initialiser("+", "bouton_zoom");
    bouton_zoom_->definir_echelle(0.2f);
    bouton_zoom_->positionner_objet3d({2.12f, -1.55f, 0.0f});
    est_initialise_ = true;
}

void interface_editeur_droite_affichable::mettre_a_jour(const valeurs_panneau& valeurs) {
    nom_grille_->definir_texte(valeurs.nom_grille);
    const std::string cote = score_3d_pkg::image_entier(valeurs.taille);
    taille_->definir_texte(cote + " x" + cote);
    complexite_->definir_texte(score_3d_pkg::image_entier(valeurs.complexite));
    const lignes_verdict v = lignes(valeurs.unicite);
    verdict_haut_->definir_texte(v.haut);
    verdict_bas_->definir_texte(v.bas);
    verdict_haut_->definir_couleur(v.couleur);
    verdict_bas_->definir_couleur(v.couleur);
    verdict_montre_ = valeurs.unicite != verdict::aucun;
    sauvegarde_montree_ = valeurs.derniere_sauvegarde != sauvegarde::aucune;
    const bool reussie = valeurs.derniere_sauvegarde == sauvegarde::reussie;
    sauvegarde_->definir_texte(reussie ? "Sauvegardée" : "Échec sauvegarde");
    sauvegarde_->definir_couleur(reussie ? affichage_texte_pkg::vert : rouge);
    bouton_zoom_->mettre_a_jour(valeurs.zoom ? " -" : "+");
}

std::string interface_editeur_droite_affichable::obtenir_verdict() const {
    return verdict_montre_ ? verdict_haut_->obtenir_texte() + " " + verdict_bas_->obtenir_texte() : "";
}

void interface_editeur_droite_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_INTERFACE_EDITEUR_DROITE_NON_INITIALISE();
    preparer_affichage();
    for (const auto& t : {txt_nom_, nom_grille_, txt_taille_, taille_, txt_complexite_, complexite_, txt_zoom_}) {
        t->afficher();
    }
    if (verdict_montre_) {
        verdict_haut_->afficher();
        verdict_bas_->afficher();
    }
    if (sauvegarde_montree_) sauvegarde_->afficher();
    bouton_zoom_->afficher();
    terminer_affichage();
}

} // namespace interface_editeur_droite_pkg
