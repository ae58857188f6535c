// Déductions d'un joueur.
//
// Chaque terminale N > 1 a la liste de ses marches possibles : N cases jusqu'à une autre terminale de
// son numéro, sans passer par une autre terminale. Une marche est rangée une seule fois dans la réserve
// et figure dans la liste de ses deux bouts. Une case « appartient » à une terminale quand sa marche y
// passe sûrement : toute marche qui passe par cette case sans avoir cette terminale pour bout est
// écartée. Une terminale d'arrivée qui appartient à t donne aussi la case de t à cette terminale : leurs
// deux marches n'en font qu'une. Une terminale sans plus aucune marche est une contradiction.
//
// Les règles n'écartent que des marches impossibles : tout ce qu'elles concluent vaut pour toute
// solution. Une terminale dont l'énumération déborde les limites reste ouverte (ses marches ne sont pas
// en réserve, sauf celles que ses partenaires complets y ont mises) ; elle est reprise quand les règles
// s'arrêtent, si quelque chose a changé depuis sa dernière tentative.
#include "deduction.hpp"

#include <algorithm>
#include <numeric>

namespace deduction {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

}  // namespace

moteur::moteur(const solveur_pkg::probleme& p, limites l)
    : plat(p), res(p.taille * p.taille, static_cast<int>(p.terminales.size())), lim(l), hypotheses_restantes(l.hypotheses) {
    const std::size_t cases = u(plat.taille * plat.taille), terminales = p.terminales.size();
    e.vivantes.assign(terminales, 0);
    e.proprietaires.assign(cases, {-1, -1});
    e.complete.assign(terminales, 0);
    e.posee.assign(terminales, 0);
    e.en_file.assign(terminales, 0);
    version_echec.assign(terminales, -1);
    sur_marche.assign(cases, 0);
    compte.assign(cases, 0);
    tampon.assign(cases, 0);
    std::vector<int> plates, arrivees;
    for (std::size_t t = 0; t < terminales; ++t) {
        if (plat.numero[t] == 1) {
            e.complete[t] = e.posee[t] = 1;  // un « 1 » est son propre chemin
        } else if (enumerer(static_cast<int>(t), plates, arrivees)) {
            ajouter_marches(static_cast<int>(t), plates, arrivees);
        } else {
            version_echec[t] = e.version;
        }
    }
}

// --- Énumération des marches ------------------------------------------------------------------------

// Une case intérieure est permise si elle n'appartient qu'à s ou à des terminales qui pourraient être
// son partenaire (le bout sera vérifié à l'arrivée).
bool moteur::case_permise(int s, int c) const {
    for (const int p : e.proprietaires[u(c)]) {
        if (p >= 0 && p != s && plat.numero[u(p)] != plat.numero[u(s)]) return false;
    }
    return true;
}

// Toute case de la marche (bouts compris) n'appartient qu'à ses deux bouts.
bool moteur::marche_coherente(int s, int arrivee) const {
    for (const int c : marche) {
        for (const int p : e.proprietaires[u(c)]) {
            if (p >= 0 && p != s && p != arrivee) return false;
        }
    }
    return true;
}

void moteur::prolonger(int s, int c, int restant) {
    if (++pas > lim.pas_par_enumeration) {
        debordement = true;
        return;
    }
    std::array<int, 4> v{};
    const int n = plat.voisines(c, v);
    for (int k = 0; k < n && !debordement; ++k) {
        const int w = v[u(k)];
        if (const int autre = plat.terminale_en[u(w)]; autre >= 0) {
            // Une terminale n'est que la dernière case, et seulement un partenaire possible.
            if (restant != 1 || std::find(partenaires.begin(), partenaires.end(), autre) == partenaires.end()) continue;
            marche.push_back(w);
            if (marche_coherente(s, autre)) {
                if (++trouvees > lim.marches_par_terminale) debordement = true;
                sortie_cases->insert(sortie_cases->end(), marche.begin(), marche.end());
                sortie_arrivees->push_back(autre);
            }
            marche.pop_back();
            continue;
        }
        if (restant == 1 || sur_marche[u(w)] || !case_permise(s, w)) continue;
        const bool atteignable = std::any_of(partenaires.begin(), partenaires.end(), [&](int p) {
            const int d = plat.distance(w, plat.case_de[u(p)]);
            return d <= restant - 1 && (restant - 1 - d) % 2 == 0;
        });
        if (!atteignable) continue;
        sur_marche[u(w)] = 1;
        marche.push_back(w);
        prolonger(s, w, restant - 1);
        marche.pop_back();
        sur_marche[u(w)] = 0;
    }
}

