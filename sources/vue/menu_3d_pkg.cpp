// Menu principal : construction, dessin et partage de la surbrillance entre souris et clavier.
#include "menu_3d_pkg.hpp"

#include "objet_texte_pkg.hpp"

#include <array>

namespace menu_3d_pkg {

namespace {
struct entree {
    const char* libelle;
    const char* evenement;
    float y;
};

// Espacées de 1,3, sauf le dernier pas (1,2).
constexpr std::array<entree, nombre_entrees> entrees{{
    {"Campagne", "jeu_campagne", 3.2f},
    {"Grilles Libres", "jeu_libre", 1.9f},
    {"Editeur", "editeur", 0.6f},
    {"Aide", "aide", -0.7f},
    {"Options musique", "musique", -2.0f},
    {"Credits", "credits", -3.3f},
    {"Quitter", "quitter", -4.5f},
}};

constexpr float profondeur = -5.0f;
} // namespace

void menu_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    auto titre = std::make_shared<objet_texte_pkg::texte_affichable>("NOVELIA TESSALINE");
    titre->definir_echelle(1.5f);
    titre->mettre_a_jour();
    titre->positionner_objet3d({0.0f, 5.0f, profondeur});
    ajouter_sous_objet(titre);

    for (const entree& e : entrees) {
        auto bouton = std::make_shared<bouton_menu_pkg::bouton_menu>();
        bouton->initialiser(e.libelle, e.evenement);
        bouton->definir_echelle(1.1f);
        bouton->positionner_objet3d({0.0f, e.y, profondeur});
        ajouter_sous_objet(bouton);
        liste_boutons_menu_pkg::ajout_fin(elements_menu_, bouton);
    }

    fond_ = std::make_shared<fond_etoile_3d::fond_etoile_3d_affichable>();
    fond_->initialiser();
    fond_->definir_echelle(3.5f);
    fond_->positionner_objet3d({0.0f, 0.0f, profondeur});
    ajouter_sous_objet(fond_);

    obtenir_entree(num_ligne_)->selection_clavier();
    est_initialise_ = true;
}

bouton_menu_pkg::classe_bouton_menu menu_affichable::obtenir_entree(int ligne) const {
    return liste_boutons_menu_pkg::obtenir_elem(elements_menu_, ligne);
}

void menu_affichable::gerer_conflit_controleur() {
    const auto entree = [this](int i) { return obtenir_entree(i); };
    const int ligne = bouton_menu_pkg::ligne_allumee_par_la_souris(entree, nombre_entrees, num_ligne_);
    if (ligne != 0) modifier_ligne_courante(ligne);
}

void menu_affichable::modifier_ligne_courante(int ligne) {
    const auto entree = [this](int i) { return obtenir_entree(i); };
    bouton_menu_pkg::changer_ligne_clavier(entree, num_ligne_, ligne);
}

void menu_affichable::afficher() {
    // Le champ d'étoiles, ajouté en dernier, est en tête des sous-objets : il est dessiné d'abord.
    preparer_affichage();
    afficher_sous_objets();
    terminer_affichage();
}

} // namespace menu_3d_pkg
