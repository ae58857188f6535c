// Mode grilles libres : accueil, chargement différé de la grille choisie, coups remis au cœur de jeu.
#include "controleur_libre_pkg.hpp"

#include "bruitages_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "os_fichiers.hpp"
#include "parties_libres_pkg.hpp"
#include "scene_pkg.hpp"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace controleur_libre_pkg {

using case_simple_pkg::coordonnees;

controleur_libre::controleur_libre()
    : recepteur_accueil_(*this), recepteur_clavier_accueil_(*this), recepteur_clavier_(*this), recepteur_grille_(*this) {}

bool controleur_libre::charger_partie() {
    if (est_initialise_) return true;
    try {
        initialiser();
        return true;
    } catch (const std::exception& e) {
        std::cout << e.what() << std::endl;
        coeur_.reset();
        la_partie_.reset();
        affich_.reset();
        accueil_choisi_ = false;
        if (accueil_initialise_) changer_etat_accueil(etat_accueil::CHOIX);
        return false;
    }
}

void controleur_libre::choisir(const std::string& n, const std::string& repertoire) {
    nom_grille_ = n;
    lieu_ = repertoire;
    accueil_choisi_ = true;
    if (l_accueil_) {
        l_accueil_->desactiver();
        l_accueil_->desactiver_clavier();
    }
}

void controleur_libre::jouer(const coeur_jeu_pkg::compte_rendu& r) {
    bruitages_pkg::annoncer(r);
    if (r.valide > 0 || r.supprime > 0 || r.revelees > 0) enregistrer_progression();
    if (affich_) affich_->doit_etre_modifie();
}

bool controleur_libre::reprendre(grille_libre_pkg::grille_libre& partie) const {
    const std::string chemin = parties_libres_pkg::chemin_progression(lieu_, nom_grille_);
    std::error_code absent;
    if (!std::filesystem::exists(chemin, absent)) return false;
    try {
        partie.reprendre_progression(chemin);
        return true;
    } catch (const erreur_pkg::erreur& e) {
        std::cout << "Progression refusée, la grille recommence : " << e.what() << std::endl;
        return false;
    }
}

void controleur_libre::enregistrer_progression() {
    std::error_code erreur;
    std::filesystem::create_directories(os::fichiers::repertoire_parties_libres(), erreur);
    try {
        la_partie_->sauvegarder_progression(parties_libres_pkg::chemin_progression(lieu_, nom_grille_));
    } catch (const erreur_pkg::erreur& e) {
        std::cout << "Progression non enregistrée : " << e.what() << std::endl;
    }
}

void controleur_libre::recommencer() {
    std::error_code erreur;
    std::filesystem::remove(parties_libres_pkg::chemin_progression(lieu_, nom_grille_), erreur);
    if (erreur) std::cout << "Impossible d'effacer la progression : " << erreur.message() << std::endl;
    desactiver();
    est_initialise_ = false;
    activer();
}

void controleur_libre::libre() {
    if (accueil_choisi_ && !est_initialise_) {
        gestionnaire_texture_pkg::initialiser_jeu_textures(gestionnaire_texture_pkg::obtenir_textures());
        gestionnaire_texture_pkg::initialiser_aide_textures(gestionnaire_texture_pkg::obtenir_textures());
        charger_partie();
    }
    if (!accueil_choisi_) {
        ouvrir_accueil();
        l_accueil_->mettre_a_jour();
        scene_pkg::afficher_scene(l_accueil_);
        return;
    }
    activer();
    affich_->mettre_a_jour(obtenir_nom_grille(), obtenir_etat(), reprise_);
    scene_pkg::afficher_scene(affich_);
}

void controleur_libre::ouvrir_accueil() {
    if (!accueil_initialise_) {
        l_accueil_ = std::make_shared<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable>(
            recepteur_accueil_, recepteur_clavier_accueil_);
        l_accueil_->initialiser();
        accueil_initialise_ = true;
    }
    desactiver();
    accueil_grille_libre_3d_pkg::activer(*l_accueil_);
    if (l_accueil_->obtenir_etat_accueil() == etat_accueil::CHOIX) l_accueil_->activer_clavier();
}

void controleur_libre::activer() {
    if (!charger_partie()) return;
    recepteur_curseur_.definir_objet_racine(affich_);
    recepteurs_jeu_.activer();
}

void controleur_libre::desactiver() {
    recepteurs_jeu_.desactiver();
    if (accueil_initialise_) {
        l_accueil_->desactiver();
        l_accueil_->desactiver_clavier();
    }
}

void controleur_libre::resetlibre() {
    desactiver();
    est_initialise_ = false;
    accueil_choisi_ = false;
    accueil_initialise_ = false;
}

void controleur_libre::initialiser() {
    auto partie = std::make_shared<grille_libre_pkg::grille_libre>();
    partie->initialiser(lieu_, nom_grille_);
    reprise_ = reprendre(*partie);
    coeur_.reset();
    la_partie_ = partie;
    coeur_.emplace(*la_partie_, *la_partie_);
    affich_ = std::make_shared<grille_libre_3d_pkg::grille_libre_affichable>();
    affich_->initialiser(la_partie_, la_partie_->obtenir_chemin_aide_courant());
    est_initialise_ = true;
}

void controleur_libre::refaire_la_liste() {
    if (accueil_initialise_ && l_accueil_->est_initialise()) l_accueil_->mettre_a_jour_liste_perso();
}

std::string controleur_libre::obtenir_nom_grille() const {
    return nom_grille_.size() >= 4 ? nom_grille_.substr(0, nom_grille_.size() - 4) : nom_grille_;
}

void controleur_libre::monter() {
    if (l_accueil_) l_accueil_->monter();
}

