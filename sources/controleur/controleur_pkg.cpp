// Mode courant, changements de mode et boucle principale.
#include "controleur_pkg.hpp"

#include "controleur_libre_pkg.hpp"
#include "controleur_menu_pkg.hpp"
#include "credit_3d_pkg.hpp"
#include "ecran_provisoire_pkg.hpp"
#include "gestion_evenements_pkg.hpp"
#include "option_son_3d_pkg.hpp"
#include "page_aide_3d_pkg.hpp"

namespace controleur_pkg {

namespace {
etat_principal etat_base = etat_principal::MENU;
bool termine = false;
bool ecran_modifie = false;
horloge_pkg::duree dernier_affichage{0};

// Les modes sans contrôleur (campagne, éditeur) n'ont encore ni récepteur ni action
// de sortie : leur écran d'attente se quitte par Échap, que le retour au menu du fond de la chaîne reçoit.
void quitter_mode(etat_principal mode) {
    switch (mode) {
    case etat_principal::MENU: controleur_menu_pkg::desactiver(); break;
    case etat_principal::LIBRE: controleur_libre_pkg::desactiver(); break;
    case etat_principal::AIDE: page_aide_3d_pkg::desactiver(); break;
    case etat_principal::SON: option_son_3d_pkg::desactiver(); break;
    case etat_principal::CREDITS: credit_3d_pkg::desactiver(); break;
    default: break;
    }
}
} // namespace

void modifier_etat(etat_principal nouveau) {
    if (nouveau == etat_base) {
        return;
    }
    quitter_mode(etat_base);
    if (nouveau == etat_principal::MENU) {
        controleur_menu_pkg::activer();
    }
    etat_base = nouveau;
}

etat_principal obtenir_etat() { return etat_base; }

void quitter() { termine = true; }
bool est_termine() { return termine; }

void modifie_ecran() { ecran_modifie = true; }
bool obtenir_modification() { return ecran_modifie; }

void dessiner_mode_courant() {
    switch (etat_base) {
    case etat_principal::MENU: controleur_menu_pkg::menu(); break;
    case etat_principal::JEU: ecran_provisoire_pkg::afficher_mode("Campagne"); break;
    case etat_principal::LIBRE: controleur_libre_pkg::libre(); break;
    case etat_principal::AIDE: page_aide_3d_pkg::page_aide(); break;
    case etat_principal::SON: option_son_3d_pkg::page_option(); break;
    case etat_principal::CREDITS: credit_3d_pkg::page_credit(); break;
    case etat_principal::EDITEUR: ecran_provisoire_pkg::afficher_mode("Editeur"); break;
    default: throw ETAT_INDEFINI("mode " + std::to_string(static_cast<int>(etat_base)) + " sans dessin");
    }
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

void boucle_principale::verifier_affichage() {
    if (ecran_modifie && horloge_.maintenant() - dernier_affichage > intervalle_affichage) {
        // Effacé avant de dessiner : une animation qui le repose pendant le dessin demande l'image suivante.
        ecran_modifie = false;
        dessiner_();
        dernier_affichage = horloge_.maintenant();
    }
}

void boucle_principale::attendre() {
    if (!ecran_modifie) {
        file_.attendre(std::nullopt);
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
