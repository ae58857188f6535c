// Recherche des candidats d'une case de départ : arbre des marches possibles, longueur sans conflit,
// coupe à la longueur, raccourcissement aux débuts sans ambiguïté, conservation des plus longs.
//
// Les trois parcours en profondeur tiennent leur pile dans un tableau (pour chaque case de la marche, la
// prochaine direction à essayer) : la profondeur suit la complexité demandée, pas la pile d'appels.
#include <algorithm>

#include "editeur_pkg.hpp"
#include "generation_des_chemins.hpp"

namespace editeur_pkg {

namespace {

// Les fils d'un nœud dans l'ordre de parcours 1, 2, 3, 4 : haut, bas, gauche, droite.
constexpr int DX[4] = {0, 0, -1, 1};
constexpr int DY[4] = {1, -1, 0, 0};

}  // namespace

bool generation_des_chemins::qualifie_candidat(int x, int y) const {
    if (!dans_grille(x, y)) return false;
    const std::size_t i = indice(x, y);
    return cases_occupees[i] && !cases_marquees[i] && marques_branche[i] == 0 && !sur_marche[i];
}

// Ajoute la case à la marche et pose dans la branche les marques du virage qu'elle termine.
void generation_des_chemins::entrer(int x, int y) {
    marche_courante.push_back({x, y});
    sur_marche[indice(x, y)] = 1;
    const std::size_t n = marche_courante.size();
    if (n < 3) return;
    coordonnees marquees[3];
    const int nombre = cases_du_virage(marche_courante[n - 3], marche_courante[n - 2], marche_courante[n - 1], marquees);
    for (int k = 0; k < nombre; ++k) ++marques_branche[indice(marquees[k].x, marquees[k].y)];
}

void generation_des_chemins::sortir() {
    const std::size_t n = marche_courante.size();
    if (n >= 3) {
        coordonnees marquees[3];
        const int nombre = cases_du_virage(marche_courante[n - 3], marche_courante[n - 2], marche_courante[n - 1], marquees);
        for (int k = 0; k < nombre; ++k) --marques_branche[indice(marquees[k].x, marquees[k].y)];
    }
    sur_marche[indice(marche_courante.back().x, marche_courante.back().y)] = 0;
    marche_courante.pop_back();
}

// Profondeur atteinte par l'arbre des candidats ; on s'arrête dès qu'une marche a la taille maximale.
int generation_des_chemins::parcourir_plus_longue(int taille_maximum) {
    int plus_longue = static_cast<int>(marche_courante.size());
    pile.assign(1, {});
    while (!pile.empty()) {
        const int restant = taille_maximum - static_cast<int>(marche_courante.size()) + 1;
        cadre& f = pile.back();
        if (restant <= 1 || f.direction >= 4 || plus_longue >= taille_maximum) {
            quitter_cadre();
            continue;
        }
        const int k = f.direction++;
        const coordonnees c = marche_courante.back();
        if (!qualifie_candidat(c.x + DX[k], c.y + DY[k])) continue;
        entrer(c.x + DX[k], c.y + DY[k]);
        plus_longue = std::max(plus_longue, static_cast<int>(marche_courante.size()));
        pile.push_back({});
    }
    return plus_longue;
}

void generation_des_chemins::quitter_cadre() {
    pile.pop_back();
    // La case de départ est retirée par l'appelant.
    if (!pile.empty()) sortir();
}

int generation_des_chemins::generer_possibilites_sans_passer_par_marques(int taille_maximum, int x_depart,
                                                                        int y_depart) {
    if (!cases_occupees[indice(x_depart, y_depart)]) throw ERREUR_CASE_DEPART_INOCCUPEE();
    // La case de départ n'est soumise ni aux marques ni au test des virages.
    marche_courante.assign(1, {x_depart, y_depart});
    sur_marche[indice(x_depart, y_depart)] = 1;
    const int plus_longue = parcourir_plus_longue(taille_maximum);
    sortir();
    return plus_longue;
}

// Marches qu'un joueur pourrait tracer depuis la case de départ, toutes cases libres, seules les
// terminales visibles : une marche s'arrête sur la première terminale qu'elle atteint. Une terminale
// de numéro k au bout d'une marche de k cases efface l'entrée k ; une terminale de numéro n en
// troisième case efface l'entrée n.
void generation_des_chemins::parcourir_solveur(int n, std::vector<bool>& resultats, int& plus_grand_non_efface) {
    const auto effacer = [&](int k) {
        resultats[static_cast<std::size_t>(k)] = false;
        while (plus_grand_non_efface > 1 && !resultats[static_cast<std::size_t>(plus_grand_non_efface)]) --plus_grand_non_efface;
    };
    pile.assign(1, {});
    while (!pile.empty()) {
        const int profondeur = static_cast<int>(marche_courante.size()) + 1;
        cadre& f = pile.back();
        // Rien sous ce fils ne peut effacer d'entrée au-delà de la plus grande encore debout.
        if (f.direction >= 4 || plus_grand_non_efface < profondeur) {
            pile.pop_back();
            if (!pile.empty()) {
                sur_marche[indice(marche_courante.back().x, marche_courante.back().y)] = 0;
                marche_courante.pop_back();
            }
            continue;
        }
        const int k = f.direction++;
        const int x = marche_courante.back().x + DX[k], y = marche_courante.back().y + DY[k];
        if (!dans_grille(x, y)) continue;
        const std::size_t i = indice(x, y);
        if (cases_marquees[i] || sur_marche[i]) continue;
        if (const int t = numero_terminale[i]; t > 0) {
            if (profondeur == 3 && t == n) effacer(n);
            else if (t == profondeur) effacer(profondeur);
            continue;
        }
        if (profondeur < n) {
            marche_courante.push_back({x, y});
            sur_marche[i] = 1;
            pile.push_back({});
        }
    }
}

int generation_des_chemins::chemin_sans_conflit(int longueur_chemin, int x_depart, int y_depart) {
    // Arbre vide (départ déjà couvert) ou racine sans fils : longueur 1.
    if (!cases_occupees[indice(x_depart, y_depart)] || longueur_chemin <= 1) return 1;
    bool racine_a_un_fils = false;
    for (int k = 0; k < 4; ++k) {
        const int x = x_depart + DX[k], y = y_depart + DY[k];
        racine_a_un_fils = racine_a_un_fils || (dans_grille(x, y) && !cases_marquees[indice(x, y)]);
    }
    if (!racine_a_un_fils) return 1;

    std::vector<bool> tableau_resultats_sans_conflits(static_cast<std::size_t>(longueur_chemin) + 1, true);
    int plus_grand_non_efface = longueur_chemin;
    marche_courante.assign(1, {x_depart, y_depart});
    sur_marche[indice(x_depart, y_depart)] = 1;
    parcourir_solveur(longueur_chemin, tableau_resultats_sans_conflits, plus_grand_non_efface);
    sur_marche[indice(x_depart, y_depart)] = 0;
    marche_courante.clear();
    return plus_grand_non_efface;
}

// premier_conflit (de chaque cadre) : rang de la première case voisine d'une case non consécutive de la
// marche, 0 sinon ; le début sans ambiguïté d'une marche s'arrête juste avant elle.
void generation_des_chemins::parcourir_candidats() {
    pile.assign(1, {});
    while (!pile.empty()) {
        cadre& f = pile.back();
        const int rang = static_cast<int>(marche_courante.size());
        if (longueur_visee - rang + 1 <= 1) {
            retenir(f.premier_conflit);
            quitter_cadre();
            continue;
        }
        if (f.direction >= 4 || retenus.size() >= CANDIDATS_MAX) {
            quitter_cadre();
            continue;
        }
        const int k = f.direction++;
        const coordonnees c = marche_courante.back();
        const int x = c.x + DX[k], y = c.y + DY[k];
        if (!qualifie_candidat(x, y)) continue;
        int conflit = f.premier_conflit;
        for (int v = 0; v < 4 && !conflit; ++v) {
            const int vx = x + DX[v], vy = y + DY[v];
            if (dans_grille(vx, vy) && sur_marche[indice(vx, vy)] && !(vx == c.x && vy == c.y)) conflit = rang + 1;
        }
        entrer(x, y);
        pile.push_back({0, conflit});
    }
}

// Une feuille : la marche, coupée à son début sans ambiguïté. Ceux de la longueur visée l'emportent ; à défaut,
// les plus longs.
void generation_des_chemins::retenir(int premier_conflit) {
    if (retenus.size() >= CANDIDATS_MAX) return;
    const int longueur = premier_conflit ? premier_conflit - 1 : longueur_visee;
    const bool vise_atteinte = longueur_retenue == longueur_visee;
    if (longueur == longueur_visee || (!vise_atteinte && longueur > longueur_retenue)) {
        if (longueur != longueur_retenue) retenus.clear();
        longueur_retenue = longueur;
    }
    if (longueur == longueur_retenue) retenus.emplace_back(marche_courante.begin(), marche_courante.begin() + longueur);
}

std::vector<marche> generation_des_chemins::candidats(int longueur_chemin, int x_depart, int y_depart) {
    longueur_visee = longueur_chemin;
    longueur_retenue = 0;
    retenus.clear();
    marche_courante.assign(1, {x_depart, y_depart});
    sur_marche[indice(x_depart, y_depart)] = 1;
    parcourir_candidats();
    sur_marche[indice(x_depart, y_depart)] = 0;
    marche_courante.clear();
    // La liste reçoit chaque feuille en tête : elle va à rebours du parcours.
    std::reverse(retenus.begin(), retenus.end());
    return std::move(retenus);
}

}  // namespace editeur_pkg
