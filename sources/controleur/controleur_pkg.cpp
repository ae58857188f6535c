// Mode courant, changements de mode et boucle principale.
#include "controleur_pkg.hpp"

#include "controleur_editeur_pkg.hpp"
#include "controleur_libre_pkg.hpp"
#include "controleur_menu_pkg.hpp"
#include "credit_3d_pkg.hpp"
#include "controleur_jeu_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "option_son_3d_pkg.hpp"
#include "page_aide_3d_pkg.hpp"

#include <algorithm>
#include <optional>
#include <iterator>

namespace controleur_pkg {

namespace {
etat_principal etat_base = etat_principal::MENU;
bool termine = false;
bool ecran_modifie = false;
horloge_pkg::duree dernier_affichage{0};
std::optional<horloge_pkg::duree> delai_demande;
std::optional<horloge_pkg::duree> echeance_demandee;

// Ce que fait chaque mode ; nul quand il n'a rien à faire à ce moment-là.
struct actions_mode {
    etat_principal mode;
    void (*dessiner)() = nullptr;
    void (*entrer)() = nullptr;
    void (*sortir)() = nullptr;
};

// Une ligne par mode, dans l'ordre de etat_principal : un nouveau mode s'ajoute ici seulement.
// Grilles libres et pages activent leurs récepteurs à leur dessin, d'où l'absence d'action d'entrée. La campagne
// relance le chronomètre de sa grille en arrivant du menu et l'arrête en y retournant.
constexpr actions_mode modes[] = {
    {.mode = etat_principal::MENU,
     .dessiner = controleur_menu_pkg::menu,
     .entrer = controleur_menu_pkg::activer,
     .sortir = controleur_menu_pkg::desactiver},
    {.mode = etat_principal::JEU,
     .dessiner = controleur_jeu_pkg::jeu,
     .entrer = controleur_jeu_pkg::entrer,
     .sortir = controleur_jeu_pkg::sortir},
    {.mode = etat_principal::LIBRE,
     .dessiner = controleur_libre_pkg::libre,
     .sortir = controleur_libre_pkg::desactiver},
    {.mode = etat_principal::AIDE, .dessiner = page_aide_3d_pkg::page_aide, .sortir = page_aide_3d_pkg::desactiver},
    {.mode = etat_principal::SON, .dessiner = option_son_3d_pkg::page_option, .sortir = option_son_3d_pkg::desactiver},
    {.mode = etat_principal::CREDITS, .dessiner = credit_3d_pkg::page_credit, .sortir = credit_3d_pkg::desactiver},
    {.mode = etat_principal::EDITEUR,
     .dessiner = controleur_editeur_pkg::editeur,
     .entrer = controleur_editeur_pkg::activer,
     .sortir = controleur_editeur_pkg::desactiver},
    {.mode = etat_principal::QUITTER},
};

constexpr bool une_ligne_par_mode_dans_l_ordre() {
    for (std::size_t rang = 0; rang < std::size(modes); ++rang) {
        if (static_cast<std::size_t>(modes[rang].mode) != rang) {
            return false;
        }
    }
    return std::size(modes) == static_cast<std::size_t>(etat_principal::QUITTER) + 1;
}
static_assert(une_ligne_par_mode_dans_l_ordre(), "une ligne par mode de etat_principal, dans son ordre");

// Une valeur au-delà de l'énumération est traitée comme QUITTER : ni dessin ni action.
const actions_mode& actions(etat_principal mode) {
    return modes[std::min(static_cast<std::size_t>(mode), std::size(modes) - 1)];
}
} // namespace

void modifier_etat(etat_principal nouveau) {
    if (nouveau == etat_base) {
        return;
    }
    if (const auto sortir = actions(etat_base).sortir) {
        sortir();
    }
    if (const auto entrer = actions(nouveau).entrer) {
        entrer();
    }
    etat_base = nouveau;
}

etat_principal obtenir_etat() { return etat_base; }

void quitter() { termine = true; }
bool est_termine() { return termine; }

void modifie_ecran() { ecran_modifie = true; }

void modifie_ecran_dans(horloge_pkg::duree delai) {
    delai_demande = delai_demande ? std::min(*delai_demande, delai) : delai;
}
bool obtenir_modification() { return ecran_modifie; }

void dessiner_mode_courant() {
    const auto dessiner = actions(etat_base).dessiner;
    if (!dessiner) {
        throw ETAT_INDEFINI("mode " + std::to_string(static_cast<int>(etat_base)) + " sans dessin");
    }
    dessiner();
}

boucle_principale::boucle_principale(file_evenements_pkg::file_evenements& file, const horloge_pkg::horloge& horloge,
                                     std::function<void()> dessiner)
    : file_(file), horloge_(horloge), dessiner_(std::move(dessiner)) {}

void boucle_principale::passe() {
    // Les événements nommés poussés pendant le traitement reviennent dans cette même passe.
    while (auto evenement = file_.scruter()) {
        switch (evenement->type) {
        case evenement_pkg::DEMANDE_QUITTER: termine = true; break;
        case evenement_pkg::REDIMENSIONNEMENT: scene_pkg::redimensionnement(*evenement); break;
        default:
            gestion_evenements_pkg::traiter_evenement(*evenement);
            ecran_modifie = true;
            break;
        }
    }
    verifier_affichage();
}

void boucle_principale::prendre_demande_differee() {
    if (delai_demande) {
        const horloge_pkg::duree echeance = horloge_.maintenant() + *delai_demande;
        echeance_demandee = echeance_demandee ? std::min(*echeance_demandee, echeance) : echeance;
        delai_demande.reset();
    }
}

void boucle_principale::verifier_affichage() {
    prendre_demande_differee();
    if (echeance_demandee && horloge_.maintenant() >= *echeance_demandee) {
        ecran_modifie = true;
    }
    if (ecran_modifie && horloge_.maintenant() - dernier_affichage > intervalle_affichage) {
        // Effacé avant de dessiner : une animation qui le repose pendant le dessin demande l'image suivante.
        ecran_modifie = false;
        echeance_demandee.reset();
        dessiner_();
        dernier_affichage = horloge_.maintenant();
        prendre_demande_differee();
    }
}

void boucle_principale::attendre() {
    prendre_demande_differee();
    if (!ecran_modifie) {
        if (!echeance_demandee) {
            file_.attendre(std::nullopt);
            return;
        }
        const horloge_pkg::duree reste = *echeance_demandee - horloge_.maintenant();
        if (reste > horloge_pkg::duree::zero()) {
            file_.attendre(reste);
        }
        return;
    }
    // L'image est due dès que strictement plus de 25 ms sont passées.
    const horloge_pkg::duree echeance = dernier_affichage + intervalle_affichage + horloge_pkg::duree(1);
    const horloge_pkg::duree reste = echeance - horloge_.maintenant();
    if (reste > horloge_pkg::duree::zero()) {
        file_.attendre(reste);
    }
}

void boucle_principale::executer() {
    while (!termine) {
        passe();
        if (!termine) {
            attendre();
        }
    }
}

void tessaline(scene_pkg::fenetre& la_fenetre, file_evenements_pkg::file_evenements& file) {
    gestion_evenements_pkg::definir_file(file);
    scene_pkg::initialiser_fenetre(la_fenetre);
    static controleur_menu_pkg::recepteur_retour_menu retour_menu;
    gestion_evenements_pkg::empiler_recepteur(&retour_menu);
    controleur_menu_pkg::activer();
    controleur_menu_pkg::menu();

    const horloge_pkg::horloge_monotone horloge;
    boucle_principale boucle(file, horloge);
    boucle.executer();
}

} // namespace controleur_pkg
