// Page des options du son : libellés d'état, ligne du clavier, bascule des options.
#include "option_son_3d_pkg.hpp"

#include "gestion_evenements_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "musique_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "recepteur_clavier_option_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <array>

namespace option_son_3d_pkg {

namespace {
std::shared_ptr<page_option_affichable> la_page;
constexpr int ligne_musique = 1;
constexpr int ligne_bruitage = 2;
recepteur_option le_recepteur;
recepteur_souris_pkg::recepteur_souris souris;
recepteur_clavier_option_pkg::recepteur_clavier_option le_recepteur_clavier;
// Le clavier est consulté le premier.
groupe_recepteurs_pkg::groupe_recepteurs recepteurs{&le_recepteur_clavier, &souris, &le_recepteur};

std::string libelle_musique() {
    return std::string("Musique : ") + (musique_pkg::musique_est_actif() ? "activée" : "désactivée");
}

std::string libelle_bruitage() {
    return std::string("Bruitage : ") + (musique_pkg::bruitage_est_actif() ? "activé" : "désactivé");
}
} // namespace

void page_option_affichable::initialiser() {
    if (est_initialise_) {
        return;
    }
    auto titre = std::make_shared<objet_texte_pkg::texte_affichable>("Options sons : ");
    titre->definir_echelle(2.0f);
    titre->positionner_objet3d({0.0f, 4.0f, -10.0f});
    titre->mettre_a_jour();
    ajouter_sous_objet(titre);
    const std::array<entrees_menu_pkg::description_entree, 2> descriptions{{
        {libelle_musique(), "mmusique", 0.5f},
        {libelle_bruitage(), "mbruitage", -2.5f},
    }};
    entrees_.construire(descriptions, 1.0f, -10.0f);
    for (const auto& entree : entrees_) {
        ajouter_sous_objet(entree);
    }
    poser_bouton_menu();
    est_initialise_ = true;
}

void page_option_affichable::mettre_a_jour() {
    entrees_.obtenir_entree(ligne_musique)->mettre_a_jour_texte(libelle_musique());
    entrees_.obtenir_entree(ligne_bruitage)->mettre_a_jour_texte(libelle_bruitage());
}

bool recepteur_option::accepter(evenement_pkg::evenement& evenement) {
    const std::string nom = gestion_evenements_pkg::obtenir_nom_evenement(evenement);
    if (nom == "mmusique") {
        basculer_musique();
        return true;
    }
    if (nom == "mbruitage") {
        basculer_bruitage();
        return true;
    }
    return false;
}

void page_option() {
    if (!la_page) {
        la_page = std::make_shared<page_option_affichable>();
        la_page->initialiser();
        souris.definir_objet_racine(la_page);
    }
    activer();
    la_page->mettre_a_jour();
    la_page->entrees().gerer_conflit_controleur();
    page_3d_pkg::afficher_page(la_page);
}

void activer() { recepteurs.activer(); }
void desactiver() { recepteurs.desactiver(); }
bool est_actif() { return recepteurs.est_actif(); }

void monter() {
    if (la_page) la_page->entrees().monter();
}

void descendre() {
    if (la_page) la_page->entrees().descendre();
}

// La page est gardée pour toute la partie : sa ligne survit d'une visite à l'autre.
int obtenir_courante() { return la_page ? la_page->entrees().obtenir_ligne_courante() : ligne_musique; }

void basculer_musique() {
    if (musique_pkg::musique_est_actif()) {
        musique_pkg::stop_musique_menu();
    }
    musique_pkg::modifier_musique(!musique_pkg::musique_est_actif());
    musique_pkg::musique_menu();
}

void basculer_bruitage() { musique_pkg::modifier_bruitage(!musique_pkg::bruitage_est_actif()); }

std::shared_ptr<page_option_affichable> obtenir_page() { return la_page; }

} // namespace option_son_3d_pkg
