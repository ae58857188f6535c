// Grille jouée hors campagne (jeu libre, éditeur) : crédit d'aide et chemin d'aide, sans score ni chrono.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "coeur_jeu_pkg.hpp"
#include "erreur_pkg.hpp"
#include "jeu_sur_grille_pkg.hpp"

namespace grille_libre_pkg {

DECLARER_ERREUR(ERREUR_NOM_GRILLE_INVALIDE, "GRILLE_LIBRE_PKG.ERREUR_NOM_GRILLE_INVALIDE");
// Une progression faite pour une autre grille (côté, cases terminales ou solution) ; le message dit l'écart.
DECLARER_ERREUR(ERREUR_PROGRESSION_D_UNE_AUTRE_GRILLE, "GRILLE_LIBRE_PKG.ERREUR_PROGRESSION_D_UNE_AUTRE_GRILLE");

using listes_chemin_pkg = jeu_sur_grille_pkg::listes_chemin_pkg;

// Le crédit d'aide part d'au plus 4 410 points (42 × 42) et gagne 5 points par case validée : il reste dans
// ± dix points par case de la plus grande grille. Hors de ces bornes, une progression est refusée ; le crédit y est
// saturé en jeu, si bien que ce que le jeu écrit se relit toujours.
inline constexpr int CREDIT_AIDE_MAX = 10 * grille_pkg::TAILLE_MAXIMALE * grille_pkg::TAILLE_MAXIMALE;

// La grille libre tient elle-même son crédit d'aide : + 5 points par case d'un chemin validé, − 5 par case
// d'un chemin retiré, − 10 par case montrée par l'aide.
class grille_libre : public jeu_sur_grille_pkg::jeu_sur_grille, public coeur_jeu_pkg::compte_aide {
public:
    // Charge un fichier de grille et ouvre le crédit d'aide : (côté² / 40) × 10 points.
    void initialiser(const std::string& repertoire_de_chargement, const std::string& nom);
    // Nouvelle grille vide de ce côté, pour l'éditeur.
    void initialiser(int taille, const std::string& nom);

    // Rendent le nombre de cases du chemin validé ou retiré (0 si aucun chemin ne passe par la case).
    int valider_chemin_courant() { return valider_chemin(); }
    int supprimer_chemin_depuis_case(const case_simple_pkg::classe_case& case_du_chemin_a_supprimer) {
        return retirer_chemin_passant_par(case_du_chemin_a_supprimer);
    }

    int obtenir_points_aide_partie() const { return points_aide_partie; }
    // Saturé à ± CREDIT_AIDE_MAX.
    void mettre_a_jour_score_aide(int add) {
        points_aide_partie = static_cast<int>(
            std::clamp<long long>(static_cast<long long>(points_aide_partie) + add, -CREDIT_AIDE_MAX, CREDIT_AIDE_MAX));
    }
    int obtenir_compteur_aide() const override { return compteur_aide; }
    // Au-delà du crédit ou sous 1, le compteur retombe à 0.
    void mettre_a_jour_compteur_aide(int add) override;
    void vider_compteur_aide() override { compteur_aide = 0; }
    grille_pkg::chemin_ptr obtenir_chemin_aide_courant() const override { return chemin_aide; }
    void reinitialiser_chemin_aide(const case_simple_pkg::classe_case& premiere_case) override;
    bool aide_est_initialise() const { return aide_initialise; }
    void payer_aide(int cases_revelees) override {
        mettre_a_jour_score_aide(-coeur_jeu_pkg::points_par_case_aide * cases_revelees);
    }
    void compter_chemin_valide(int cases) override { mettre_a_jour_score_aide(5 * cases); }
    void compter_chemin_supprime(int cases) override { mettre_a_jour_score_aide(-5 * cases); }

    // Tout est lu avant de remplacer quoi que ce soit : un fichier refusé laisse la grille intacte.
    void charger_grille_libre(const std::string& repertoire_de_chargement, const std::string& nom_partie);
    // Document d'une grille personnelle : "partie" avec "aide" et "score" nuls autour de la grille.
    pugi::xml_node grille_libre_xml(pugi::xml_node parent) const;
    // Grille personnelle : nom sans blancs, suivi de ".xml", dans le répertoire des grilles personnelles.
    void sauvegarder_grille_libre(const std::string& nom_grille) const;

    // Où en est la partie : la grille, les chemins validés, le crédit d'aide et, une fois la grille finie,
    // "resolue" (pour qui lit le fichier : le jeu, lui, regarde les chemins). Écrite en entier ou pas du tout ;
    // ERREUR_ECRITURE_FICHIER si le disque refuse.
    void sauvegarder_progression(const std::string& chemin) const;
    // Reprend une progression écrite par sauvegarder_progression pour la grille chargée, et pour elle seule
    // (ERREUR_PROGRESSION_D_UNE_AUTRE_GRILLE) ; tout est lu avant de remplacer quoi que ce soit : un fichier
    // refusé laisse la partie intacte.
    void reprendre_progression(const std::string& chemin);

private:
    grille_pkg::chemin_ptr chemin_aide = std::make_shared<grille_pkg::chemin>();
    bool aide_initialise = false;
    int compteur_aide = 0;
    int points_aide_partie = 0;
    int score = 0;
};

using grille_libre_ptr = std::shared_ptr<grille_libre>;

// Nom de fichier d'une grille personnelle : le nom sans ses blancs, puis ".xml". Le fichier reste dans le répertoire
// des grilles personnelles : un nom vide, caché (".") ou qui porte un séparateur ou un caractère de commande lève
// ERREUR_NOM_GRILLE_INVALIDE.
std::string nom_fichier_grille_personnelle(const std::string& nom_grille);

}  // namespace grille_libre_pkg
