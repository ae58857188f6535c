// Partie de campagne : une grille jouée, ses chemins validés, son chronomètre, son score et son aide.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "erreur_pkg.hpp"
#include "fichier_xml_pkg.hpp"
#include "jeu_sur_grille_pkg.hpp"
#include "timer_pkg.hpp"

namespace partie_pkg {

using listes_chemin_pkg = jeu_sur_grille_pkg::listes_chemin_pkg;

// Bornes des nombres d'une sauvegarde, tirées des règles : un fichier qui les dépasse n'a pas été écrit par le jeu
// (ou a été abîmé) et il est refusé. Le jeu sature ce qu'il compte à ces bornes : ce qu'il écrit se relit toujours,
// et les sommes d'un niveau ou de la campagne restent loin du plus grand int.
// Dix points par case validée, sur la plus grande grille.
inline constexpr int SCORE_MAX = 10 * grille_pkg::TAILLE_MAXIMALE * grille_pkg::TAILLE_MAXIMALE;
// L'aide d'un niveau se paie sur la moitié des scores de ses six parties.
inline constexpr int AIDE_MAX = 6 * SCORE_MAX / 2;
// Secondes d'un chronomètre : plus de trente ans.
inline constexpr long long TIMER_MAX = 1'000'000'000;

class partie : public jeu_sur_grille_pkg::jeu_sur_grille {
public:
    // horloge : celle du chronomètre, qui doit vivre autant que la partie.
    explicit partie(const horloge_pkg::horloge& horloge = horloge_pkg::horloge_systeme())
        : tps(std::make_shared<timer_pkg::temps>(horloge)) {}

    void initialiser(const grille_pkg::grille_ptr& grille_a_resoudre);

    // Retire le premier chemin validé qui passe par la case ; rend les points perdus (10 par case).
    int supprimer_chemin_depuis_case(const case_simple_pkg::classe_case& case_du_chemin_a_supprimer);
    void valider_chemin_courant();

    // Entre 0 et SCORE_MAX.
    int obtenir_score() const { return std::clamp(score, 0, SCORE_MAX); }
    // Score moins 2 points par seconde passée, jamais négatif.
    int obtenir_score_avec_chrono() const;
    void mettre_a_jour_score(int add) { score += add; }
    int obtenir_points_aide_utilises() const { return points_aide_utilises; }
    // Saturés à 0 et AIDE_MAX.
    void mettre_a_jour_points_aide_utilises(int add) { remplacer_points_aide_utilises(points_aide_utilises + add); }
    void remplacer_points_aide_utilises(int nouvelle_valeur) {
        points_aide_utilises = std::clamp(nouvelle_valeur, 0, AIDE_MAX);
    }
    timer_pkg::temps_ptr obtenir_temps_ptr() const { return tps; }

    pugi::xml_node partie_xml(pugi::xml_node parent) const;
    void sauvegarder_partie_campagne(const std::string& repertoire_de_sauvegarde, const std::string& nom_partie) const;
    // Dans le lot d'une sauvegarde de campagne : écrite avec les cinquante-neuf autres, ou pas du tout.
    void sauvegarder_partie_campagne(const std::string& repertoire_de_sauvegarde, const std::string& nom_partie,
                                     fichier_xml_pkg::lot_ecriture& lot) const;
    // Tout est lu avant de remplacer quoi que ce soit : un fichier refusé laisse la partie intacte.
    void charger_partie_campagne(const std::string& repertoire_de_sauvegarde, const std::string& nom_partie);
    void charger_chemins_joues(const pugi::xml_node& noeud_chemins_joues);

protected:
    // Dix points par case, gagnés à la validation d'un chemin et perdus à son retrait.
    void apres_validation(int cases) override { score += 10 * cases; }
    void apres_retrait(int cases) override { score -= 10 * cases; }

private:
    // Le fichier d'une partie de campagne, imprimé.
    std::string document_partie_campagne() const;
    timer_pkg::temps_ptr tps;
    int score = 0;
    int points_aide_utilises = 0;
};

using partie_ptr = std::shared_ptr<partie>;

}  // namespace partie_pkg
