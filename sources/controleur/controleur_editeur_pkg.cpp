// Mode éditeur : questions de l'accueil, grille construite au premier dessin, peinture, génération, sauvegarde.
#include "controleur_editeur_pkg.hpp"

#include "bruitages_pkg.hpp"
#include "controleur_libre_pkg.hpp"
#include "gestionnaire_texture_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"
#include "os_fichiers.hpp"
#include "scene_pkg.hpp"
#include "solveur_pkg.hpp"
#include "texte_utf8_pkg.hpp"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>

namespace controleur_editeur_pkg {

namespace {
// Le verdict ne doit pas retarder l'image qui suit la génération : au-delà, l'unicité reste non prouvée.
constexpr auto limite_solveur = std::chrono::milliseconds(100);

// De 1 à 4 chiffres (zéros de tête permis), dont la valeur est entre minimum et maximum.
std::optional<int> lire_nombre(const std::string& texte, int minimum, int maximum) {
    if (texte.empty() || texte.size() > 4 || !std::all_of(texte.begin(), texte.end(), [](char c) {
            return c >= '0' && c <= '9';
        })) {
        return std::nullopt;
    }
    const int valeur = std::stoi(texte);
    if (valeur < minimum || valeur > maximum) return std::nullopt;
    return valeur;
}

} // namespace

verdict juger_unicite(const grille_pkg::grille& g) {
    const solveur_pkg::resultat r = solveur_pkg::resoudre(solveur_pkg::depuis_grille(g), 2, limite_solveur);
    if (r.nombre_solutions >= 2) return verdict::plusieurs;
    return r.nombre_solutions == 1 && !r.abandon ? verdict::unique : verdict::non_prouve;
}

controleur_editeur::controleur_editeur()
    : recepteur_accueil_(*this), recepteur_clavier_(*this), recepteur_grille_(*this) {}

void controleur_editeur::editeur() {
    // Chargées une fois par contexte OpenGL ; l'appel suivant ne fait que reprendre la texture courante à zéro.
    if (intro_defini_) gestionnaire_texture_pkg::initialiser_jeu_textures(gestionnaire_texture_pkg::obtenir_textures());
    scene_pkg::afficher_scene(preparer_image());
}

objet_3d_pkg::classe_objet_affichable controleur_editeur::preparer_image() {
    if (!intro_defini_) {
        if (!intro_) {
            intro_ = std::make_shared<accueil_editeur_3d_pkg::accueil_editeur_affichable>(recepteur_accueil_);
            intro_->initialiser();
        }
        recepteurs_dessin_.desactiver();
        intro_->obtenir_ecriture().activer();
        intro_->activer();
        return intro_;
    }
    if (!lediteur_) construire_grille();
    edit_->mettre_a_jour(deplacement_possible(), {.nom_grille = nom_,
                                                  .taille = taille_,
                                                  .complexite = complexite_,
                                                  .unicite = verdict_,
                                                  .derniere_sauvegarde = sauvegarde_});
    return edit_;
}

void controleur_editeur::construire_grille() {
    lediteur_ = std::make_shared<editeur_pkg::editeur>();
    lediteur_->initialiser(taille_, nom_);
    edit_ = std::make_shared<editeur_3d_pkg::editeur_affichable>();
    edit_->initialiser(lediteur_);
    recepteur_curseur_.definir_objet_racine(edit_);
}

void controleur_editeur::activer() {
    if (!intro_defini_) return;
    recepteur_curseur_.definir_objet_racine(edit_);
    recepteurs_dessin_.activer();
}

void controleur_editeur::desactiver() {
    recepteurs_dessin_.desactiver();
    if (intro_) {
        intro_->desactiver();
        intro_->obtenir_ecriture().desactiver();
    }
}

void controleur_editeur::reset_editeur() {
    desactiver();
    intro_.reset();
    intro_defini_ = false;
    clavier_bloquer_ = false;
    lediteur_.reset();
    edit_.reset();
    recepteur_curseur_.definir_objet_racine(nullptr);
    verdict_ = verdict::aucun;
    sauvegarde_ = sauvegarde::aucune;
    derniere_glissee_.reset();
}

bool controleur_editeur::grille_existe(const std::string& n) const {
    std::string fichier;
    try {
        fichier = texte_utf8_pkg::minuscules(grille_libre_pkg::nom_fichier_grille_personnelle(n));
    } catch (const grille_libre_pkg::ERREUR_NOM_GRILLE_INVALIDE&) {
        return false;
    }
    using noms = liste_deroulante_3d_pkg::liste_comptes;
    for (auto l = liste_deroulante_3d_pkg::lire_repertoire(os::fichiers::repertoire_grilles_personnelles());
         !noms::est_vide(l); l = noms::get_suiv(l)) {
        if (texte_utf8_pkg::minuscules(noms::get_elem(l)) == fichier) return true;
    }
    return false;
}

bool controleur_editeur::nom_acceptable(const std::string& n) const {
    if (n.empty() || n.front() == ' ' || texte_utf8_pkg::nombre_caracteres(n) > nom_max) return false;
    try {
        grille_libre_pkg::nom_fichier_grille_personnelle(n);
    } catch (const grille_libre_pkg::ERREUR_NOM_GRILLE_INVALIDE&) {
        return false;
    }
    return !grille_existe(n);
}

bool controleur_editeur::retenir_nombre(const std::string& numero, int minimum, int maximum, int& valeur,
                                        demande_info suivante) {
    const auto v = lire_nombre(numero, minimum, maximum);
    if (!v) return false;
    valeur = *v;
    intro_->modifier_etat(suivante);
    return true;
}

bool controleur_editeur::retenir_reponse(const std::string& numero) {
    switch (obtenir_etat()) {
    case demande_info::QTAILLE:
        return retenir_nombre(numero, taille_min, taille_max, taille_, demande_info::QCOMPLEXITE);
    case demande_info::QCOMPLEXITE:
        return retenir_nombre(numero, complexite_min, complexite_max, complexite_, demande_info::QNOM);
    case demande_info::QNOM:
        if (!nom_acceptable(numero)) return false;
        nom_ = numero;
        intro_defini_ = true;
        return true;
    }
    return false;
}

void controleur_editeur::traiter_validation(const std::string& numero) {
    if (!intro_) return;
    const bool accepte = retenir_reponse(numero);
    afficher_ou_desafficher_erreur(!accepte);
    if (!intro_defini_) {
        rouvrir_saisie();
        return;
    }
    intro_->desactiver();
    intro_->obtenir_ecriture().desactiver();
    activer();
}

void controleur_editeur::rouvrir_saisie() {
    intro_->obtenir_ecriture().reset_texte();
    intro_->obtenir_ecriture().activer();
}

void controleur_editeur::revenir_etat_precedent() {
    if (!intro_) return;
    if (intro_->obtenir_etat() == demande_info::QCOMPLEXITE) {
        intro_->modifier_etat(demande_info::QTAILLE);
    } else if (intro_->obtenir_etat() == demande_info::QNOM) {
        intro_->modifier_etat(demande_info::QCOMPLEXITE);
    }
    afficher_ou_desafficher_erreur(false);
    rouvrir_saisie();
}

void controleur_editeur::desactiver_intro() {
    if (!intro_) return;
    intro_->obtenir_ecriture().reset_texte();
    intro_->desactiver();
}

void controleur_editeur::afficher_ou_desafficher_erreur(bool aff) {
    if (intro_) intro_->definir_mess_erreur(aff);
}

void controleur_editeur::deplacer_direction(grille_pkg::direction d) {
    if (clavier_bloquer_) return;
    const bool bouge = lediteur_->placer_curseur(grille_pkg::voisine(lediteur_->obtenir_curseur(), d));
    bruitages_pkg::annoncer({.deplace = bouge, .refuse = !bouge});
    edit_->doit_etre_modifie();
}

void controleur_editeur::deplacer_xy(const coordonnees& les_coordonnees) {
    derniere_glissee_.reset();
    if (clavier_bloquer_ || !lediteur_->placer_curseur(les_coordonnees)) return;
    bruitages_pkg::demander(bruitages_pkg::bruitage::deplacement);
    edit_->doit_etre_modifie();
}

void controleur_editeur::appuyer() {
    if (clavier_bloquer_) return;
    changer_etat_case();
    derniere_glissee_ = lediteur_->obtenir_curseur();
}

void controleur_editeur::glisser(const coordonnees& les_coordonnees) {
    if (clavier_bloquer_ || !lediteur_->obtenir_grille()->contient(les_coordonnees)) return;
    // Une case par pas, vers la case atteinte : un geste plus rapide que les images ne laisse pas de trou.
    coordonnees c = derniere_glissee_.value_or(les_coordonnees);
    while (c != les_coordonnees) {
        const int dx = les_coordonnees.x - c.x;
        const int dy = les_coordonnees.y - c.y;
        if (std::abs(dx) >= std::abs(dy)) {
            c.x += dx > 0 ? 1 : -1;
        } else {
            c.y += dy > 0 ? 1 : -1;
        }
        if (c != les_coordonnees) changer_case(c);
    }
    deplacer_xy(les_coordonnees);
    changer_etat_case();
    derniere_glissee_ = les_coordonnees;
}

void controleur_editeur::changer_case(const coordonnees& c) {
    const case_simple_pkg::classe_case la_case = lediteur_->obtenir_grille()->rend_case(c);
    if (la_case->est_occupe()) {
        la_case->liberer();
    } else {
        la_case->occuper();
    }
}

void controleur_editeur::changer_etat_case() {
    if (!clavier_bloquer_) changer_case(lediteur_->obtenir_curseur());
}

void controleur_editeur::decolorier() {
    if (!clavier_bloquer_) lediteur_->obtenir_grille()->rend_case(lediteur_->obtenir_curseur())->liberer();
}

void controleur_editeur::generer_solution() {
    if (clavier_bloquer_) return;
    if (!lediteur_->a_une_case_peinte()) {
        // Une grille sans chemin se sauvegarderait sans que le jeu libre puisse la charger : le dessin reste.
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        return;
    }
    clavier_bloquer_ = true;
    derniere_glissee_.reset();
    lediteur_->generation_des_chemins(complexite_, lediteur_->obtenir_grille());
    verdict_ = juger_unicite(*lediteur_->obtenir_grille());
    edit_->montrer_generation();
}

void controleur_editeur::sauvegarder() {
    if (!clavier_bloquer_) return;
    try {
        lediteur_->sauvegarder(nom_);
    } catch (const std::exception& e) {
        std::cout << "Sauvegarde de la grille " << nom_ << " impossible : " << e.what() << std::endl;
        sauvegarde_ = sauvegarde::echouee;
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        return;
    }
    sauvegarde_ = sauvegarde::reussie;
    if (controleur_libre_pkg::est_initialiser()) controleur_libre_pkg::refaire_la_liste();
}

void controleur_editeur::changer_vue() { edit_->modifier_plan_vue(); }
void controleur_editeur::aide_editeur() { edit_->activer_desactiver_ecran_aide(); }
void controleur_editeur::affiche_dock() { edit_->activer_desactiver_dock(); }

controleur_editeur& controleur() {
    static controleur_editeur le_controleur;
    return le_controleur;
}

void editeur() { controleur().editeur(); }
void activer() { controleur().activer(); }
void desactiver() { controleur().desactiver(); }
void reset_editeur() { controleur().reset_editeur(); }
bool deplacement_possible() { return controleur().deplacement_possible(); }
int obtenir_taille() { return controleur().obtenir_taille(); }
int obtenir_complexite() { return controleur().obtenir_complexite(); }
std::string obtenir_nom() { return controleur().obtenir_nom(); }
void traiter_validation(const std::string& numero) { controleur().traiter_validation(numero); }
void revenir_etat_precedent() { controleur().revenir_etat_precedent(); }
void desactiver_intro() { controleur().desactiver_intro(); }
void afficher_ou_desafficher_erreur(bool aff) { controleur().afficher_ou_desafficher_erreur(aff); }
demande_info obtenir_etat() { return controleur().obtenir_etat(); }
bool grille_existe(const std::string& n) { return controleur().grille_existe(n); }
void deplacer_direction(grille_pkg::direction d) { controleur().deplacer_direction(d); }
void deplacer_xy(const coordonnees& les_coordonnees) { controleur().deplacer_xy(les_coordonnees); }
void changer_etat_case() { controleur().changer_etat_case(); }
void decolorier() { controleur().decolorier(); }
void generer_solution() { controleur().generer_solution(); }
void sauvegarder() { controleur().sauvegarder(); }
void changer_vue() { controleur().changer_vue(); }
void aide_editeur() { controleur().aide_editeur(); }
void affiche_dock() { controleur().affiche_dock(); }

} // namespace controleur_editeur_pkg
