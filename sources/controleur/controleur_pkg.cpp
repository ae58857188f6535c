// Boucle principale.
#include "controleur_pkg.hpp"

#include "application_pkg.hpp"

namespace controleur_pkg {

boucle_principale::boucle_principale(file_evenements_pkg::file_evenements& file, const horloge_pkg::horloge& horloge,
                                     programme& le_programme)
    : file_(file), horloge_(horloge), programme_(le_programme) {}

void boucle_principale::passe() {
    // Les événements nommés poussés pendant le traitement reviennent dans cette même passe.
    while (auto evenement = file_.scruter()) {
        switch (evenement->type) {
        case evenement_pkg::DEMANDE_QUITTER: programme_.quitter(); break;
        case evenement_pkg::REDIMENSIONNEMENT: scene_pkg::redimensionnement(*evenement); break;
        default:
            programme_.traiter(*evenement);
            ecran_modifie_ = true;
            break;
        }
    }
    verifier_affichage();
}

void boucle_principale::verifier_affichage() {
    const horloge_pkg::duree maintenant = horloge_.maintenant();
    if (echeance_animation_ && maintenant >= *echeance_animation_) ecran_modifie_ = true;
    if (!ecran_modifie_ || maintenant - dernier_affichage_ <= intervalle_affichage) return;
    // Effacé avant de dessiner : ce qui arrive pendant le dessin demande l'image suivante.
    ecran_modifie_ = false;
    programme_.dessiner();
    dernier_affichage_ = horloge_.maintenant();
    // L'écran vient d'être dessiné : il sait ce qui bouge encore, et quand.
    const objet_3d_pkg::delai_image delai = programme_.delai_prochaine_image();
    echeance_animation_.reset();
    if (delai) echeance_animation_ = dernier_affichage_ + *delai;
}

void boucle_principale::attendre() {
    if (!ecran_modifie_) {
        if (!echeance_animation_) {
            file_.attendre(std::nullopt);
            return;
        }
        const horloge_pkg::duree reste = *echeance_animation_ - horloge_.maintenant();
        if (reste > horloge_pkg::duree::zero()) file_.attendre(reste);
        return;
    }
    // L'image est due dès que strictement plus de 25 ms sont passées.
    const horloge_pkg::duree echeance = dernier_affichage_ + intervalle_affichage + horloge_pkg::duree(1);
    const horloge_pkg::duree reste = echeance - horloge_.maintenant();
    if (reste > horloge_pkg::duree::zero()) file_.attendre(reste);
}

void boucle_principale::executer() {
    while (!programme_.est_termine()) {
        passe();
        if (!programme_.est_termine()) attendre();
    }
}

void tessaline(scene_pkg::fenetre& la_fenetre, file_evenements_pkg::file_evenements& file) {
    scene_pkg::initialiser_fenetre(la_fenetre);
    const horloge_pkg::horloge& horloge = horloge_pkg::horloge_systeme();
    application_pkg::application application;
    application_pkg::installer_modes(application, {.modes = application,
                                                   .file = file,
                                                   .selection = recepteur_souris_pkg::selection_scene(),
                                                   .horloge = horloge});
    application.demarrer();
    boucle_principale boucle(file, horloge, application);
    boucle.executer();
}

} // namespace controleur_pkg