// Marches de s dans l'état courant, à plat (numero[s] cases chacune) ; faux si les limites débordent.
bool moteur::enumerer(int s, std::vector<int>& cases, std::vector<int>& arrivees) {
    cases.clear();
    arrivees.clear();
    const int depart = plat.case_de[u(s)], longueur = plat.numero[u(s)];
    partenaires.clear();
    for (const int p : plat.meme_numero[u(s)]) {
        const int d = plat.distance(depart, plat.case_de[u(p)]);
        if (d <= longueur - 1 && (longueur - 1 - d) % 2 == 0) partenaires.push_back(p);
    }
    if (partenaires.empty()) return true;
    sortie_cases = &cases;
    sortie_arrivees = &arrivees;
    pas = 0;
    trouvees = 0;
    debordement = false;
    marche.assign(1, depart);
    sur_marche[u(depart)] = 1;
    prolonger(s, depart, longueur - 1);
    sur_marche[u(depart)] = 0;
    return !debordement;
}

// Range les marches de s, sauf celles qu'un partenaire complet a déjà rangées, et rend s complète.
void moteur::ajouter_marches(int s, const std::vector<int>& cases, const std::vector<int>& arrivees) {
    const std::size_t n = u(plat.numero[u(s)]);
    for (std::size_t i = 0; i < arrivees.size(); ++i) {
        const int arrivee = arrivees[i];
        if (e.complete[u(arrivee)]) continue;
        res.ajouter(s, arrivee, std::span<const int>(cases).subspan(i * n, n));
        e.vivante.push_back(1);
        ++e.vivantes[u(s)];
        ++e.vivantes[u(arrivee)];
    }
    e.complete[u(s)] = 1;
    enfiler(s);
}

bool moteur::reenumerer() {
    bool reprise = false;
    std::vector<int> plates, arrivees;
    for (std::size_t t = 0; t < e.complete.size(); ++t) {
        if (e.complete[t] || version_echec[t] == e.version) continue;
        if (enumerer(static_cast<int>(t), plates, arrivees)) {
            ajouter_marches(static_cast<int>(t), plates, arrivees);
            reprise = true;
        } else {
            version_echec[t] = e.version;
        }
    }
    return reprise;
}

// --- Règles ------------------------------------------------------------------------------------------

void moteur::enfiler(int t) {
    if (e.en_file[u(t)] || !e.complete[u(t)]) return;
    e.en_file[u(t)] = 1;
    e.file.push_back(t);
}

void moteur::tuer(int m) {
    if (!e.vivante[u(m)]) return;
    e.vivante[u(m)] = 0;
    ++e.version;
    for (const int b : res.bouts(m)) {
        --e.vivantes[u(b)];
        enfiler(b);
    }
}

void moteur::posseder(int c, int t) {
    if (c == plat.case_de[u(t)]) return;
    auto& p = e.proprietaires[u(c)];
    if (p[0] == t || p[1] == t) return;
    if (p[1] >= 0) {
        e.contradiction = true;  // une marche n'a que deux bouts
        return;
    }
    p[p[0] < 0 ? 0 : 1] = t;
    ++e.version;
    for (const int m : res.passant_par(c)) {
        const auto& b = res.bouts(m);
        if (e.vivante[u(m)] && b[0] != t && b[1] != t) tuer(m);
    }
    if (const int autre = plat.terminale_en[u(c)]; autre >= 0) posseder(plat.case_de[u(t)], autre);
}

std::vector<int> moteur::marches_vivantes(int t) const {
    std::vector<int> v;
    for (const int m : res.de(t)) {
        if (e.vivante[u(m)]) v.push_back(m);
    }
    return v;
}

void moteur::examiner(int t, regles r) {
    if (plat.numero[u(t)] == 1) return;  // relié d'office, sans marche en réserve
    const int n = e.vivantes[u(t)];
    if (n == 0) {
        e.contradiction = true;
        return;
    }
    if (e.posee[u(t)] || (n > 1 && r == regles::unique_marche)) return;
    const std::vector<int> vivantes = marches_vivantes(t);
    if (n == 1) {
        // Les deux bouts sont reliés, même un partenaire resté ouvert.
        for (const int b : res.bouts(vivantes.front())) e.posee[u(b)] = 1;
        for (const int c : res.cases(vivantes.front())) posseder(c, t);
        return;
    }
    // Cases communes à toutes les marches : comptées une fois par marche.
    ++tampon_courant;
    std::vector<int> communes;
    for (const int m : vivantes) {
        for (const int c : res.cases(m)) {
            if (tampon[u(c)] != tampon_courant) tampon[u(c)] = tampon_courant, compte[u(c)] = 0;
            if (++compte[u(c)] == n) communes.push_back(c);
        }
    }
    for (const int c : communes) posseder(c, t);
}

bool moteur::propager_sans_reenumeration(regles r) {
    while (!e.file.empty() && !e.contradiction) {
        const int t = e.file.back();
        e.file.pop_back();
        e.en_file[u(t)] = 0;
        examiner(t, r);
    }
    return !e.contradiction;
}

bool moteur::propager(regles r) {
    // Les règles ont pu changer depuis le dernier appel : chaque terminale est revue.
    for (std::size_t t = 0; t < e.posee.size(); ++t) enfiler(static_cast<int>(t));
    while (propager_sans_reenumeration(r)) {
        if (!reenumerer()) return true;
    }
    return false;
}

bool moteur::termine() const {
    return std::all_of(e.posee.begin(), e.posee.end(), [](std::uint8_t p) { return p != 0; });
}

