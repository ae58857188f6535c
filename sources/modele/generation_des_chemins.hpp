// État d'une génération de chemins et ses opérations : passe des bordures, balayage, virages, pose
// d'un chemin, et recherche des candidats d'une case de départ.
//
// Les arbres de marches du dessin se parcourent ici en profondeur sans être construits : la marche en
// cours est une pile, et les marques posées aux virages d'une branche sont des compteurs incrémentés
// en descendant et décrémentés en remontant, au lieu d'une copie de table par nœud. Les marches, leur
// ordre et les résultats sont ceux des arbres : mêmes fils (1 haut, 2 bas, 3 gauche, 4 droite), même
// ordre de parcours 1, 2, 3, 4, même liste de candidats.
#pragma once

#include <cstdint>
#include <vector>

#include "aleatoire_pkg.hpp"
#include "case_simple_pkg.hpp"
#include "grille_pkg.hpp"

namespace editeur_pkg {

using case_simple_pkg::coordonnees;
using marche = std::vector<coordonnees>;

class generation_des_chemins {
public:
    // Bien au-delà de ce que donne le dessin le plus ouvert (24 155 candidats au plus pour un 42 × 42 tout
    // peint en complexité 14), assez bas pour que la liste tienne en quelques dizaines de mégaoctets.
    static constexpr std::size_t CANDIDATS_MAX = 200'000;

    generation_des_chemins(int longueur_maximale_chemins, grille_pkg::grille& grille_traitee,
                           aleatoire_pkg::source_uniforme& pourcentage_aleatoire);

    // Toute la génération : tables, passe des bordures, balayage des cases.
    void executer();

    // Recherche des candidats d'une case de départ, dans l'ordre où le balayage s'en sert.
    // Nombre de cases de la plus longue marche de l'arbre des candidats (au plus taille_maximum).
    int generer_possibilites_sans_passer_par_marques(int taille_maximum, int x_depart, int y_depart);
    // Plus grande longueur, de 1 à longueur_chemin, qu'un joueur ne peut confondre avec une autre.
    int chemin_sans_conflit(int longueur_chemin, int x_depart, int y_depart);
    // Candidats de longueur_chemin cases, raccourcis à leur début sans ambiguïté puis réduits aux
    // plus longs : le contenu final de liste_chemins, dans son ordre. Au plus CANDIDATS_MAX : passé ce
    // nombre, le parcours s'arrête et la liste garde les premiers trouvés. Un seul parcours fait ici
    // elaguer_a_longueur, generer_liste_chemins, garder_chemins_uniques et
    // conserver_chemins_uniques_de_plus_grande_taille_possible.
    std::vector<marche> candidats(int longueur_chemin, int x_depart, int y_depart);

    // Les tables, lisibles pour les essais.
    bool case_occupee(int x, int y) const { return cases_occupees[indice(x, y)] != 0; }
    bool case_marquee(int x, int y) const { return cases_marquees[indice(x, y)] != 0; }

private:
    using tableau = std::vector<std::uint8_t>;

    std::size_t indice(int x, int y) const {
        return static_cast<std::size_t>(x - 1) * static_cast<std::size_t>(taille) + static_cast<std::size_t>(y - 1);
    }
    bool dans_grille(int x, int y) const { return x >= 1 && x <= taille && y >= 1 && y <= taille; }

    void initialiser_tableaux_de_booleens();
    void generer_bordures();
    // Pose une marche comme chemin solution ; sans marques pour un chemin de bordure.
    void poser_chemin(const marche& chemin_a_generer, bool chemin_de_bordure);
    void generation_d_un_chemin(const std::vector<marche>& liste_chemins);
    // Cases marquées par le virage Q, P, Z (Z le plus récent) ; rien si ce n'est pas un virage.
    int cases_du_virage(const coordonnees& q, const coordonnees& p, const coordonnees& z,
                        coordonnees marquees[3]) const;

    // Parcours en profondeur des arbres, sur la pile marche_courante.
    bool qualifie_candidat(int x, int y) const;
    void entrer(int x, int y);
    void sortir();
    int parcourir_plus_longue(int taille_maximum);
    void parcourir_solveur(int n, std::vector<bool>& resultats, int& non_effaces);
    void parcourir_candidats();
    void retenir(int premier_conflit);
    // Retire le cadre du dessus et sa case (sauf la case de départ, que l'appelant retire).
    void quitter_cadre();

    int longueur_maximale_chemins;
    grille_pkg::grille& grille_traitee;
    aleatoire_pkg::source_uniforme& pourcentage_aleatoire;
    int taille;

    tableau cases_occupees;
    tableau cases_marquees;
    tableau cases_marquees_bordure;
    // Marques des virages de la branche parcourue (compteurs, une marque peut venir de deux virages).
    std::vector<std::uint16_t> marques_branche;
    // Cases de la marche parcourue.
    tableau sur_marche;
    // Nombre porté par la case terminale de chaque case, 0 pour une case simple.
    std::vector<int> numero_terminale;

    marche marche_courante;
    // Pile des parcours : pour chaque case de marche_courante, la prochaine direction à essayer et, pour les
    // candidats, le rang du premier conflit de la marche jusqu'à elle.
    struct cadre {
        int direction = 0;
        int premier_conflit = 0;
    };
    std::vector<cadre> pile;
    // Candidats retenus pendant le parcours : ceux de la longueur visée, sinon les plus longs.
    int longueur_visee = 0;
    int longueur_retenue = 0;
    std::vector<marche> retenus;
};

}  // namespace editeur_pkg
