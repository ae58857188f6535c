// Campagne : création des dix niveaux, reprise d'un compte, progression et score.
#include "campagne_pkg.hpp"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "fichier_xml_pkg.hpp"
#include "emplacements_pkg.hpp"

namespace campagne_pkg {

std::string campagne::nom_niveau(int i) { return "niv" + fichier_xml_pkg::image_entier(i); }

niveau_pkg::niveau_ptr campagne::niveau_numero(int i) const {
    if (i < 1 || i > NOMBRE_NIVEAUX || !les_niveaux[static_cast<std::size_t>(i - 1)]) {
        throw std::out_of_range("campagne : niveau hors de 1..10 ou campagne non initialisée");
    }
    return les_niveaux[static_cast<std::size_t>(i - 1)];
}

void campagne::initialiser_campagne() {
    if (est_initialise) throw ERREUR_CAMPAGNE("la campagne est déjà initialisée");
    for (int i = 1; i <= NOMBRE_NIVEAUX; ++i) {
        auto niveau = std::make_shared<niveau_pkg::niveau>();
        niveau->initialiser_niveau(nom_niveau(i), *horloge_);
        niveau->charger_les_six_parties_composant_le_niveau();
        les_niveaux[static_cast<std::size_t>(i - 1)] = niveau;
    }
    numero_courant = 1;
    est_initialise = true;
}

void campagne::sauvegarder_campagne() const {
    const std::string repertoire = emplacements_pkg::obtenir_session_joueur(nom_session);
    std::error_code erreur;
    std::filesystem::create_directories(repertoire, erreur);  // un échec se dira à l'écriture du premier fichier
    fichier_xml_pkg::lot_ecriture lot;
    for (int i = 1; i <= NOMBRE_NIVEAUX; ++i) {
        niveau_numero(i)->sauvegarder_les_six_parties_composant_le_niveau(repertoire, lot);
    }
    lot.valider();
}

bool campagne::sauvegarde_existe() const {
    const std::string repertoire = emplacements_pkg::obtenir_session_joueur(nom_session);
    std::error_code erreur;
    for (int i = 1; i <= NOMBRE_NIVEAUX; ++i) {
        for (int j = 1; j <= niveau_pkg::NOMBRE_PARTIES; ++j) {
            if (std::filesystem::exists(repertoire + niveau_numero(i)->nom_fichier_sauvegarde(j), erreur)) return true;
        }
    }
    return false;
}

void campagne::charger_campagne() {
    const std::string repertoire = emplacements_pkg::obtenir_session_joueur(nom_session);
    fichier_xml_pkg::nettoyer_temporaires(repertoire);
    for (int i = 1; i <= NOMBRE_NIVEAUX; ++i) {
        niveau_numero(i)->charger_les_six_parties_composant_le_niveau(repertoire);
    }
    numero_courant = 1;
    while (obtenir_niveau_courant()->est_termine()) {
        if (!est_possible_niveau_superieur()) {
            campagne_finie = true;
            break;
        }
        avancer_niveau();
    }
}

niveau_pkg::niveau_ptr campagne::obtenir_niveau_courant() const { return niveau_numero(numero_courant); }

void campagne::avancer_niveau() {
    if (est_initialise) ++numero_courant;
}

int campagne::score_campagne() const {
    if (numero_courant == 1 || !est_initialise) return 0;
    const int dernier = campagne_finie ? NOMBRE_NIVEAUX : numero_courant - 1;
    int total = 0;
    for (int i = 1; i <= dernier; ++i) total += niveau_numero(i)->score_niveau_avec_aide();
    return total;
}

int campagne::obtenir_score_du_niveau(int niv) const {
    if (niv > NOMBRE_NIVEAUX) {
        throw ERREUR_SCORE_DU_NIVEAU_NON_EXISTANT("niveau" + fichier_xml_pkg::image_entier(niv));
    }
    return niveau_numero(niv)->score_niveau_avec_aide();
}

}  // namespace campagne_pkg
