// Écran d'accueil des grilles libres : entrées au clavier et à la souris, listes des répertoires de grilles.
#include "accueil_grille_libre_3d_pkg.hpp"

#include "gestion_evenements_pkg.hpp"
#include "os_fichiers.hpp"
#include "parties_libres_pkg.hpp"
#include "piece_pkg.hpp"

#include <array>
#include <ranges>

namespace accueil_grille_libre_3d_pkg {

namespace {
const std::array<entrees_menu_pkg::description_entree, nombre_lignes> descriptions{{
    {"Charger grilles prédéfinies", "pred", 1.5f},
    {"Charger grilles personnelles", "perso", 0.0f},
    {"Supprimer grilles personnelles", "supprimer", -1.5f},
    {"Revenir au menu", "menu", -3.0f},
}};

bool dans_la_chaine(recepteur_pkg::classe_recepteur r) {
    return gestion_evenements_pkg::liste_recepteurs_pkg::existe(gestion_evenements_pkg::obtenir_chaine_recepteurs(), r);
}

void retirer(recepteur_pkg::classe_recepteur r) {
    if (dans_la_chaine(r)) gestion_evenements_pkg::supprimer_recepteur(r);
}
} // namespace

accueil_grille_libre_affichable::~accueil_grille_libre_affichable() {
    retirer(&le_recepteur_);
    retirer(&le_recepteur_souris_);
    retirer(&le_recepteur_clavier_);
    if (la_liste_pred_) la_liste_pred_->desactiver();
    if (la_liste_perso_) la_liste_perso_->desactiver();
}

void accueil_grille_libre_affichable::initialiser() {
    if (est_initialise_) return;
    la_liste_pred_ = std::make_unique<liste_deroulante_3d_pkg::liste_affichable>();
    // Chaque grille dit si elle est en cours ou résolue ; le dossier des progressions est lu pour cela, et les
    // temporaires qu'y a laissés un jeu arrêté en pleine écriture s'en vont, comme ceux des autres dossiers.
    parties_libres_pkg::nettoyer_temporaires();
    const auto etiqueteur = [](const std::string& repertoire) {
        return [repertoire](const std::string& nom) {
            return parties_libres_pkg::etiquette(nom, parties_libres_pkg::avancement_de(repertoire, nom));
        };
    };
    la_liste_pred_->initialiser(os::fichiers::repertoire_grilles(), etiqueteur(os::fichiers::repertoire_grilles()));
    la_liste_perso_ = std::make_unique<liste_deroulante_3d_pkg::liste_affichable>();
    la_liste_perso_->initialiser(os::fichiers::repertoire_grilles_personnelles(),
                                 etiqueteur(os::fichiers::repertoire_grilles_personnelles()));
    entrees_.construire(descriptions, 0.6f, -10.0f);
    // Chaque sous-objet ajouté passe en tête : le titre est le premier, les entrées suivent de haut en bas.
    for (const auto& entree : entrees_ | std::views::reverse) {
        ajouter_sous_objet(entree);
    }
    ajouter_sous_objet(piece_pkg::creer_etiquette("Choississez une action : ", affichage_texte_pkg::blanc, 0.8f,
                                                  {0.0f, 3.0f, -10.0f}));
    est_initialise_ = true;
}

liste_deroulante_3d_pkg::liste_affichable* accueil_grille_libre_affichable::liste_ouverte() const {
    switch (etat_) {
    case etat_accueil::PREDEFINI: return la_liste_pred_.get();
    case etat_accueil::LIBRE:
    case etat_accueil::SUPPRIMER: return la_liste_perso_.get();
    default: return nullptr;
    }
}

void accueil_grille_libre_affichable::changer_etat(etat_accueil e) {
    initialiser();
    if (e == etat_) return;
    etat_ = e;
    if (liste_deroulante_3d_pkg::liste_affichable* liste = liste_ouverte()) {
        liste->activer();
        desactiver_clavier();
    } else {
        la_liste_pred_->desactiver();
        la_liste_perso_->desactiver();
        activer_clavier();
    }
}

void accueil_grille_libre_affichable::mettre_a_jour() {
    if (liste_deroulante_3d_pkg::liste_affichable* liste = liste_ouverte()) {
        liste->mettre_a_jour();
    } else {
        entrees_.gerer_conflit_controleur();
    }
}

void accueil_grille_libre_affichable::mettre_a_jour_liste_perso() {
    la_liste_perso_->mettre_a_jour_liste(os::fichiers::repertoire_grilles_personnelles());
}

void accueil_grille_libre_affichable::activer_clavier() {
    if (clavier_est_actif_) return;
    gestion_evenements_pkg::empiler_recepteur(&le_recepteur_clavier_);
    clavier_est_actif_ = true;
}

void accueil_grille_libre_affichable::desactiver_clavier() {
    if (!clavier_est_actif_) return;
    gestion_evenements_pkg::supprimer_recepteur(&le_recepteur_clavier_);
    clavier_est_actif_ = false;
}

void accueil_grille_libre_affichable::desactiver() {
    if (liste_deroulante_3d_pkg::liste_affichable* liste = liste_ouverte()) liste->desactiver();
    if (!est_actif_) return;
    gestion_evenements_pkg::supprimer_recepteur(&le_recepteur_);
    gestion_evenements_pkg::supprimer_recepteur(&le_recepteur_souris_);
    // Le récepteur tient l'écran par sa racine : la relâcher évite que l'écran se garde lui-même.
    le_recepteur_souris_.definir_objet_racine(nullptr);
    est_actif_ = false;
}

void accueil_grille_libre_affichable::afficher() {
    preparer_affichage();
    if (liste_deroulante_3d_pkg::liste_affichable* liste = liste_ouverte()) {
        liste->afficher();
    } else {
        afficher_sous_objets();
    }
    terminer_affichage();
}

void activer(accueil_grille_libre_affichable& a) {
    a.initialiser();
    if (!a.est_actif_) {
        gestion_evenements_pkg::empiler_recepteur(&a.le_recepteur_);
        a.le_recepteur_souris_.definir_objet_racine(a.shared_from_this());
        gestion_evenements_pkg::empiler_recepteur(&a.le_recepteur_souris_);
        a.est_actif_ = true;
    }
    if (liste_deroulante_3d_pkg::liste_affichable* liste = a.liste_ouverte()) liste->activer();
}

} // namespace accueil_grille_libre_3d_pkg
