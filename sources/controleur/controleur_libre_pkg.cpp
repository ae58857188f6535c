// Mode grilles libres : accueil, chargement différé de la grille choisie, chemins, aide et bruitages.
#include "controleur_libre_pkg.hpp"

#include "case_terminale_pkg.hpp"
#include "controleur_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"
#include "musique_pkg.hpp"
#include "os_fichiers.hpp"
#include "recepteur_clavier_jeu_libre_pkg.hpp"
#include "recepteur_grille_libre_pkg.hpp"
#include "recepteur_souris_pkg.hpp"
#include "scene_pkg.hpp"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace controleur_libre_pkg {

namespace {
using case_simple_pkg::coordonnees;
using grille_pkg::direction;

etat etat_courant = etat::RECHERCHE;
grille_libre_pkg::grille_libre_ptr la_partie;
std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> affich;
std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> l_accueil;
std::string nom_grille;
std::string lieu;
bool est_initialise = false;
bool accueil_choisi = false;
bool accueil_initialise = false;
bruitages_demandes bruitages;

recepteur_clavier_jeu_libre_pkg::recepteur_clavier_jeu_libre recepteur_clavier;
recepteur_souris_pkg::recepteur_souris recepteur_curseur;
recepteur_grille_libre_pkg::recepteur_grille_libre recepteur_grille;
// recepteur_grille d'abord : il prend la molette et le bouton du milieu avant la souris.
groupe_recepteurs_pkg::groupe_recepteurs recepteurs_jeu{&recepteur_grille, &recepteur_curseur, &recepteur_clavier};

void son_deplacement() {
    ++bruitages.deplacement;
    musique_pkg::bruitage_deplacement();
}
void son_erreur() {
    ++bruitages.erreur;
    musique_pkg::bruitage_erreur();
}
void son_valider() {
    ++bruitages.valider;
    musique_pkg::bruitage_valider();
}

void curseur_modifie() {
    if (affich) affich->doit_etre_modifie();
}

case_simple_pkg::classe_case case_sous_curseur() {
    return la_partie->obtenir_grille()->rend_case(la_partie->obtenir_curseur());
}

// Une case terminale que personne n'occupe, ou nul.
case_terminale_pkg::case_terminale_ptr terminale_libre(const case_simple_pkg::classe_case& c) {
    if (!case_terminale_pkg::est_case_terminale(c) || c->est_occupe()) return nullptr;
    return std::dynamic_pointer_cast<case_terminale_pkg::case_terminale>(c);
}

// Case k de la solution comptée depuis l'extrémité depart (k à partir de 1).
coordonnees case_solution(const grille_pkg::chemin& solution, bool meme_sens, int k) {
    return solution.nieme_coord(meme_sens ? k : solution.longueur() - k + 1);
}

// Montre les cases 2 .. jusqu_a de la solution depuis depart, paie nb_paye cases et vide le compteur.
void reveler(const grille_pkg::chemin& solution, bool meme_sens, int jusqu_a, int nb_paye) {
    const grille_pkg::chemin_ptr aide = la_partie->obtenir_chemin_aide_courant();
    for (int k = 2; k <= std::min(jusqu_a, solution.longueur()); ++k) {
        aide->ajouter_coord(case_solution(solution, meme_sens, k));
    }
    la_partie->mettre_a_jour_compteur_aide(-la_partie->obtenir_compteur_aide());
    la_partie->mettre_a_jour_score_aide(nb_paye * -10);
}

void aide_en_recherche() {
    const auto terminale = terminale_libre(case_sous_curseur());
    if (!terminale || terminale->valeur() <= 1) return;
    affich->desactiver_ancienne_aide();
    la_partie->reinitialiser_chemin_aide(terminale);
    const grille_pkg::chemin_ptr solution = la_partie->obtenir_grille()->trouver_chemin_solution(terminale);
    const int nb = std::min(terminale->valeur() * 10 - 10, la_partie->obtenir_compteur_aide()) / 10;
    const bool meme_sens = solution->nieme_coord(1) == la_partie->obtenir_curseur();
    reveler(*solution, meme_sens, nb + 1, nb);
}

void aide_en_construction() {
    const grille_pkg::chemin_ptr courant = la_partie->obtenir_chemin_courant();
    const auto depart = courant->obtenir_premiere_case();
    affich->desactiver_ancienne_aide();
    la_partie->reinitialiser_chemin_aide(depart);
    const grille_pkg::chemin_ptr solution = la_partie->obtenir_grille()->trouver_chemin_solution(depart);
    const bool meme_sens = solution->nieme_coord(1) == courant->nieme_coord(1);
    int nb_valide = 0;
    while (nb_valide < courant->longueur() && nb_valide < solution->longueur() &&
           courant->nieme_coord(nb_valide + 1) == case_solution(*solution, meme_sens, nb_valide + 1)) {
        ++nb_valide;
    }
    const int nb = std::min((depart->valeur() - nb_valide) * 10, la_partie->obtenir_compteur_aide()) / 10;
    reveler(*solution, meme_sens, nb_valide + nb, nb);
}

// Le fichier choisi peut être cassé ou avoir disparu : le message du chargeur est écrit et l'accueil
// revient à son choix, sans rien perdre d'autre.
bool charger_partie() {
    if (est_initialise) return true;
    try {
        initialiser();
        return true;
    } catch (const std::exception& e) {
        std::cout << e.what() << std::endl;
        la_partie.reset();
        affich.reset();
        accueil_choisi = false;
        if (accueil_initialise) changer_etat_accueil(etat_accueil::CHOIX);
        return false;
    }
}

void choisir(const std::string& n, const std::string& repertoire) {
    nom_grille = n;
    lieu = repertoire;
    accueil_choisi = true;
    if (l_accueil) {
        l_accueil->desactiver();
        l_accueil->desactiver_clavier();
    }
}
} // namespace

