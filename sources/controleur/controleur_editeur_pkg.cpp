// Mode éditeur : questions de l'accueil, grille construite au premier dessin, peinture, génération, sauvegarde.
#include "controleur_editeur_pkg.hpp"

#include "bruitages_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "liste_deroulante_3d_pkg.hpp"
#include "emplacements_pkg.hpp"
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

controleur_editeur::controleur_editeur(const mode_pkg::services& s)
    : services_(s), recepteur_accueil_(*this), recepteur_clavier_(*this), recepteur_curseur_(s.file, s.selection),
      recepteur_grille_(*this) {}

void controleur_editeur::entrer() {
    if (edit_) {
        recepteur_curseur_.definir_objet_racine(edit_);
        recepteurs_dessin_.activer();
    } else {
        ouvrir_accueil();
    }
}

void controleur_editeur::sortir() {
    recepteurs_dessin_.desactiver();
    fermer_accueil();
}

void controleur_editeur::tic() {
    if (!edit_) return;
    edit_->mettre_a_jour(deplacement_possible(), {.nom_grille = nom_,
                                                  .taille = taille_,
                                                  .complexite = complexite_,
                                                  .unicite = verdict_,
                                                  .derniere_sauvegarde = sauvegarde_});
}

void controleur_editeur::dessiner() {
    if (edit_) {
        scene_pkg::afficher_scene(edit_);
    } else {
        scene_pkg::afficher_scene(intro_);
    }
}

objet_3d_pkg::delai_image controleur_editeur::delai_prochaine_image() const {
    return edit_ ? edit_->delai_prochaine_image() : intro_->delai_prochaine_image();
}

void controleur_editeur::ouvrir_accueil() {
    if (!intro_) {
        intro_ = std::make_shared<accueil_editeur_3d_pkg::accueil_editeur_affichable>();
        intro_->initialiser();
        saisie_.emplace(intro_->obtenir_poignee_ecriture(), chaine_, services_.file, services_.selection);
    }
    // Le récepteur des réponses devant ceux de la saisie.
    saisie_->ouvrir();
    chaine_.empiler(&recepteur_accueil_);
}

void controleur_editeur::fermer_accueil() {
    chaine_.retirer(&recepteur_accueil_);
    if (saisie_) saisie_->fermer();
}

void controleur_editeur::construire_grille() {
    lediteur_ = std::make_shared<editeur_pkg::editeur>();
    lediteur_->initialiser(taille_, nom_);
    edit_ = std::make_shared<editeur_3d_pkg::editeur_affichable>();
    edit_->initialiser(lediteur_);
    recepteur_curseur_.definir_objet_racine(edit_);
}

void controleur_editeur::oublier() {
    recepteurs_dessin_.desactiver();
    fermer_accueil();
    saisie_.reset();
    intro_.reset();
    clavier_bloquer_ = false;
    lediteur_.reset();
    edit_.reset();
    recepteur_curseur_.definir_objet_racine(nullptr);
    verdict_ = verdict::aucun;
    sauvegarde_ = sauvegarde::aucune;
    derniere_glissee_.reset();
}

void controleur_editeur::recommencer() {
    oublier();
    ouvrir_accueil();
}

void controleur_editeur::abandonner() { oublier(); }

void controleur_editeur::revenir_au_menu() { services_.modes.aller_a(mode_pkg::etat_principal::MENU); }

bool controleur_editeur::grille_existe(const std::string& n) const {
    std::string fichier;
    try {
        fichier = texte_utf8_pkg::minuscules(grille_libre_pkg::nom_fichier_grille_personnelle(n));
    } catch (const grille_libre_pkg::ERREUR_NOM_GRILLE_INVALIDE&) {
        return false;  // ce nom ne ferait pas un nom de fichier : la réponse est refusée
    }
    using noms = liste_deroulante_3d_pkg::liste_comptes;
    for (auto l = liste_deroulante_3d_pkg::lire_repertoire(emplacements_pkg::repertoire_grilles_personnelles());
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
        return false;  // ce nom ne ferait pas un nom de fichier : la réponse est refusée
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
        return true;
    }
    return false;
}

void controleur_editeur::traiter_validation(const std::string& numero) {
    if (!intro_) return;
    const bool derniere = obtenir_etat() == demande_info::QNOM;
    const bool accepte = retenir_reponse(numero);
    afficher_ou_desafficher_erreur(!accepte);
    if (!accepte || !derniere) {
        rouvrir_saisie();
        return;
    }
    fermer_accueil();
    construire_grille();
    recepteurs_dessin_.activer();
}

void controleur_editeur::rouvrir_saisie() {
    intro_->obtenir_ecriture().reset_texte();
    saisie_->ouvrir();
}

void controleur_editeur::traiter_annulation() {
    if (!intro_) return;
    switch (intro_->obtenir_etat()) {
    case demande_info::QTAILLE:
        intro_->obtenir_ecriture().reset_texte();
        fermer_accueil();
        revenir_au_menu();
        return;
    case demande_info::QCOMPLEXITE: intro_->modifier_etat(demande_info::QTAILLE); break;
    case demande_info::QNOM: intro_->modifier_etat(demande_info::QCOMPLEXITE); break;
    }
    afficher_ou_desafficher_erreur(false);
    rouvrir_saisie();
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
    } catch (const erreur_pkg::erreur& e) {
        // Disque plein, dossier protégé, nom refusé : la grille reste à sauvegarder, le panneau le dit.
        std::cout << "Sauvegarde de la grille " << nom_ << " impossible : " << e.what() << std::endl;
        sauvegarde_ = sauvegarde::echouee;
        bruitages_pkg::demander(bruitages_pkg::bruitage::erreur);
        return;
    }
    sauvegarde_ = sauvegarde::reussie;
}

void controleur_editeur::changer_vue() { edit_->modifier_plan_vue(); }
void controleur_editeur::aide_editeur() { edit_->activer_desactiver_ecran_aide(); }
void controleur_editeur::affiche_dock() { edit_->activer_desactiver_dock(); }

} // namespace controleur_editeur_pkg
