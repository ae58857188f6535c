// Déductions d'un joueur sur une grille : marches possibles de chaque terminale, règles locales,
// essais (hypothèse propagée jusqu'à la contradiction). Sert à mesurer la difficulté et au générateur.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "marches.hpp"
#include "solveur_pkg.hpp"

namespace deduction {

// Règle 1 : une terminale qui n'a plus qu'une marche possible la pose.
// Règle 2 (avec la 1) : les cases par où passent toutes les marches possibles d'une terminale sont à
// elle (la terminale d'arrivée aussi, quand toutes y mènent) ; une marche d'une autre terminale qui
// passe par l'une d'elles est écartée.
enum class regles { unique_marche, cases_communes };

// Bornes du travail : une terminale aux marches trop nombreuses (ou trop longues à énumérer) reste
// « ouverte » et ne donne rien tant que les autres ne l'ont pas resserrée.
struct limites {
    int marches_par_terminale = 400;
    long long pas_par_enumeration = 60'000;
    long long hypotheses = 6'000;  // essais au total, pour toute la vie du moteur
    int choix_sous_hypothese = 4;  // sous une hypothèse, un essai ne porte que sur une terminale d'au plus autant de marches
};

class moteur {
public:
    explicit moteur(const solveur_pkg::probleme& p, limites l = {});

    // Applique les règles jusqu'à ce qu'elles ne donnent plus rien ; les terminales ouvertes sont
    // énumérées à nouveau quand tout s'arrête. Rend faux sur une contradiction.
    bool propager(regles r);

    // Un passage d'essais de la profondeur donnée : pour chaque marche d'une terminale à peu de choix,
    // on la suppose posée et on propage (règles 1 et 2, puis essais de profondeur moindre) ; une
    // contradiction l'écarte. Rend le nombre de marches écartées (0 aussi quand le budget est épuisé).
    int essayer(int profondeur);

    bool contradiction() const { return e.contradiction; }
    bool budget_epuise() const { return hypotheses_restantes <= 0; }
    // Toutes les terminales reliées.
    bool termine() const;
    // La case est à une marche connue (case d'une terminale : son partenaire est connu).
    bool case_fixee(int c) const;

    // Ce qui reste à trouver, en groupes indépendants : deux terminales sont du même groupe quand
    // leurs marches possibles (toutes les cases qu'elles pourraient atteindre, pour une terminale
    // ouverte) se touchent. Chaque groupe donne ses terminales et les cases où ses marches peuvent passer.
    struct groupe {
        std::vector<int> terminales;
        std::vector<int> cases;
    };
    std::vector<groupe> groupes_ouverts() const;

    const marches::plateau& le_plateau() const { return plat; }
    // Propriétaire d'une case : la terminale dont la marche y passe sûrement (-1 : inconnu).
    int proprietaire(int c) const { return e.proprietaires[static_cast<std::size_t>(c)][0]; }

private:
    struct etat {
        std::vector<std::uint8_t> vivante;             // par marche de la réserve
        std::vector<int> vivantes;                     // par terminale : marches encore possibles
        std::vector<std::array<int, 2>> proprietaires; // par case : au plus les deux bouts de sa marche
        std::vector<std::uint8_t> complete;            // par terminale : toutes ses marches sont en réserve
        std::vector<std::uint8_t> posee;               // par terminale : sa marche est posée
        std::vector<int> file;
        std::vector<std::uint8_t> en_file;
        bool contradiction = false;
        long long version = 0;  // avance à chaque marche écartée ou case attribuée
    };

    bool enumerer(int s, std::vector<int>& cases, std::vector<int>& arrivees);
    void prolonger(int s, int c, int restant);
    bool case_permise(int s, int c) const;
    bool marche_coherente(int s, int arrivee) const;
    void ajouter_marches(int s, const std::vector<int>& cases, const std::vector<int>& arrivees);
    bool reenumerer();

    void enfiler(int t);
    void tuer(int m);
    void posseder(int c, int t);
    void examiner(int t, regles r);
    bool propager_sans_reenumeration(regles r);
    int passer_essais(int profondeur, int choix);
    bool hypothese(int t, int m, int profondeur);
    std::vector<int> marches_vivantes(int t) const;

    marches::plateau plat;
    marches::reserve res;
    limites lim;
    etat e;
    long long hypotheses_restantes;
    std::vector<long long> version_echec;  // par terminale ouverte : version de sa dernière énumération
    // Énumération en cours.
    std::vector<std::uint8_t> sur_marche;
    std::vector<int> marche, partenaires, *sortie_cases = nullptr, *sortie_arrivees = nullptr;
    long long pas = 0;
    int trouvees = 0;
    bool debordement = false;
    // Comptes de l'intersection de la règle 2.
    std::vector<int> compte, tampon;
    int tampon_courant = 0;
};

}  // namespace deduction
