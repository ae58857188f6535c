// Page des options du son : libellés d'état, ligne du clavier, bascule des options.
#include "option_son_3d_pkg.hpp"

#include "gestion_evenements_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "musique_pkg.hpp"
#include "objet_texte_pkg.hpp"
#include "recepteur_clavier_option_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

namespace option_son_3d_pkg {

namespace {
std::shared_ptr<page_option_affichable> la_page;
int num_ligne = 1;
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

bouton_menu_pkg::classe_bouton_menu creer_entree(const std::string& libelle, const std::string& action, float y) {
    auto entree = std::make_shared<bouton_menu_pkg::bouton_menu>();
    entree->initialiser(libelle, action);
    entree->definir_echelle(1.0f);
    entree->positionner_objet3d({0.0f, y, -10.0f});
    return entree;
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
    element_menu1_ = creer_entree(libelle_musique(), "mmusique", 0.5f);
    ajouter_sous_objet(element_menu1_);
    element_menu2_ = creer_entree(libelle_bruitage(), "mbruitage", -2.5f);
    ajouter_sous_objet(element_menu2_);
    poser_bouton_menu();
    obtenir_entree(num_ligne)->selection_clavier();
    est_initialise_ = true;
}

bouton_menu_pkg::classe_bouton_menu page_option_affichable::obtenir_entree(int ligne) const {
    return ligne == 1 ? element_menu1_ : element_menu2_;
}

void page_option_affichable::mettre_a_jour() {
    element_menu1_->mettre_a_jour_texte(libelle_musique());
    element_menu2_->mettre_a_jour_texte(libelle_bruitage());
}

void page_option_affichable::modifier_ligne_courante(int n) {
    obtenir_entree(num_ligne)->deselection_clavier();
    num_ligne = n;
    obtenir_entree(num_ligne)->selection_clavier();
}

void page_option_affichable::gerer_conflit_controleur() {
    const int autre = num_ligne == 1 ? 2 : 1;
    if (obtenir_entree(autre)->est_surbrillant()) {
        modifier_ligne_courante(autre);
    }
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
    la_page->gerer_conflit_controleur();
    page_3d_pkg::afficher_page(la_page);
}

void activer() { recepteurs.activer(); }
void desactiver() { recepteurs.desactiver(); }
bool est_actif() { return recepteurs.est_actif(); }

void monter() {
    if (num_ligne != 1 && la_page) {
        la_page->modifier_ligne_courante(num_ligne - 1);
    }
}

void descendre() {
    if (num_ligne != 2 && la_page) {
        la_page->modifier_ligne_courante(num_ligne + 1);
    }
}

int obtenir_courante() { return num_ligne; }

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
