// Mode grilles libres : accueil, chargement de la grille choisie, règles du jeu libre pour la partie en cours.
#include "controleur_libre_pkg.hpp"

#include "emplacements_pkg.hpp"
#include "parties_libres_pkg.hpp"
#include "scene_pkg.hpp"

#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>
#include <utility>

namespace controleur_libre_pkg {

namespace touches = evenement_pkg::touches;

// Les listes sont celles de l'écran : leurs récepteurs naissent et meurent avec lui.
struct controleur_libre::accueil {
    accueil(controleur_libre& libre, chaine_recepteurs_pkg::chaine_recepteurs& chaine, const mode_pkg::services& s)
        : chaine_(chaine), souris(s.file, s.selection), entrees(libre), clavier(libre), base(chaine, {&souris, &entrees}) {
        ecran->initialiser();
        souris.definir_objet_racine(ecran);
        liste_pred.emplace(ecran->obtenir_la_liste_pred(), chaine, s.file);
        liste_perso.emplace(ecran->obtenir_la_liste_perso(), chaine, s.file);
    }
    accueil(const accueil&) = delete;
    accueil& operator=(const accueil&) = delete;
    ~accueil() { fermer(); }

    // Tous ses récepteurs hors de la chaîne.
    void fermer() {
        base.desactiver();
        liste_pred->fermer();
        liste_perso->fermer();
        chaine_.retirer(&clavier);
    }
    // Ceux de son état : les entrées et la souris toujours, puis le clavier des quatre entrées ou la liste ouverte.
    void ouvrir() {
        fermer();
        base.activer();
        switch (ecran->obtenir_etat_accueil()) {
        case etat_accueil::CHOIX: chaine_.empiler(&clavier); break;
        case etat_accueil::PREDEFINI: liste_pred->ouvrir(); break;
        case etat_accueil::LIBRE:
        case etat_accueil::SUPPRIMER: liste_perso->ouvrir(); break;
        }
    }

