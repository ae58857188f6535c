// Génération des chemins : tables, passe des bordures, balayage, virages et pose des chemins.
#include "generation_des_chemins.hpp"

#include <cmath>

#include "case_terminale_pkg.hpp"
#include "editeur_pkg.hpp"

namespace editeur_pkg {

generation_des_chemins::generation_des_chemins(int longueur_max, grille_pkg::grille& grille,
                                               aleatoire_pkg::source_uniforme& source)
    : longueur_maximale_chemins(longueur_max),
      grille_traitee(grille),
      pourcentage_aleatoire(source),
      taille(grille.taille()) {
    initialiser_tableaux_de_booleens();
}

void generation_des_chemins::initialiser_tableaux_de_booleens() {
    const std::size_t cases = static_cast<std::size_t>(taille) * static_cast<std::size_t>(taille);
    cases_occupees.assign(cases, 0);
    cases_marquees.assign(cases, 0);
    cases_marquees_bordure.assign(cases, 0);
    marques_branche.assign(cases, 0);
    sur_marche.assign(cases, 0);
    numero_terminale.assign(cases, 0);
    for (int x = 1; x <= taille; ++x) {
        for (int y = 1; y <= taille; ++y) {
            const auto c = grille_traitee.rend_case({x, y});
            cases_occupees[indice(x, y)] = c->est_occupe();
            if (case_terminale_pkg::est_case_terminale(c)) {
                numero_terminale[indice(x, y)] = static_cast<const case_terminale_pkg::case_terminale&>(*c).valeur();
            }
        }
    }
}

void generation_des_chemins::executer() {
    generer_bordures();
    for (int x = 1; x <= taille; ++x) {
        for (int y = 1; y <= taille; ++y) {
            if (!cases_occupees[indice(x, y)]) continue;
            const int m = generer_possibilites_sans_passer_par_marques(longueur_maximale_chemins, x, y);
            const int l = chemin_sans_conflit(m, x, y);
            generation_d_un_chemin(candidats(l, x, y));
        }
    }
}

void generation_des_chemins::generer_bordures() {
    for (int x = 1; x <= taille; ++x) {
        for (int y = 1; y <= taille; ++y) {
            if (cases_occupees[indice(x, y)]) continue;
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    if ((dx || dy) && dans_grille(x + dx, y + dy) && cases_occupees[indice(x + dx, y + dy)]) {
                        cases_marquees_bordure[indice(x + dx, y + dy)] = 1;
                    }
                }
            }
        }
    }
    const auto suite = [&](int x, int y, int dx, int dy) {
        int n = 0;
        while (n < longueur_maximale_chemins && dans_grille(x + n * dx, y + n * dy) &&
               cases_marquees_bordure[indice(x + n * dx, y + n * dy)]) {
            ++n;
        }
        return n;
    };
    for (int x = 1; x <= taille; ++x) {
        for (int y = 1; y <= taille; ++y) {
            if (!cases_marquees_bordure[indice(x, y)]) continue;
            const int verticale = suite(x, y, 0, 1);
            const int horizontale = suite(x, y, 1, 0);
            const bool vers_le_haut = verticale > horizontale;
            const int l = chemin_sans_conflit(vers_le_haut ? verticale : horizontale, x, y);
            marche chemin_a_generer;
            for (int i = 0; i < l; ++i) chemin_a_generer.push_back(vers_le_haut ? coordonnees{x, y + i} : coordonnees{x + i, y});
            poser_chemin(chemin_a_generer, true);
        }
    }
}

