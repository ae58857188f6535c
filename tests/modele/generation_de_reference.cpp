// Transcription littérale de la génération des chemins (arbres construits, tables copiées par nœud).
#include "generation_de_reference.hpp"

#include <algorithm>
#include <cmath>
#include <list>
#include <vector>

#include "arbre_quadrique_generique_avec_paternite_pkg.hpp"
#include "case_terminale_pkg.hpp"

namespace generation_de_reference {

namespace {

using case_simple_pkg::coordonnees;
struct nom_arbre_cases {
    static constexpr const char* valeur = "EDITEUR_PKG.EDITEUR.GENERATION_DES_CHEMINS.ARBRE_CASES";
};
using arbre_cases = arbre_quadrique_generique_avec_paternite_pkg<coordonnees, nom_arbre_cases>;
using arbre = arbre_cases::arbre;
using table = std::vector<std::vector<bool>>;
using liste_coordonnees = std::list<coordonnees>;

class generation {
public:
    generation(int lmax, grille_pkg::grille& g, aleatoire_pkg::source_uniforme& s)
        : longueur_maximale_chemins(lmax), grille(g), alea(s), T(g.taille()) {}

    void executer() {
        const auto vide = table(static_cast<std::size_t>(T + 2), std::vector<bool>(static_cast<std::size_t>(T + 2), false));
        cases_occupees = cases_marquees = cases_marquees_bordure = cases_appartient_chemin_traite = vide;
        for (int x = 1; x <= T; ++x)
            for (int y = 1; y <= T; ++y) at(cases_occupees, x, y) = grille.rend_case({x, y})->est_occupe();
        generer_bordures();
        for (int x = 1; x <= T; ++x) {
            for (int y = 1; y <= T; ++y) {
                if (!at(cases_occupees, x, y)) continue;
                arbre a = generer_possibilites_sans_passer_par_marques(longueur_maximale_chemins, x, y);
                const int m = arbre_cases::nombre_maximum_noeuds_a_partir_de_racine(a);
                const int l = chemin_sans_conflit(m, x, y);
                elaguer_a_longueur(a, l);
                liste_chemins.clear();
                generer_liste_chemins(a);
                garder_chemins_uniques();
                conserver_chemins_uniques_de_plus_grande_taille_possible(l);
                generation_d_un_chemin();
            }
        }
    }

private:
    static std::vector<bool>::reference at(table& t, int x, int y) { return t[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
    static bool lit(const table& t, int x, int y) { return t[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
    bool dedans(int x, int y) const { return x >= 1 && x <= T && y >= 1 && y <= T; }
    bool est_terminale(int x, int y) const { return case_terminale_pkg::est_case_terminale(grille.rend_case({x, y})); }
    int numero(int x, int y) const {
        return static_cast<const case_terminale_pkg::case_terminale&>(*grille.rend_case({x, y})).valeur();
    }

    // Virage Q, P, Z : rend le numéro du premier test vrai (1 à 8), 0 sinon.
    static int virage(const coordonnees& q, const coordonnees& p, const coordonnees& z) {
        if (z.x - 1 == p.x && q.y - 1 == p.y) return 1;
        if (z.x - 1 == p.x && q.y + 1 == p.y) return 2;
        if (z.x + 1 == p.x && q.y - 1 == p.y) return 3;
        if (z.x + 1 == p.x && q.y + 1 == p.y) return 4;
        if (z.y - 1 == p.y && q.x - 1 == p.x) return 5;
        if (z.y + 1 == p.y && q.x - 1 == p.x) return 6;
        if (z.y - 1 == p.y && q.x + 1 == p.x) return 7;
        if (z.y + 1 == p.y && q.x + 1 == p.x) return 8;
        return 0;
    }
    void marquer_virage(int v, const coordonnees& z, table& marques) {
        const int x = z.x, y = z.y;
        auto m = [&](bool cond, int a, int b) {
            if (cond && lit(cases_occupees, a, b)) at(marques, a, b) = true;
        };
        switch (v) {
            case 1: m(true, x, y + 1); m(x >= 2 && y >= 2, x - 1, y - 1); m(x >= 3, x - 2, y); break;
            case 2: m(true, x, y - 1); m(x >= 2 && y < T, x - 1, y + 1); m(x >= 3, x - 2, y); break;
            case 3: m(true, x, y + 1); m(x < T && y >= 2, x + 1, y - 1); m(x < T - 1, x + 2, y); break;
            case 4: m(true, x, y - 1); m(x < T && y < T, x + 1, y + 1); m(x < T - 1, x + 2, y); break;
            case 5: m(true, x + 1, y); m(x >= 2 && y >= 2, x - 1, y - 1); m(y >= 3, x, y - 2); break;
            case 6: m(true, x + 1, y); m(x >= 2 && y < T, x - 1, y + 1); m(y < T - 1, x, y + 2); break;
            case 7: m(true, x - 1, y); m(x < T && y >= 2, x + 1, y - 1); m(y >= 3, x, y - 2); break;
            case 8: m(true, x - 1, y); m(x < T && y < T, x + 1, y + 1); m(y < T - 1, x, y + 2); break;
            default: break;
        }
    }
    static bool inutilisee(const coordonnees& c, arbre n) {
        for (; n; n = n->pere.lock())
            if (n->valeur == c) return false;
        return true;
    }
    // Fils dans l'ordre de construction 3, 4, 2, 1.
    template <typename F>
    void construire_fils(const arbre& noeud, F&& construire) {
        const coordonnees c = noeud->valeur;
        if (dedans(c.x - 1, c.y)) arbre_cases::remplacer_sous_arbre_3(noeud, construire(c.x - 1, c.y));
        if (dedans(c.x + 1, c.y)) arbre_cases::remplacer_sous_arbre_4(noeud, construire(c.x + 1, c.y));
        if (dedans(c.x, c.y - 1)) arbre_cases::remplacer_sous_arbre_2(noeud, construire(c.x, c.y - 1));
        if (dedans(c.x, c.y + 1)) arbre_cases::remplacer_sous_arbre_1(noeud, construire(c.x, c.y + 1));
    }

    arbre generer_sous_arbre_possibilites(int r, int x, int y, const arbre& pere, const table& recue) {
        table copie = recue;
        if (!lit(cases_occupees, x, y) || lit(copie, x, y) || !inutilisee({x, y}, pere)) return nullptr;
        arbre noeud = arbre_cases::creer_arbre({x, y}, nullptr, nullptr, nullptr, nullptr, pere);
        const arbre p = pere;
        const arbre q = p ? p->pere.lock() : nullptr;
        if (p && q) {
            if (const int v = virage(q->valeur, p->valeur, {x, y})) marquer_virage(v, {x, y}, copie);
        }
        if (r > 1) construire_fils(noeud, [&](int a, int b) { return generer_sous_arbre_possibilites(r - 1, a, b, noeud, copie); });
        return noeud;
    }
    arbre generer_possibilites_sans_passer_par_marques(int taille_maximum, int x, int y) {
        arbre racine = arbre_cases::creer_arbre({x, y}, nullptr, nullptr, nullptr, nullptr);
        const table copie = cases_marquees;
        if (taille_maximum > 1)
            construire_fils(racine, [&](int a, int b) { return generer_sous_arbre_possibilites(taille_maximum - 1, a, b, racine, copie); });
        return racine;
    }

    arbre sous_arbre_solveur(int r, int x, int y, const arbre& pere) {
        if (lit(cases_marquees, x, y) || !inutilisee({x, y}, pere)) return nullptr;
        arbre noeud = arbre_cases::creer_arbre({x, y}, nullptr, nullptr, nullptr, nullptr, pere);
        if (r >= 2 && !est_terminale(x, y)) construire_fils(noeud, [&](int a, int b) { return sous_arbre_solveur(r - 1, a, b, noeud); });
        return noeud;
    }
    void trouver_valeur(const arbre& a, int n, int r, std::vector<bool>& resultats) {
        const coordonnees c = a->valeur;
        if (r == n - 2 && est_terminale(c.x, c.y) && numero(c.x, c.y) == n) {
            resultats[static_cast<std::size_t>(n)] = false;
        } else if (!arbre_cases::est_feuille(a)) {
            for (const arbre& f : {a->sous_arbre_1, a->sous_arbre_2, a->sous_arbre_3, a->sous_arbre_4})
                if (f) trouver_valeur(f, n, r - 1, resultats);
        } else if (est_terminale(c.x, c.y) && numero(c.x, c.y) == n - r + 1) {
            resultats[static_cast<std::size_t>(n - r + 1)] = false;
        }
    }
    int chemin_sans_conflit(int n, int x, int y) {
        if (!lit(cases_occupees, x, y)) return 1;
        arbre racine = arbre_cases::creer_arbre({x, y}, nullptr, nullptr, nullptr, nullptr);
        if (n > 1) construire_fils(racine, [&](int a, int b) { return sous_arbre_solveur(n - 1, a, b, racine); });
        if (arbre_cases::est_feuille(racine) || n == 1) return 1;
        std::vector<bool> resultats(static_cast<std::size_t>(n) + 1, true);
        trouver_valeur(racine, n, n, resultats);
        int k = n;
        while (!resultats[static_cast<std::size_t>(k)]) --k;
        return k;
    }

    void elaguer_a_longueur(const arbre& a, int l) {
        if (!a || l == 0) return;
        const arbre fils[4] = {a->sous_arbre_1, a->sous_arbre_2, a->sous_arbre_3, a->sous_arbre_4};
        for (int i = 0; i < 4; ++i) {
            if (!fils[i]) continue;
            if (l == 1 || arbre_cases::nombre_maximum_noeuds_a_partir_de_racine(fils[i]) < l - 1) {
                if (i == 0) arbre_cases::remplacer_sous_arbre_1(a, nullptr);
                if (i == 1) arbre_cases::remplacer_sous_arbre_2(a, nullptr);
                if (i == 2) arbre_cases::remplacer_sous_arbre_3(a, nullptr);
                if (i == 3) arbre_cases::remplacer_sous_arbre_4(a, nullptr);
            } else {
                elaguer_a_longueur(fils[i], l - 1);
            }
        }
    }
    void generer_liste_chemins(const arbre& a) {
        if (!a) return;
        if (!arbre_cases::est_feuille(a)) {
            for (const arbre& f : {a->sous_arbre_1, a->sous_arbre_2, a->sous_arbre_3, a->sous_arbre_4}) generer_liste_chemins(f);
            return;
        }
        liste_coordonnees marche;
        for (arbre n = a; n; n = n->pere.lock()) marche.push_front(n->valeur);
        liste_chemins.push_front(marche);
    }

    arbre sous_arbre_sur_chemin(int r, int x, int y, const arbre& pere) {
        if (!lit(cases_appartient_chemin_traite, x, y) || !inutilisee({x, y}, pere)) return nullptr;
        arbre noeud = arbre_cases::creer_arbre({x, y}, nullptr, nullptr, nullptr, nullptr, pere);
        if (r > 1) construire_fils(noeud, [&](int a, int b) { return sous_arbre_sur_chemin(r - 1, a, b, noeud); });
        return noeud;
    }
    void garder_chemins_uniques() {
        for (auto& candidat : liste_chemins) {
            for (;;) {
                const int len = static_cast<int>(candidat.size());
                for (auto& colonne : cases_appartient_chemin_traite) std::fill(colonne.begin(), colonne.end(), false);
                for (const auto& c : candidat) at(cases_appartient_chemin_traite, c.x, c.y) = true;
                const coordonnees d = candidat.front();
                arbre racine = arbre_cases::creer_arbre(d, nullptr, nullptr, nullptr, nullptr);
                if (len > 1) construire_fils(racine, [&](int a, int b) { return sous_arbre_sur_chemin(len - 1, a, b, racine); });
                if (arbre_cases::nombre_de_feuilles(racine) < 2) break;
                candidat.pop_back();
            }
        }
    }
    void conserver_chemins_uniques_de_plus_grande_taille_possible(int l) {
        std::size_t garde = static_cast<std::size_t>(l);
        if (std::none_of(liste_chemins.begin(), liste_chemins.end(), [&](const auto& c) { return c.size() == garde; })) {
            garde = 0;
            for (const auto& c : liste_chemins) garde = std::max(garde, c.size());
        }
        liste_chemins.remove_if([&](const auto& c) { return c.size() != garde; });
    }

    void poser(const std::vector<coordonnees>& w, bool bordure) {
        const int len = static_cast<int>(w.size());
        const coordonnees s = w.front();
        auto chemin = std::make_shared<grille_pkg::chemin>();
        if (len < 2) {
            grille.definir_case(std::make_shared<case_terminale_pkg::case_terminale>(1), s);
            chemin->initialiser(grille, grille.rend_case(s));
            grille.rend_case(s)->liberer();
            at(cases_occupees, s.x, s.y) = false;
            if (bordure) at(cases_marquees_bordure, s.x, s.y) = false;
            else at(cases_marquees, s.x, s.y) = false;
        } else {
            grille.definir_case(std::make_shared<case_terminale_pkg::case_terminale>(len), s);
            if (!bordure) at(cases_marquees, s.x, s.y) = false;
            chemin->initialiser(grille, grille.rend_case(s));
            grille.rend_case(s)->liberer();
            at(cases_occupees, s.x, s.y) = false;
            if (bordure) at(cases_marquees_bordure, s.x, s.y) = false;
            const coordonnees e = w.back();
            grille.definir_case(std::make_shared<case_terminale_pkg::case_terminale>(len), e);
            if (!bordure) at(cases_marquees, e.x, e.y) = false;
            grille.rend_case(e)->occuper();
            for (int i = 2; i <= len; ++i) {
                const coordonnees c = w[static_cast<std::size_t>(i - 1)];
                const coordonnees p = chemin->nieme_coord(i - 1);
                grille_pkg::direction d = grille_pkg::direction::gauche;
                if (c.x == p.x && c.y == p.y + 1) d = grille_pkg::direction::haut;
                else if (c.x == p.x) d = grille_pkg::direction::bas;
                else if (c.x == p.x + 1) d = grille_pkg::direction::droite;
                chemin->avancer_sur_cases_occupees(d);
                grille.rend_case(c)->liberer();
                if (!bordure && i >= 3) {
                    if (const int v = virage(w[static_cast<std::size_t>(i - 3)], w[static_cast<std::size_t>(i - 2)], c))
                        marquer_virage(v, c, cases_marquees);
                }
                const coordonnees li = chemin->nieme_coord(i);
                at(cases_occupees, li.x, li.y) = false;
                if (bordure) at(cases_marquees_bordure, li.x, li.y) = false;
            }
        }
        grille.ajouter_chemin_solution(chemin);
    }
    void generation_d_un_chemin() {
        const float u = alea.un_pourcentage();
        const float produit = static_cast<float>(liste_chemins.size()) * u;
        long k = std::lround(produit);
        if (k == 0) k = 1;
        auto it = liste_chemins.begin();
        std::advance(it, k - 1);
        poser(std::vector<coordonnees>(it->begin(), it->end()), false);
    }
    void generer_bordures() {
        for (int x = 1; x <= T; ++x)
            for (int y = 1; y <= T; ++y)
                if (!lit(cases_occupees, x, y))
                    for (int dx = -1; dx <= 1; ++dx)
                        for (int dy = -1; dy <= 1; ++dy)
                            if ((dx || dy) && dedans(x + dx, y + dy) && lit(cases_occupees, x + dx, y + dy))
                                at(cases_marquees_bordure, x + dx, y + dy) = true;
        for (int x = 1; x <= T; ++x) {
            for (int y = 1; y <= T; ++y) {
                if (!lit(cases_marquees_bordure, x, y)) continue;
                std::vector<coordonnees> v, h;
                while (dedans(x, y + static_cast<int>(v.size())) && lit(cases_marquees_bordure, x, y + static_cast<int>(v.size())) &&
                       static_cast<int>(v.size()) < longueur_maximale_chemins)
                    v.push_back({x, y + static_cast<int>(v.size())});
                while (dedans(x + static_cast<int>(h.size()), y) && lit(cases_marquees_bordure, x + static_cast<int>(h.size()), y) &&
                       static_cast<int>(h.size()) < longueur_maximale_chemins)
                    h.push_back({x + static_cast<int>(h.size()), y});
                std::vector<coordonnees> run = v.size() > h.size() ? v : h;
                run.resize(static_cast<std::size_t>(chemin_sans_conflit(static_cast<int>(run.size()), x, y)));
                poser(run, true);
            }
        }
    }

    int longueur_maximale_chemins;
    grille_pkg::grille& grille;
    aleatoire_pkg::source_uniforme& alea;
    int T;
    table cases_occupees, cases_marquees, cases_marquees_bordure, cases_appartient_chemin_traite;
    std::list<liste_coordonnees> liste_chemins;
};

}  // namespace

void generer(int longueur_maximale_chemins, grille_pkg::grille& grille_traitee,
             aleatoire_pkg::source_uniforme& pourcentage_aleatoire) {
    generation(longueur_maximale_chemins, grille_traitee, pourcentage_aleatoire).executer();
}

}  // namespace generation_de_reference
