// Mode campagne, phase de jeu : campagne construite au premier dessin, faces du cube, chronomètre, aide payée par
// le niveau, sauvegarde et reprise, passage au niveau suivant.
#include "controleur_jeu_pkg.hpp"

#include "bruitages_pkg.hpp"
#include "fleche_3d.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "scene_pkg.hpp"

#include <iostream>

namespace controleur_jeu_pkg {

controleur_jeu::controleur_jeu()
    : recepteur_session_(*this), recepteur_clavier_session_(*this), recepteur_clavier_(*this),
      recepteur_grille_(*this) {}

void controleur_jeu::jeu() {
    if (session_choisi_) {
        // Chargées une fois par contexte OpenGL ; les appels suivants ne font que reprendre la texture courante.
        auto& textures = gestionnaire_texture_pkg::obtenir_textures();
        gestionnaire_texture_pkg::initialiser_jeu_textures(textures);
        gestionnaire_texture_pkg::initialiser_aide_textures(textures);
    }
    scene_pkg::afficher_scene(preparer_image());
}

objet_3d_pkg::classe_objet_affichable controleur_jeu::preparer_image() {
    if (session_choisi_ && !est_initialise_) {
        try {
            initialiser();
        } catch (const std::exception& e) {
            // Sans les grilles de la campagne, il n'y a rien à jouer : retour à l'écran des comptes.
            std::cout << "Campagne impossible à construire : " << e.what() << std::endl;
            bouton_abandonner();
        }
        if (est_initialise_ && !pas_a_charge_) charger_jeu();
        pas_a_charge_ = false;
    }
    if (!session_choisi_) {
        ouvrir_session();
        la_session_->mettre_a_jour();
        return la_session_;
    }
    activer();
    camp_->mettre_a_jour(obtenir_etat());
    return camp_;
}

void controleur_jeu::initialiser() {
    auto campagne = std::make_shared<campagne_pkg::campagne>(*horloge_);
    campagne->initialiser_campagne();
    campagne->definir_nom(nom_);
    arreter_chrono();
    la_campagne_ = campagne;
    if (!camp_) camp_ = std::make_shared<campagne_3d_pkg::campagne_affichable>();
    camp_->reset_campagne();
    // Face 1 du premier niveau : un niveau neuf n'a pas encore de face courante.
    niveau_courant()->changer_partie_courante(1);
    prendre_partie_courante();
    camp_->initialiser(la_campagne_);
    fleche_3d::definir_rotation_cube(
        [this](int direction) { tourner_cube(static_cast<niveau_3d_pkg::cote_adjacent_cube>(direction)); });
    est_initialise_ = true;
}

void controleur_jeu::activer() {
    if (!est_initialise_ || la_campagne_->est_termine()) return;
    recepteur_curseur_.definir_objet_racine(camp_);
    recepteurs_jeu_.activer();
}

void controleur_jeu::desactiver() {
    recepteurs_jeu_.desactiver();
    if (la_session_) {
        la_session_->desactiver();
        la_session_->desactiver_clavier();
    }
}

void controleur_jeu::entrer() {
    if (est_initialise_) demarrer_chrono_si_en_cours();
}

void controleur_jeu::sortir() {
    arreter_chrono();
    desactiver();
    // Une campagne finie ne laisse qu'Échap : la visite suivante repart de l'écran des comptes.
    if (est_initialise_ && la_campagne_->est_termine()) bouton_abandonner();
}

void controleur_jeu::prendre_partie_courante() {
    arreter_chrono();
    la_partie_ = niveau_courant()->obtenir_partie_courante();
    coeur_.emplace(*la_partie_, *niveau_courant(), coeur_jeu_pkg::politique{.immobile_si_resolue = true});
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
    if (!est_initialise_) return;
    auto campagne = std::make_shared<campagne_pkg::campagne>(*horloge_);
    try {
        campagne->initialiser_campagne();
        campagne->definir_nom(nom_);
        // Un compte neuf n'a pas encore de sauvegarde : il commence au niveau 1, sans message.
        if (!campagne->sauvegarde_existe()) return;
        campagne->charger_campagne();
    } catch (const std::exception& e) {
        // Rien n'est remplacé tant que tout n'est pas lu : la campagne en cours reste entière.
        std::cout << "Sauvegarde du compte " << nom_ << " non chargée, la partie continue : " << e.what()
                  << std::endl;
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        return;
    }
    arreter_chrono();
    la_campagne_ = campagne;
    camp_->reset_campagne();
    prendre_partie_courante();
    camp_->initialiser(la_campagne_);
    camp_->mettre_a_jour_planete();
    // Une campagne finie ne garde que le retour au menu.
    if (la_campagne_->est_termine()) recepteurs_jeu_.desactiver();
}

void controleur_jeu::sauvegarder_jeu() {
    if (!est_initialise_) return;
    // Le passage en cours est compté avant d'écrire : une reprise ne remet pas la montre à zéro.
    const bool en_cours = la_partie_->obtenir_temps_ptr()->est_actif();
    arreter_chrono();
    try {
        la_campagne_->sauvegarder_campagne();
    } catch (const std::exception& e) {
        std::cout << "Sauvegarde impossible, la partie continue : " << e.what() << std::endl;
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
    }
    if (en_cours) la_partie_->obtenir_temps_ptr()->demarrer_chrono();
}

void controleur_jeu::bouton_nouveau() {
    arreter_chrono();
    est_initialise_ = false;
    pas_a_charge_ = true;
    desactiver();
}

void controleur_jeu::bouton_abandonner() {
    arreter_chrono();
    desactiver();
    est_initialise_ = false;
    session_choisi_ = false;
    nom_.clear();
    // L'écran des comptes sera rebâti à la prochaine visite.
    if (la_session_) la_session_->obtenir_ecriture()->desactiver();
    la_session_.reset();
}

void controleur_jeu::passer_niveau_suivant() {
    if (!est_initialise_ || la_campagne_->est_termine() || !niveau_courant()->est_termine()) return;
    sauvegarder_jeu();
    if (!la_campagne_->est_possible_niveau_superieur()) {
        la_campagne_->mettre_campagne_finie();
        desactiver();
        return;
    }
    la_campagne_->avancer_niveau();
    niveau_courant()->changer_partie_courante(1);
    prendre_partie_courante();
    camp_->changer_niveau();
    camp_->mettre_a_jour_planete();
}

void controleur_jeu::changer_partie_courante_controleur(int num) {
    if (!est_initialise_ || num < 1 || num > niveau_pkg::NOMBRE_PARTIES) return;
    if (obtenir_etat() != etat::RECHERCHE || camp_->obtenir_etat_ecran_aide() ||
        num == niveau_courant()->obtenir_numero_partie_courante()) {
        return;
    }
    niveau_courant()->changer_partie_courante(num);
    prendre_partie_courante();
}

void controleur_jeu::tourner_cube(niveau_3d_pkg::cote_adjacent_cube direction) {
    if (!est_initialise_) return;
    changer_partie_courante_controleur(
        niveau_3d_pkg::obtenir_numero_face_adjacente(niveau_courant()->obtenir_numero_partie_courante(), direction));
}

void controleur_jeu::tricher() {
    if (est_initialise_ && la_campagne_->obtenir_nom() == compte_tricheur) niveau_courant()->activer_cheat();
}

void controleur_jeu::jouer(const coeur_jeu_pkg::compte_rendu& r) {
    bruitages_pkg::annoncer(r);
    if (r.valide > 0 && la_partie_->est_valide()) arreter_chrono();
}

void controleur_jeu::deplacer_direction(grille_pkg::direction d) {
    if (est_initialise_) jouer(coeur_->deplacer(d));
}

void controleur_jeu::deplacer_xy(const case_simple_pkg::coordonnees& les_coordonnees) {
    if (!est_initialise_) return;
    const coeur_jeu_pkg::compte_rendu r = coeur_->deplacer_vers(les_coordonnees);
    if (r.non_adjacente) throw ERREUR_CASE_NON_ADJACENTE();
    jouer(r);
}

void controleur_jeu::valider() {
    if (est_initialise_) jouer(coeur_->valider());
}

void controleur_jeu::supprimer() {
    if (est_initialise_) jouer(coeur_->supprimer());
}

void controleur_jeu::annuler() {
    if (est_initialise_) jouer(coeur_->annuler());
}

void controleur_jeu::utiliser_aide() {
    if (!est_initialise_) return;
    // Les loupes de l'aide précédente partent dès qu'une nouvelle est payable.
    if (niveau_courant()->obtenir_compteur_aide() >= coeur_jeu_pkg::points_par_case_aide) {
        camp_->obtenir_niveau_3d()->desactiver_ancienne_aide();
    }
    jouer(coeur_->utiliser_aide());
}

void controleur_jeu::modifier_points_aide(int add) {
    if (est_initialise_) niveau_courant()->mettre_a_jour_compteur_aide(add);
}

void controleur_jeu::changer_vue() {
    if (est_initialise_) camp_->obtenir_niveau_3d()->changer_vue();
}

void controleur_jeu::aide_partie() {
    if (!est_initialise_) return;
    camp_->activer_desactiver_ecran_aide();
    // La page d'aide met la montre en pause ; une grille résolue ne la relance pas en la refermant.
    if (camp_->obtenir_etat_ecran_aide()) {
        arreter_chrono();
    } else {
        demarrer_chrono_si_en_cours();
    }
}

void controleur_jeu::affiche_dock() {
    if (est_initialise_) camp_->activer_desactiver_dock();
}

controleur_jeu& controleur() {
    static controleur_jeu le_controleur;
    return le_controleur;
}

void jeu() { controleur().jeu(); }
void activer() { controleur().activer(); }
void desactiver() { controleur().desactiver(); }
void entrer() { controleur().entrer(); }
void sortir() { controleur().sortir(); }
bool jeu_est_initialise() { return controleur().jeu_est_initialise(); }
partie_pkg::partie_ptr obtenir_partie_courante() { return controleur().obtenir_partie_courante(); }
etat obtenir_etat() { return controleur().obtenir_etat(); }
void changer_etat_session(etat_session e) { controleur().changer_etat_session(e); }
etat_session obtenir_etat_session() { return controleur().obtenir_etat_session(); }
void faire_action(const std::string& n) { controleur().faire_action(n); }
void charger_jeu() { controleur().charger_jeu(); }
void sauvegarder_jeu() { controleur().sauvegarder_jeu(); }
void passer_niveau_suivant() { controleur().passer_niveau_suivant(); }
void changer_partie_courante_controleur(int num) { controleur().changer_partie_courante_controleur(num); }
void tourner_cube(niveau_3d_pkg::cote_adjacent_cube direction) { controleur().tourner_cube(direction); }

} // namespace controleur_jeu_pkg
