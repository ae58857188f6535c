// Mode campagne, phase de jeu : campagne du compte choisi, faces du cube, chronomètre, aide payée par le niveau,
// sauvegarde et reprise, passage au niveau suivant.
#include "controleur_jeu_pkg.hpp"

#include "bruitages_pkg.hpp"
#include "fleche_3d.hpp"
#include "scene_pkg.hpp"

#include <iostream>

namespace controleur_jeu_pkg {

namespace touches = evenement_pkg::touches;

void controleur_jeu::entrer() {
    if (!la_campagne_) {
        ouvrir_session();
        return;
    }
    activer_partie();
    demarrer_chrono_si_en_cours();
}

void controleur_jeu::sortir() {
    arreter_chrono();
    partie_.desactiver();
    fermer_session();
    if (la_campagne_ && la_campagne_->est_termine()) bouton_abandonner();
}

void controleur_jeu::tic() {
    if (camp_ && la_campagne_) {
        camp_->mettre_a_jour(obtenir_etat());
    } else if (const auto session = obtenir_session()) {
        session->mettre_a_jour();
    }
}

void controleur_jeu::dessiner() {
    if (la_campagne_) {
        scene_pkg::afficher_scene(camp_);
    } else {
        scene_pkg::afficher_scene(obtenir_session());
    }
}

objet_3d_pkg::delai_image controleur_jeu::delai_prochaine_image() const {
    if (la_campagne_) return camp_->delai_prochaine_image();
    return obtenir_session()->delai_prochaine_image();
}

void controleur_jeu::revenir_au_menu() { services_.modes.aller_a(mode_pkg::etat_principal::MENU); }

void controleur_jeu::choisir_compte(const std::string& n) {
    nom_ = n;
    fermer_session();
    if (!commencer_campagne(true)) return;
    activer_partie();
}

bool controleur_jeu::commencer_campagne(bool charger) {
    campagne_pkg::campagne_ptr campagne;
    std::optional<std::string> refus;
    try {
        campagne = campagne_neuve();
        if (charger && campagne->sauvegarde_existe() && (refus = lire_sauvegarde(*campagne))) {
            // Lue à moitié, elle est jetée : une neuve la remplace, qui n'écrira pas sur les fichiers du compte.
            campagne = campagne_neuve();
        }
    } catch (const erreur_pkg::erreur& e) {
        // Sans les grilles de la campagne, il n'y a rien à jouer : retour à l'écran des comptes.
        std::cout << "Campagne impossible à construire : " << e.what() << std::endl;
        bouton_abandonner();
        ouvrir_session();
        return false;
    }
    installer_campagne(std::move(campagne));
    sauvegarde_refusee_ = refus;
    confirmer_nouveau_ = false;
    if (refus) montrer("Sauvegarde illisible : " + *refus + ". Rien ne sera écrit sur ce compte.");
    return true;
}

campagne_pkg::campagne_ptr controleur_jeu::campagne_neuve() const {
    auto campagne = std::make_shared<campagne_pkg::campagne>(services_.horloge);
    campagne->initialiser_campagne();
    campagne->definir_nom(nom_);
    return campagne;
}

std::optional<std::string> controleur_jeu::lire_sauvegarde(campagne_pkg::campagne& campagne) const {
    try {
        campagne.charger_campagne();
        return std::nullopt;
    } catch (const niveau_pkg::ERREUR_SAUVEGARDE_REFUSEE& e) {
        std::cout << "Sauvegarde du compte " << nom_ << " non chargée, la partie continue : " << e.what()
                  << std::endl;
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        return e.fichier();
    }
}

void controleur_jeu::installer_campagne(campagne_pkg::campagne_ptr campagne) {
    arreter_chrono();
    la_campagne_ = std::move(campagne);
    if (!camp_) camp_ = std::make_shared<campagne_3d_pkg::campagne_affichable>();
    camp_->reset_campagne();
    // Un niveau neuf n'a pas encore de face courante ; une campagne chargée repart, elle aussi, de la face 1.
    niveau_courant()->changer_partie_courante(1);
    prendre_partie_courante();
    camp_->initialiser(la_campagne_);
    camp_->mettre_a_jour_planete();
    // Une campagne finie ne garde que le retour au menu.
    if (la_campagne_->est_termine()) partie_.desactiver();
}

void controleur_jeu::activer_partie() {
    if (!la_campagne_ || la_campagne_->est_termine()) return;
    partie_.activer(camp_);
}

void controleur_jeu::prendre_partie_courante() {
    arreter_chrono();
    la_partie_ = niveau_courant()->obtenir_partie_courante();
    partie_.commencer(*la_partie_, *niveau_courant(), coeur_jeu_pkg::politique{.immobile_si_resolue = true});
    demarrer_chrono_si_en_cours();
}

void controleur_jeu::arreter_chrono() {
    if (la_partie_) la_partie_->obtenir_temps_ptr()->arreter_chrono();
}

void controleur_jeu::demarrer_chrono_si_en_cours() {
    // Une grille résolue garde son temps : il compte dans son score.
    const bool page_aide = camp_ && camp_->est_initialise() && camp_->obtenir_etat_ecran_aide();
    if (la_partie_ && !la_partie_->est_valide() && !page_aide) la_partie_->obtenir_temps_ptr()->demarrer_chrono();
}

void controleur_jeu::charger_jeu() {
    if (!la_campagne_) return;
    campagne_pkg::campagne_ptr campagne;
    try {
        campagne = campagne_neuve();
    } catch (const erreur_pkg::erreur& e) {
        // Les grilles livrées de la campagne manquent : la campagne en cours reste.
        std::cout << "Sauvegarde du compte " << nom_ << " non chargée, la partie continue : " << e.what()
                  << std::endl;
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        montrer("Sauvegarde non chargée : " + e.detail());
        return;
    }
    // Un compte neuf n'a pas encore de sauvegarde : rien à charger, sans message.
    if (!campagne->sauvegarde_existe()) return;
    if (const auto refus = lire_sauvegarde(*campagne)) {
        // Rien n'est remplacé tant que tout n'est pas lu : la campagne en cours reste entière. Si elle n'est pas
        // celle du compte, elle n'écrira toujours pas sur ses fichiers.
        if (sauvegarde_refusee_) sauvegarde_refusee_ = refus;
        montrer("Sauvegarde illisible : " + *refus +
                (sauvegarde_refusee_ ? ". Rien ne sera écrit sur ce compte." : ". La partie continue."));
        return;
    }
    sauvegarde_refusee_.reset();
    installer_campagne(std::move(campagne));
}

void controleur_jeu::sauvegarder_jeu() {
    if (!la_campagne_) return;
    if (sauvegarde_refusee_) {
        std::cout << "Sauvegarde refusée : " << *sauvegarde_refusee_ << " du compte " << nom_
                  << " est illisible, ses fichiers restent tels quels" << std::endl;
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        montrer("Sauvegarde refusée : " + *sauvegarde_refusee_ + " est illisible. N deux fois : recommencer ce compte.");
        return;
    }
    // Le passage en cours est compté avant d'écrire : une reprise ne remet pas la montre à zéro.
    const bool en_cours = la_partie_->obtenir_temps_ptr()->est_actif();
    arreter_chrono();
    try {
        la_campagne_->sauvegarder_campagne();
        montrer("Partie sauvegardée.", bandeau_message_3d::gravite::information);
    } catch (const erreur_pkg::erreur& e) {
        // Disque plein, dossier protégé : aucun des soixante fichiers n'est remplacé, la partie continue.
        std::cout << "Sauvegarde impossible, la partie continue : " << e.what() << std::endl;
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        montrer("Sauvegarde impossible, la partie continue : " + e.detail());
    }
    if (en_cours) la_partie_->obtenir_temps_ptr()->demarrer_chrono();
}

void controleur_jeu::bouton_nouveau() {
    if (sauvegarde_refusee_ && !confirmer_nouveau_) {
        confirmer_nouveau_ = true;
        montrer("Recommencer remplacera la sauvegarde du compte au prochain S : N pour confirmer.");
        return;
    }
    if (commencer_campagne(false)) activer_partie();
}

void controleur_jeu::montrer(const std::string& texte, bandeau_message_3d::gravite g) {
    if (camp_) camp_->montrer_message(texte, g);
}

void controleur_jeu::bouton_abandonner() {
    arreter_chrono();
    partie_.arreter();
    la_campagne_.reset();
    la_partie_.reset();
    nom_.clear();
    // L'écran des comptes sera rebâti.
    oublier_session();
}

void controleur_jeu::passer_niveau_suivant() {
    if (!la_campagne_ || la_campagne_->est_termine() || !niveau_courant()->est_termine()) return;
    sauvegarder_jeu();
    if (!la_campagne_->est_possible_niveau_superieur()) {
        la_campagne_->mettre_campagne_finie();
        partie_.desactiver();
        return;
    }
    la_campagne_->avancer_niveau();
    niveau_courant()->changer_partie_courante(1);
    prendre_partie_courante();
    camp_->changer_niveau();
    camp_->mettre_a_jour_planete();
}

void controleur_jeu::changer_partie_courante_controleur(int num) {
    if (!la_campagne_ || num < 1 || num > niveau_pkg::NOMBRE_PARTIES) return;
    if (obtenir_etat() != etat::RECHERCHE || camp_->obtenir_etat_ecran_aide() ||
        num == niveau_courant()->obtenir_numero_partie_courante()) {
        return;
    }
    niveau_courant()->changer_partie_courante(num);
    prendre_partie_courante();
}

void controleur_jeu::tourner_cube(niveau_3d_pkg::cote_adjacent_cube direction) {
    if (!la_campagne_) return;
    changer_partie_courante_controleur(
        niveau_3d_pkg::obtenir_numero_face_adjacente(niveau_courant()->obtenir_numero_partie_courante(), direction));
}

void controleur_jeu::tricher() {
    if (la_campagne_ && la_campagne_->obtenir_nom() == compte_tricheur) niveau_courant()->activer_triche();
}

void controleur_jeu::apres_coup(const coeur_jeu_pkg::compte_rendu& r) {
    confirmer_nouveau_ = false;
    if (r.valide > 0 && la_partie_->est_valide()) arreter_chrono();
}

void controleur_jeu::avant_aide() {
    // Les loupes de l'aide précédente partent dès qu'une nouvelle est payable.
    if (niveau_courant()->obtenir_compteur_aide() >= coeur_jeu_pkg::points_par_case_aide) {
        camp_->obtenir_niveau_3d()->desactiver_ancienne_aide();
    }
}

void controleur_jeu::changer_vue() { camp_->obtenir_niveau_3d()->changer_vue(); }

void controleur_jeu::basculer_page_aide() {
    camp_->activer_desactiver_ecran_aide();
    // La page d'aide met la montre en pause ; une grille résolue ne la relance pas en la refermant.
    if (camp_->obtenir_etat_ecran_aide()) {
        arreter_chrono();
    } else {
        demarrer_chrono_si_en_cours();
    }
}

void controleur_jeu::basculer_dock() { camp_->activer_desactiver_dock(); }

bool controleur_jeu::touche(std::int32_t symbole) {
    // Une confirmation ne vaut que pour la touche qui suit.
    if (symbole != 'n') confirmer_nouveau_ = false;
    if (symbole >= touches::PAVE_1 && symbole < touches::PAVE_1 + niveau_pkg::NOMBRE_PARTIES) {
        changer_partie_courante_controleur(symbole - touches::PAVE_1 + 1);
        return true;
    }
    switch (symbole) {
    case touches::ENTREE: passer_niveau_suivant(); return true;
    // Pas de sauvegarde au milieu d'un chemin : la touche passe son chemin.
    case 's':
        if (obtenir_etat() == etat::CONSTRUCTION) return false;
        sauvegarder_jeu();
        return true;
    case 'c': charger_jeu(); return true;
    case 'x': tricher(); return true;
    case 'b':
        bouton_abandonner();
        revenir_au_menu();
        return true;
    case 'n': bouton_nouveau(); return true;
    default: return false;
    }
}

bool controleur_jeu::action(const evenement_pkg::evenement& evenement) {
    const std::string& nom = evenement.nom;
    if (nom != "bouton_nouveau") confirmer_nouveau_ = false;
    if (nom == fleche_3d::action_tourner) {
        if (evenement.code < 0 || evenement.code > static_cast<int>(niveau_3d_pkg::cote_adjacent_cube::DROITE)) return false;
        tourner_cube(static_cast<niveau_3d_pkg::cote_adjacent_cube>(evenement.code));
    } else if (nom == "bouton_menu") {
        revenir_au_menu();
    } else if (nom == "bouton_abandonner") {
        bouton_abandonner();
        revenir_au_menu();
    } else if (nom == "bouton_nouveau") {
        bouton_nouveau();
    } else if (nom == "bouton_charger") {
        charger_jeu();
    } else if (nom == "bouton_sauvegarder") {
        // Pas de sauvegarde au milieu d'un chemin : l'événement passe son chemin.
        if (obtenir_etat() == etat::CONSTRUCTION) return false;
        sauvegarder_jeu();
    } else {
        return false;
    }
    return true;
}

} // namespace controleur_jeu_pkg
