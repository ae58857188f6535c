// Panneau gauche de la partie libre : trois boutons de cockpit, étiquettes inclinées le long du cadre.
#include "interface_libre_gauche_pkg.hpp"

namespace interface_libre_gauche_pkg {

namespace {
struct description {
    const char* texte;
    const char* evenement;
    float rotation_etiquette;
    float rotation_bouton;
    objet_3d_pkg::coordonnee_3d position;
};

const std::array<description, 3> descriptions{{
    {"Aide", "bouton_aide", -35.0f, 0.0f, {1.0f, 1.65f, 0.0f}},
    {"Retour", "bouton_menu", -215.0f, -107.0f, {1.0f, -1.65f, 0.0f}},
    {"Menu", "bouton_dock", -215.0f, 180.0f, {-2.25f, -1.65f, 0.0f}},
}};
} // namespace

void interface_libre_gauche_affichable::initialiser() {
    if (est_initialise_) return;
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const description& d = descriptions[i];
        boutons_[i] = std::make_shared<bouton_cockpit_3d::bouton_cockpit_3d_affichable>();
        boutons_[i]->initialiser(d.texte, d.evenement, d.rotation_etiquette);
        boutons_[i]->definir_echelle(0.8f);
        if (d.rotation_bouton != 0.0f) boutons_[i]->rotation_objet3d(d.rotation_bouton, {0.0f, 0.0f, 1.0f});
        boutons_[i]->positionner_objet3d(d.position);
    }
    est_initialise_ = true;
}

void interface_libre_gauche_affichable::afficher() {
    if (!est_initialise_) throw ERREUR_INTERFACE_LIBRE_GAUCHE_NON_INITIALISE();
    preparer_affichage();
    for (const bouton& b : boutons_) b->afficher();
    terminer_affichage();
}

} // namespace interface_libre_gauche_pkg