    chaine_recepteurs_pkg::chaine_recepteurs& chaine_;
    std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> ecran =
        std::make_shared<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable>();
    recepteur_souris_pkg::recepteur_souris souris;
    recepteurs_libre_pkg::recepteur_accueil entrees;
    recepteurs_libre_pkg::recepteur_clavier_accueil clavier;
    groupe_recepteurs_pkg::groupe_recepteurs base;
    std::optional<recepteurs_liste_deroulante_pkg::recepteur_liste> liste_pred;
    std::optional<recepteurs_liste_deroulante_pkg::recepteur_liste> liste_perso;
};

controleur_libre::controleur_libre(const mode_pkg::services& s) : services_(s), partie_(*this, chaine_, s) {}

// Défini ici, où accueil est complet.
controleur_libre::~controleur_libre() = default;

std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> controleur_libre::obtenir_accueil() const {
    return accueil_ ? accueil_->ecran : nullptr;
}

void controleur_libre::entrer() {
    if (affich_) {
        partie_.activer(affich_);
    } else {
        ouvrir_accueil();
    }
}

void controleur_libre::sortir() {
    partie_.desactiver();
    if (accueil_) accueil_->fermer();
}

void controleur_libre::tic() {
    if (affich_) {
        affich_->mettre_a_jour(obtenir_nom_grille(), obtenir_etat(), reprise_);
    } else if (accueil_) {
        accueil_->ecran->mettre_a_jour();
    }
}

void controleur_libre::dessiner() {
    if (affich_) {
        scene_pkg::afficher_scene(affich_);
    } else {
        scene_pkg::afficher_scene(accueil_->ecran);
    }
}

objet_3d_pkg::delai_image controleur_libre::delai_prochaine_image() const {
    if (affich_) return affich_->delai_prochaine_image();
    return accueil_->ecran->delai_prochaine_image();
}

void controleur_libre::ouvrir_accueil() {
    if (accueil_) {
        // Une grille personnelle a pu être sauvegardée par l'éditeur entre-temps.
        accueil_->ecran->mettre_a_jour_liste_perso();
    } else {
        accueil_ = std::make_unique<accueil>(*this, chaine_, services_);
    }
    accueil_->ouvrir();
}

void controleur_libre::changer_etat_accueil(etat_accueil e) {
    if (!accueil_) return;
    accueil_->ecran->changer_etat(e);
    accueil_->ouvrir();
}

etat_accueil controleur_libre::obtenir_etat_accueil() const {
    return accueil_ ? accueil_->ecran->obtenir_etat_accueil() : etat_accueil::CHOIX;
}

void controleur_libre::monter() {
    if (accueil_) accueil_->ecran->monter();
}

void controleur_libre::descendre() {
    if (accueil_) accueil_->ecran->descendre();
}

int controleur_libre::obtenir_courante() const { return accueil_ ? accueil_->ecran->obtenir_ligne_courante() : 1; }

void controleur_libre::executer_ligne(int ligne) {
    switch (ligne) {
    case 1: changer_etat_accueil(etat_accueil::PREDEFINI); break;
    case 2: changer_etat_accueil(etat_accueil::LIBRE); break;
    case 3: changer_etat_accueil(etat_accueil::SUPPRIMER); break;
    default: revenir_au_menu(); break;
    }
}

void controleur_libre::choisir_dans_la_liste(const std::string& n) {
    switch (obtenir_etat_accueil()) {
    case etat_accueil::PREDEFINI: lancer_jeu_pred(n); break;
    case etat_accueil::SUPPRIMER: supprimer_grille_perso(n); break;
    default: choisir_perso(n); break;
    }
}

void controleur_libre::lancer_jeu_pred(const std::string& n) { choisir(n, emplacements_pkg::repertoire_grilles()); }

void controleur_libre::choisir_perso(const std::string& n) {
    choisir(n, emplacements_pkg::repertoire_grilles_personnelles());
}

void controleur_libre::choisir(const std::string& n, const std::string& repertoire) {
    nom_grille_ = n;
    lieu_ = repertoire;
    if (!charger_partie()) {
        changer_etat_accueil(etat_accueil::CHOIX);
        return;
    }
    if (accueil_) accueil_->fermer();
    partie_.activer(affich_);
}

void controleur_libre::supprimer_grille_perso(const std::string& n) {
    // Un fichier déjà parti n'est pas une faute : la liste relue ne le montrera plus. Un effacement refusé
    // (dossier en lecture seule) est dit, et la liste relue montre le fichier toujours là.
    const std::string chemin = emplacements_pkg::repertoire_grilles_personnelles() + n;
    std::error_code erreur;
    std::filesystem::remove(chemin, erreur);
    if (erreur && erreur != std::errc::no_such_file_or_directory) {
        std::cout << "Impossible de supprimer " << chemin << " : " << erreur.message() << std::endl;
        if (accueil_) {
            accueil_->ecran->montrer_message("Impossible de supprimer " + n + " : " + erreur.message(),
                                             bandeau_message_3d::gravite::erreur);
        }
    }
    if (accueil_) accueil_->ecran->mettre_a_jour_liste_perso();
    changer_etat_accueil(etat_accueil::CHOIX);
}

void controleur_libre::revenir_au_menu() { services_.modes.aller_a(mode_pkg::etat_principal::MENU); }

bool controleur_libre::charger_partie() {
    auto partie = std::make_shared<grille_libre_pkg::grille_libre>();
    try {
        partie->initialiser(lieu_, nom_grille_);
    } catch (const erreur_pkg::erreur& e) {
        // Fichier illisible, qui n'est pas une grille ou parti entre-temps : le jeu continue à l'accueil.
        std::cout << e.what() << std::endl;
        oublier_partie();
        if (accueil_) accueil_->ecran->montrer_message("Grille " + obtenir_nom_grille() + " refusée : " + e.detail(),
                                                       bandeau_message_3d::gravite::erreur);
        return false;
    }
    reprise_ = reprendre(*partie);
    partie_.arreter();
    la_partie_ = partie;
    partie_.commencer(*la_partie_, *la_partie_);
    affich_ = std::make_shared<grille_libre_3d_pkg::grille_libre_affichable>();
    affich_->initialiser(la_partie_, la_partie_->obtenir_chemin_aide_courant());
    if (std::exchange(progression_refusee_, false)) {
        affich_->montrer_message("Progression refusée : la grille recommence.", bandeau_message_3d::gravite::erreur);
    }
    return true;
}

void controleur_libre::oublier_partie() {
    partie_.arreter();
    affich_.reset();
    la_partie_.reset();
}

bool controleur_libre::reprendre(grille_libre_pkg::grille_libre& partie) {
    const std::string chemin = parties_libres_pkg::chemin_progression(lieu_, nom_grille_);
    std::error_code absent;
    if (!std::filesystem::exists(chemin, absent)) return false;
    try {
        partie.reprendre_progression(chemin);
        return true;
    } catch (const erreur_pkg::erreur& e) {
        // Une progression abîmée ou faite pour une autre grille ne bloque pas la grille : elle commence, le fichier
        // reste tel quel.
        std::cout << "Progression refusée, la grille recommence : " << e.what() << std::endl;
        progression_refusee_ = true;
        return false;
    }
}

void controleur_libre::enregistrer_progression() {
    std::error_code erreur;
    std::filesystem::create_directories(emplacements_pkg::repertoire_parties_libres(), erreur);
    try {
        la_partie_->sauvegarder_progression(parties_libres_pkg::chemin_progression(lieu_, nom_grille_));
    } catch (const erreur_pkg::erreur& e) {
        // Disque plein ou dossier en lecture seule : la partie continue, la progression précédente reste.
        std::cout << "Progression non enregistrée : " << e.what() << std::endl;
        affich_->montrer_message("Progression non enregistrée : " + e.detail(), bandeau_message_3d::gravite::erreur);
    }
}

void controleur_libre::quitter_la_grille() {
    oublier_partie();
    // Rebâti, listes relues, la grille quittée y dira où elle en est.
    accueil_.reset();
}

void controleur_libre::abandonner() {
    quitter_la_grille();
    ouvrir_accueil();
}

void controleur_libre::recommencer() {
    std::error_code erreur;
    std::filesystem::remove(parties_libres_pkg::chemin_progression(lieu_, nom_grille_), erreur);
    if (erreur) std::cout << "Impossible d'effacer la progression : " << erreur.message() << std::endl;
    if (charger_partie()) {
        partie_.activer(affich_);
    } else {
        abandonner();
    }
}

std::string controleur_libre::obtenir_nom_grille() const {
    return nom_grille_.size() >= 4 ? nom_grille_.substr(0, nom_grille_.size() - 4) : nom_grille_;
}

void controleur_libre::apres_coup(const coeur_jeu_pkg::compte_rendu& r) {
    if (r.valide > 0 || r.supprime > 0 || r.revelees > 0) enregistrer_progression();
    affich_->doit_etre_modifie();
}

bool controleur_libre::touche(std::int32_t symbole) {
    switch (symbole) {
    case touches::ECHAP:
    case 'b':
        quitter_la_grille();
        revenir_au_menu();
        return true;
    case 'n': abandonner(); return true;
    case 'r': recommencer(); return true;
    default: return false;
    }
}

bool controleur_libre::action(const evenement_pkg::evenement& evenement) {
    const std::string& nom = evenement.nom;
    if (nom == "bouton_menu") {
        revenir_au_menu();
    } else if (nom == "bouton_nouveau") {
        abandonner();
    } else if (nom == "bouton_abandonner") {
        quitter_la_grille();
        revenir_au_menu();
    } else {
        return false;
    }
    return true;
}

} // namespace controleur_libre_pkg