void libre() {
    if (accueil_choisi && !est_initialise) {
        gestionnaire_texture_pkg::initialiser_jeu_textures(gestionnaire_texture_pkg::obtenir_textures());
        gestionnaire_texture_pkg::initialiser_aide_textures(gestionnaire_texture_pkg::obtenir_textures());
        charger_partie();
    }
    if (!accueil_choisi) {
        ouvrir_accueil();
        l_accueil->mettre_a_jour();
        scene_pkg::afficher_scene(l_accueil);
        return;
    }
    activer();
    affich->mettre_a_jour();
    scene_pkg::afficher_scene(affich);
}

void ouvrir_accueil() {
    if (!accueil_initialise) {
        l_accueil = std::make_shared<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable>();
        l_accueil->initialiser();
        accueil_initialise = true;
    }
    desactiver();
    accueil_grille_libre_3d_pkg::activer(*l_accueil);
    if (l_accueil->obtenir_etat_accueil() == etat_accueil::CHOIX) l_accueil->activer_clavier();
}

void activer() {
    if (!charger_partie()) return;
    recepteur_curseur.definir_objet_racine(affich);
    recepteurs_jeu.activer();
}

void desactiver() {
    recepteurs_jeu.desactiver();
    if (accueil_initialise) {
        l_accueil->desactiver();
        l_accueil->desactiver_clavier();
    }
}

void resetlibre() {
    desactiver();
    est_initialise = false;
    accueil_choisi = false;
    accueil_initialise = false;
}

void initialiser() {
    auto partie = std::make_shared<grille_libre_pkg::grille_libre>();
    partie->initialiser(lieu, nom_grille);
    la_partie = partie;
    affich = std::make_shared<grille_libre_3d_pkg::grille_libre_affichable>();
    etat_courant = etat::RECHERCHE;
    affich->initialiser(la_partie, la_partie->obtenir_chemin_aide_courant());
    est_initialise = true;
}

bool est_initialiser() { return accueil_initialise; }

void refaire_la_liste() {
    if (accueil_initialise && l_accueil->est_initialise()) l_accueil->mettre_a_jour_liste_perso();
}

etat obtenir_etat() { return etat_courant; }

std::string obtenir_nom_grille() {
    return nom_grille.size() >= 4 ? nom_grille.substr(0, nom_grille.size() - 4) : nom_grille;
}

void monter() {
    if (l_accueil && l_accueil->obtenir_ligne_courante() != 1) {
        l_accueil->modifier_ligne_courante(l_accueil->obtenir_ligne_courante() - 1);
    }
}

void descendre() {
    if (l_accueil && l_accueil->obtenir_ligne_courante() != accueil_grille_libre_3d_pkg::nombre_lignes) {
        l_accueil->modifier_ligne_courante(l_accueil->obtenir_ligne_courante() + 1);
    }
}

int obtenir_courante() { return l_accueil ? l_accueil->obtenir_ligne_courante() : 1; }

etat_accueil obtenir_etat_accueil() { return l_accueil ? l_accueil->obtenir_etat_accueil() : etat_accueil::CHOIX; }

void changer_etat_accueil(etat_accueil e) {
    if (l_accueil) l_accueil->changer_etat(e);
}

void lancer_jeu_pred(const std::string& n) { choisir(n, os::fichiers::repertoire_grilles()); }

void choisir_compte(const std::string& n) { choisir(n, os::fichiers::repertoire_grilles_personnelles()); }

void faire_action(const std::string& n) {
    if (obtenir_etat_accueil() == etat_accueil::SUPPRIMER) {
        supprimer_grille_perso(n);
    } else {
        choisir_compte(n);
    }
}

void supprimer_grille_perso(const std::string& n) {
    // Un fichier déjà parti n'est pas une faute : la liste relue ne le montrera plus.
    std::error_code ignoree;
    std::filesystem::remove(os::fichiers::repertoire_grilles_personnelles() + n, ignoree);
    if (l_accueil) l_accueil->mettre_a_jour_liste_perso();
    changer_etat_accueil(etat_accueil::CHOIX);
}

