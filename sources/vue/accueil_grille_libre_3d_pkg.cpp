// Écran d'accueil des grilles libres : entrées au clavier et à la souris, listes des répertoires de grilles.
#include "accueil_grille_libre_3d_pkg.hpp"

#include "emplacements_pkg.hpp"
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
} // namespace

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
    la_liste_pred_->initialiser(emplacements_pkg::repertoire_grilles(), etiqueteur(emplacements_pkg::repertoire_grilles()));
    la_liste_perso_ = std::make_unique<liste_deroulante_3d_pkg::liste_affichable>();
    la_liste_perso_->initialiser(emplacements_pkg::repertoire_grilles_personnelles(),
                                 etiqueteur(emplacements_pkg::repertoire_grilles_personnelles()));
    entrees_.construire(descriptions, 0.6f, -10.0f);
    // Chaque sous-objet ajouté passe en tête : le titre est le premier, les entrées suivent de haut en bas.
    for (const auto& entree : entrees_ | std::views::reverse) {
        ajouter_sous_objet(entree);
    }
    ajouter_sous_objet(piece_pkg::creer_etiquette("Choississez une action : ", affichage_texte_pkg::blanc, 0.8f,
                                                  {0.0f, 3.0f, -10.0f}));
    // En bas, à droite du bouton « precedent » des listes ; deux fois plus loin que le cadre des écrans de jeu.
    message_->definir_echelle(1.8f);
    message_->positionner_objet3d({0.5f, -3.85f, -9.9f});
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
    etat_ = e;
}

void accueil_grille_libre_affichable::mettre_a_jour() {
    if (liste_deroulante_3d_pkg::liste_affichable* liste = liste_ouverte()) {
        liste->mettre_a_jour();
    } else {
        entrees_.gerer_conflit_controleur();
    }
}

void accueil_grille_libre_affichable::mettre_a_jour_liste_perso() {
    la_liste_perso_->mettre_a_jour_liste(emplacements_pkg::repertoire_grilles_personnelles());
}

void accueil_grille_libre_affichable::afficher() {
    preparer_affichage();
    if (liste_deroulante_3d_pkg::liste_affichable* liste = liste_ouverte()) {
        liste->afficher();
    } else {
        afficher_sous_objets();
    }
    message_->afficher();
    terminer_affichage();
}

objet_3d_pkg::delai_image accueil_grille_libre_affichable::delai_prochaine_image() const {
    return objet_3d_pkg::au_plus_tot(objet_affichable::delai_prochaine_image(), message_->delai_prochaine_image());
}

} // namespace accueil_grille_libre_3d_pkg