bool moteur::case_fixee(int c) const {
    const int t = plat.terminale_en[u(c)];
    return e.proprietaires[u(c)][0] >= 0 || (t >= 0 && plat.numero[u(t)] == 1);
}

// --- Essais ------------------------------------------------------------------------------------------

// La marche m de t supposée posée : rend faux si la propagation mène à une contradiction.
bool moteur::hypothese(int t, int m, int profondeur) {
    for (const int autre : marches_vivantes(t)) {
        if (autre != m) tuer(autre);
    }
    while (propager_sans_reenumeration(regles::cases_communes)) {
        // Sous une hypothèse, les essais ne portent que sur les terminales à très peu de choix.
        if (profondeur <= 1 || termine() || passer_essais(profondeur - 1, lim.choix_sous_hypothese) == 0) return true;
    }
    return false;
}

int moteur::essayer(int profondeur) { return passer_essais(profondeur, lim.marches_par_terminale); }

// Les terminales à peu de choix d'abord.
int moteur::passer_essais(int profondeur, int choix) {
    std::vector<int> ordre;
    for (std::size_t t = 0; t < e.posee.size(); ++t) {
        if (e.complete[t] && !e.posee[t] && e.vivantes[t] >= 2 && e.vivantes[t] <= choix) ordre.push_back(static_cast<int>(t));
    }
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) { return e.vivantes[u(a)] < e.vivantes[u(b)]; });
    int ecartees = 0;
    for (const int t : ordre) {
        for (const int m : marches_vivantes(t)) {
            if (!e.vivante[u(m)] || e.vivantes[u(t)] < 2) continue;
            if (hypotheses_restantes-- <= 0) return ecartees;
            etat avant = e;
            const bool possible = hypothese(t, m, profondeur);
            e = std::move(avant);
            if (!possible) {
                tuer(m);
                ++ecartees;
            }
        }
    }
    return ecartees;
}

// --- Groupes indépendants -----------------------------------------------------------------------------

std::vector<moteur::groupe> moteur::groupes_ouverts() const {
    const int cases = plat.taille * plat.taille;
    std::vector<int> parent(e.posee.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto racine = [&](int a) {
        while (parent[u(a)] != a) a = parent[u(a)] = parent[u(parent[u(a)])];
        return a;
    };
    std::vector<int> premiere(u(cases), -1);  // par case : une terminale ouverte qui peut y passer
    std::vector<std::vector<int>> zone(e.posee.size());
    const auto toucher = [&](int t, int c) {
        zone[u(t)].push_back(c);
        if (premiere[u(c)] < 0) premiere[u(c)] = t;
        else parent[u(racine(t))] = racine(premiere[u(c)]);
    };
    std::vector<int> vue(u(cases), -1), distance(u(cases), 0), a_voir;
    for (std::size_t t = 0; t < e.posee.size(); ++t) {
        if (e.posee[t]) continue;
        const int ti = static_cast<int>(t);
        if (e.complete[t]) {
            for (const int m : marches_vivantes(ti)) {
                for (const int c : res.cases(m)) {
                    if (vue[u(c)] != ti) vue[u(c)] = ti, toucher(ti, c);
                }
            }
            continue;
        }
        // Terminale ouverte : toutes les cases à moins de N pas par des cases qu'elle peut emprunter.
        const int depart = plat.case_de[t];
        a_voir.assign(1, depart);
        vue[u(depart)] = ti;
        distance[u(depart)] = 0;
        toucher(ti, depart);
        for (std::size_t i = 0; i < a_voir.size(); ++i) {
            const int c = a_voir[i];
            if (distance[u(c)] == plat.numero[t] - 1) continue;
            std::array<int, 4> v{};
            const int n = plat.voisines(c, v);
            for (int k = 0; k < n; ++k) {
                const int w = v[u(k)];
                if (vue[u(w)] == ti) continue;
                const int autre = plat.terminale_en[u(w)];
                if (autre >= 0 ? plat.numero[u(autre)] != plat.numero[t] : !case_permise(ti, w)) continue;
                vue[u(w)] = ti;
                distance[u(w)] = distance[u(c)] + 1;
                toucher(ti, w);
                if (autre < 0) a_voir.push_back(w);
            }
        }
    }
    std::vector<groupe> groupes;
    std::vector<int> numero_groupe(e.posee.size(), -1);
    for (std::size_t t = 0; t < e.posee.size(); ++t) {
        if (e.posee[t]) continue;
        int& g = numero_groupe[u(racine(static_cast<int>(t)))];
        if (g < 0) g = static_cast<int>(groupes.size()), groupes.emplace_back();
        groupes[u(g)].terminales.push_back(static_cast<int>(t));
        groupes[u(g)].cases.insert(groupes[u(g)].cases.end(), zone[t].begin(), zone[t].end());
    }
    for (auto& g : groupes) {
        std::sort(g.cases.begin(), g.cases.end());
        g.cases.erase(std::unique(g.cases.begin(), g.cases.end()), g.cases.end());
    }
    return groupes;
}

}  // namespace deduction