int generation_des_chemins::cases_du_virage(const coordonnees& q, const coordonnees& p, const coordonnees& z,
                                            coordonnees marquees[3]) const {
    const int x = z.x, y = z.y, t = taille;
    int n = 0;
    const auto marquer = [&](bool condition, int mx, int my) {
        if (condition) marquees[n++] = {mx, my};
    };
    // Les huit virages, essayés dans cet ordre : coin qui complète le carré, puis deux voisins de P.
    if (z.x - 1 == p.x && q.y - 1 == p.y) {  // bas puis droite
        marquer(true, x, y + 1), marquer(x >= 2 && y >= 2, x - 1, y - 1), marquer(x >= 3, x - 2, y);
    } else if (z.x - 1 == p.x && q.y + 1 == p.y) {  // haut puis droite
        marquer(true, x, y - 1), marquer(x >= 2 && y < t, x - 1, y + 1), marquer(x >= 3, x - 2, y);
    } else if (z.x + 1 == p.x && q.y - 1 == p.y) {  // bas puis gauche
        marquer(true, x, y + 1), marquer(x < t && y >= 2, x + 1, y - 1), marquer(x < t - 1, x + 2, y);
    } else if (z.x + 1 == p.x && q.y + 1 == p.y) {  // haut puis gauche
        marquer(true, x, y - 1), marquer(x < t && y < t, x + 1, y + 1), marquer(x < t - 1, x + 2, y);
    } else if (z.y - 1 == p.y && q.x - 1 == p.x) {  // gauche puis haut
        marquer(true, x + 1, y), marquer(x >= 2 && y >= 2, x - 1, y - 1), marquer(y >= 3, x, y - 2);
    } else if (z.y + 1 == p.y && q.x - 1 == p.x) {  // gauche puis bas
        marquer(true, x + 1, y), marquer(x >= 2 && y < t, x - 1, y + 1), marquer(y < t - 1, x, y + 2);
    } else if (z.y - 1 == p.y && q.x + 1 == p.x) {  // droite puis haut
        marquer(true, x - 1, y), marquer(x < t && y >= 2, x + 1, y - 1), marquer(y >= 3, x, y - 2);
    } else if (z.y + 1 == p.y && q.x + 1 == p.x) {  // droite puis bas
        marquer(true, x - 1, y), marquer(x < t && y < t, x + 1, y + 1), marquer(y < t - 1, x, y + 2);
    }
    return n;
}

void generation_des_chemins::generation_d_un_chemin(const std::vector<marche>& liste_chemins) {
    const float u = pourcentage_aleatoire.un_pourcentage();
    const float produit = static_cast<float>(liste_chemins.size()) * u;
    long numero_chemin_choisi = std::lround(produit);
    if (numero_chemin_choisi == 0) numero_chemin_choisi = 1;
    poser_chemin(liste_chemins[static_cast<std::size_t>(numero_chemin_choisi - 1)], false);
}

void generation_des_chemins::poser_chemin(const marche& chemin_a_generer, bool chemin_de_bordure) {
    const int len = static_cast<int>(chemin_a_generer.size());
    const coordonnees s = chemin_a_generer.front();
    const auto couvrir = [&](const coordonnees& c) {
        cases_occupees[indice(c.x, c.y)] = 0;
        if (chemin_de_bordure) cases_marquees_bordure[indice(c.x, c.y)] = 0;
    };
    const auto poser_terminale = [&](const coordonnees& c) {
        numero_terminale[indice(c.x, c.y)] = len;
        if (!chemin_de_bordure) cases_marquees[indice(c.x, c.y)] = 0;
        return grille_traitee.definir_case(std::make_shared<case_terminale_pkg::case_terminale>(len), c);
    };

    auto chemin_solution = std::make_shared<grille_pkg::chemin>();
    chemin_solution->initialiser(grille_traitee, poser_terminale(s));
    grille_traitee.rend_case(s)->liberer();
    couvrir(s);
    if (len >= 2) {
        poser_terminale(chemin_a_generer.back())->occuper();  // pour que le chemin puisse y entrer
        for (int i = 2; i <= len; ++i) {
            const coordonnees c = chemin_a_generer[static_cast<std::size_t>(i - 1)];
            const coordonnees p = chemin_solution->nieme_coord(i - 1);
            chemin_solution->avancer_sur_cases_occupees(*grille_pkg::direction_vers(p, c));
            grille_traitee.rend_case(c)->liberer();
            if (!chemin_de_bordure && i >= 3) {
                coordonnees marquees[3];
                const int n = cases_du_virage(chemin_a_generer[static_cast<std::size_t>(i - 3)],
                                              chemin_a_generer[static_cast<std::size_t>(i - 2)], c, marquees);
                for (int k = 0; k < n; ++k) {
                    const std::size_t j = indice(marquees[k].x, marquees[k].y);
                    if (cases_occupees[j]) cases_marquees[j] = 1;
                }
            }
            couvrir(chemin_solution->nieme_coord(i));
        }
    }
    grille_traitee.ajouter_chemin_solution(chemin_solution);
}

}  // namespace editeur_pkg
