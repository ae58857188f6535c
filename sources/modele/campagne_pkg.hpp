// Campagne d'un compte : dix niveaux joués dans l'ordre, sauvegardés dans le répertoire du compte.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "erreur_pkg.hpp"
#include "niveau_pkg.hpp"

namespace campagne_pkg {

DECLARER_ERREUR(ERREUR_CAMPAGNE, "CAMPAGNE_PKG.ERREUR_CAMPAGNE");
DECLARER_ERREUR(ERREUR_SCORE_DU_NIVEAU_NON_EXISTANT, "CAMPAGNE_PKG.ERREUR_SCORE_DU_NIVEAU_NON_EXISTANT");

constexpr int NOMBRE_NIVEAUX = 10;

class campagne {
public:
    // horloge : celle des chronomètres de toutes les parties, qui doit vivre autant que la campagne.
    explicit campagne(const horloge_pkg::horloge& horloge = horloge_pkg::horloge_systeme()) : horloge_(&horloge) {}

    void initialiser_campagne();
    void definir_nom(const std::string& n) { nom_session = n; }
    std::string obtenir_nom() const { return nom_session; }

    // Écrit les soixante parties dans le répertoire du compte, recréé s'il a disparu.
    void sauvegarder_campagne() const;
    // Vrai si le répertoire du compte tient au moins un fichier de sauvegarde de la campagne.
    bool sauvegarde_existe() const;
    // Le niveau courant devient le premier qui n'est pas fini ; si les dix le sont, il reste le
    // dixième et la campagne est finie.
    void charger_campagne();

    niveau_pkg::niveau_ptr obtenir_niveau_courant() const;
    int obtenir_numero_niveau_courant() const { return numero_courant; }
    bool est_possible_niveau_superieur() const { return numero_courant + 1 <= NOMBRE_NIVEAUX; }
    void avancer_niveau();
    void mettre_campagne_finie() { campagne_finie = true; }
    bool est_termine() const { return campagne_finie; }
    int score_campagne() const;
    int obtenir_score_du_niveau(int niv) const;

    // Nom du niveau i : "niv" suivi de l'image de i, blanc compris.
    static std::string nom_niveau(int i);

private:
    niveau_pkg::niveau_ptr niveau_numero(int i) const;

    const horloge_pkg::horloge* horloge_;
    std::string nom_session;
    bool est_initialise = false;
    int numero_courant = 0;
    std::array<niveau_pkg::niveau_ptr, NOMBRE_NIVEAUX> les_niveaux{};
    bool campagne_finie = false;
};

using campagne_ptr = std::shared_ptr<campagne>;

}  // namespace campagne_pkg