void deplacer_direction(direction d) {
    coordonnees cible = la_partie->obtenir_curseur();
    switch (d) {
    case direction::gauche: --cible.x; break;
    case direction::droite: ++cible.x; break;
    case direction::haut: ++cible.y; break;
    case direction::bas: --cible.y; break;
    }
    try {
        if (etat_courant == etat::CONSTRUCTION) {
            la_partie->obtenir_chemin_courant()->avancer(d);
            mettre_a_jour_etat_construction();
            curseur_modifie();
        }
        if (cible.x < 1 || cible.y < 1) {
            son_erreur();
            return;
        }
        la_partie->deplacer_curseur(cible);
        son_deplacement();
        curseur_modifie();
    } catch (const grille_pkg::ERREUR_CASE_HORS_LIMITE&) {
        son_erreur();
    } catch (const grille_pkg::ERREUR_PROGRESSION_INVALIDE&) {
        son_erreur();
    } catch (const grille_libre_pkg::ERREUR_CURSEUR_HORS_LIMITE&) {
        son_erreur();
    }
}

void mettre_a_jour_etat_construction() {
    try {
        const int longueur_chemin = la_partie->valider_chemin_courant();
        la_partie->mettre_a_jour_score_aide(longueur_chemin * 5);
        etat_courant = etat::RECHERCHE;
    } catch (const grille_libre_pkg::ERREUR_CHEMIN_COURANT_NON_TERMINE&) {
        etat_courant = etat::CONSTRUCTION;
    } catch (const grille_libre_pkg::ERREUR_CHEMIN_COURANT_NON_VALIDE&) {
        son_erreur();
        la_partie->annuler_chemin_courant();
        etat_courant = etat::RECHERCHE;
    }
}

void deplacer_xy(const coordonnees& les_coordonnees) {
    switch (etat_courant) {
    case etat::RECHERCHE:
        if (!la_partie->est_valide()) {
            la_partie->deplacer_curseur(les_coordonnees);
            curseur_modifie();
            son_deplacement();
        }
        return;
    case etat::CONSTRUCTION: {
        const coordonnees curseur = la_partie->obtenir_curseur();
        if (!cases_colle(curseur, les_coordonnees)) throw ERREUR_CASE_NON_ADJACENTE();
        const direction d = les_coordonnees.x == curseur.x - 1   ? direction::gauche
                            : les_coordonnees.x == curseur.x + 1 ? direction::droite
                            : les_coordonnees.y == curseur.y + 1 ? direction::haut
                                                                 : direction::bas;
        deplacer_direction(d);
        curseur_modifie();
        return;
    }
    }
    throw ERREUR_ETAT_CONTROLLEUR_INCONNU();
}

void valider() {
    if (etat_courant != etat::RECHERCHE) return;
    const auto terminale = terminale_libre(case_sous_curseur());
    if (!terminale) return;
    son_valider();
    la_partie->demarrer_chemin_courant(terminale);
    etat_courant = etat::CONSTRUCTION;
    mettre_a_jour_etat_construction();
}

void supprimer() {
    if (la_partie->est_valide()) return;
    if (etat_courant == etat::CONSTRUCTION) {
        annuler();
        return;
    }
    const case_simple_pkg::classe_case c = case_sous_curseur();
    if (!c->est_occupe()) return;
    const int longueur = la_partie->supprimer_chemin_depuis_case(c);
    la_partie->mettre_a_jour_compteur_aide(-la_partie->obtenir_compteur_aide());
    la_partie->mettre_a_jour_score_aide(longueur * -5);
}

void annuler() {
    if (etat_courant != etat::CONSTRUCTION) return;
    la_partie->annuler_chemin_courant();
    etat_courant = etat::RECHERCHE;
}

void utiliser_aide() {
    if (la_partie->obtenir_compteur_aide() < 10) return;
    try {
        if (etat_courant == etat::RECHERCHE) {
            aide_en_recherche();
        } else {
            aide_en_construction();
        }
    } catch (const grille_pkg::ERREUR_CHEMIN_SOLUTION_NON_TROUVE&) {
        // Une grille sans solution enregistrée n'a rien à dévoiler ; les points ne sont pas pris.
    }
}

bool cases_colle(const coordonnees& case1, const coordonnees& case2) {
    return std::abs(case1.x - case2.x) + std::abs(case1.y - case2.y) == 1;
}

void modifier_points_aide(int add) { la_partie->mettre_a_jour_compteur_aide(add); }
void changer_vue() { affich->modifier_plan_vue(); }
void aide_libre() { affich->activer_desactiver_ecran_aide(); }
void affiche_dock() { affich->activer_desactiver_dock(); }

grille_libre_pkg::grille_libre_ptr obtenir_partie() { return la_partie; }
std::shared_ptr<grille_libre_3d_pkg::grille_libre_affichable> obtenir_affichage() { return affich; }
std::shared_ptr<accueil_grille_libre_3d_pkg::accueil_grille_libre_affichable> obtenir_accueil() { return l_accueil; }
bool accueil_est_choisi() { return accueil_choisi; }
bool est_actif() { return recepteurs_jeu.est_actif(); }
bruitages_demandes obtenir_bruitages() { return bruitages; }

} // namespace controleur_libre_pkg