void controleur_libre::descendre() {
    if (l_accueil_) l_accueil_->descendre();
}

int controleur_libre::obtenir_courante() const { return l_accueil_ ? l_accueil_->obtenir_ligne_courante() : 1; }

etat_accueil controleur_libre::obtenir_etat_accueil() const {
    return l_accueil_ ? l_accueil_->obtenir_etat_accueil() : etat_accueil::CHOIX;
}

void controleur_libre::changer_etat_accueil(etat_accueil e) {
    if (l_accueil_) l_accueil_->changer_etat(e);
}

void controleur_libre::lancer_jeu_pred(const std::string& n) { choisir(n, os::fichiers::repertoire_grilles()); }

void controleur_libre::choisir_compte(const std::string& n) {
    choisir(n, os::fichiers::repertoire_grilles_personnelles());
}

void controleur_libre::faire_action(const std::string& n) {
    if (obtenir_etat_accueil() == etat_accueil::SUPPRIMER) {
        supprimer_grille_perso(n);
    } else {
        choisir_compte(n);
    }
}

void controleur_libre::supprimer_grille_perso(const std::string& n) {
    // Un fichier déjà parti n'est pas une faute : la liste relue ne le montrera plus. Un effacement refusé
    // (dossier en lecture seule) est dit, et la liste relue montre le fichier toujours là.
    const std::string chemin = os::fichiers::repertoire_grilles_personnelles() + n;
    std::error_code erreur;
    std::filesystem::remove(chemin, erreur);
    if (erreur && erreur != std::errc::no_such_file_or_directory) {
        std::cout << "Impossible de supprimer " << chemin << " : " << erreur.message() << std::endl;
    }
    if (l_accueil_) l_accueil_->mettre_a_jour_liste_perso();
    changer_etat_accueil(etat_accueil::CHOIX);
}

void controleur_libre::deplacer_direction(grille_pkg::direction d) { jouer(coeur_->deplacer(d)); }

void controleur_libre::deplacer_xy(const coordonnees& les_coordonnees) {
    const coeur_jeu_pkg::compte_rendu r = coeur_->deplacer_vers(les_coordonnees);
    if (r.non_adjacente) throw ERREUR_CASE_NON_ADJACENTE();
    jouer(r);
}

void controleur_libre::valider() { jouer(coeur_->valider()); }
void controleur_libre::supprimer() { jouer(coeur_->supprimer()); }
void controleur_libre::annuler() { jouer(coeur_->annuler()); }
void controleur_libre::mettre_a_jour_etat_construction() { jouer(coeur_->mettre_a_jour_etat_construction()); }
void controleur_libre::utiliser_aide() { jouer(coeur_->utiliser_aide()); }
void controleur_libre::modifier_points_aide(int add) { la_partie_->mettre_a_jour_compteur_aide(add); }
void controleur_libre::changer_vue() { affich_->modifier_plan_vue(); }
void controleur_libre::aide_libre() { affich_->activer_desactiver_ecran_aide(); }
void controleur_libre::affiche_dock() { affich_->activer_desactiver_dock(); }

controleur_libre& controleur() {
    static controleur_libre le_controleur;
    return le_controleur;
}

void libre() { controleur().libre(); }
void ouvrir_accueil() { controleur().ouvrir_accueil(); }
void activer() { controleur().activer(); }
void desactiver() { controleur().desactiver(); }
void resetlibre() { controleur().resetlibre(); }
void initialiser() { controleur().initialiser(); }
bool est_initialiser() { return controleur().est_initialiser(); }
void refaire_la_liste() { controleur().refaire_la_liste(); }
etat obtenir_etat() { return controleur().obtenir_etat(); }
std::string obtenir_nom_grille() { return controleur().obtenir_nom_grille(); }
void monter() { controleur().monter(); }
void descendre() { controleur().descendre(); }
int obtenir_courante() { return controleur().obtenir_courante(); }
etat_accueil obtenir_etat_accueil() { return controleur().obtenir_etat_accueil(); }
void changer_etat_accueil(etat_accueil e) { controleur().changer_etat_accueil(e); }
void lancer_jeu_pred(const std::string& n) { controleur().lancer_jeu_pred(n); }
void choisir_compte(const std::string& n) { controleur().choisir_compte(n); }
void faire_action(const std::string& n) { controleur().faire_action(n); }
void supprimer_grille_perso(const std::string& n) { controleur().supprimer_grille_perso(n); }
void deplacer_direction(grille_pkg::direction d) { controleur().deplacer_direction(d); }
void deplacer_xy(const coordonnees& les_coordonnees) { controleur().deplacer_xy(les_coordonnees); }
void valider() { controleur().valider(); }
void supprimer() { controleur().supprimer(); }
void annuler() { controleur().annuler(); }
void mettre_a_jour_etat_construction() { controleur().mettre_a_jour_etat_construction(); }
void utiliser_aide() { controleur().utiliser_aide(); }
bool cases_colle(const coordonnees& case1, const coordonnees& case2) {
    return grille_pkg::direction_vers(case1, case2).has_value();
}
void modifier_points_aide(int add) { controleur().modifier_points_aide(add); }
void changer_vue() { controleur().changer_vue(); }
void aide_libre() { controleur().aide_libre(); }
void affiche_dock() { controleur().affiche_dock(); }
void recommencer() { controleur().recommencer(); }
grille_libre_pkg::grille_libre_ptr obtenir_partie() { return controleur().obtenir_partie(); }
std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> obtenir_affichage() {
    return controleur().obtenir_affichage();
}
std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> obtenir_accueil() {
    return controleur().obtenir_accueil();
}
bool accueil_est_choisi() { return controleur().accueil_est_choisi(); }
bool est_actif() { return controleur().est_actif(); }

} // namespace controleur_libre_pkg
