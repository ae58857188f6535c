// Tests de la liste chaînée générique : positions, erreurs, partage des nœuds.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "listes_pkg.hpp"

namespace {

using entiers = listes_pkg<int>;
using liste = entiers::liste;

liste construire(std::initializer_list<int> valeurs) {
    liste l = entiers::liste_vide();
    for (int v : valeurs) entiers::ajout_fin(l, v);
    return l;
}

std::vector<int> contenu(liste l) {
    std::vector<int> valeurs;
    for (; !entiers::est_vide(l); l = entiers::get_suiv(l)) valeurs.push_back(entiers::get_elem(l));
    return valeurs;
}

// Chaque instance a ses propres exceptions, toutes filles de l'erreur commune du jeu.
static_assert(!std::is_same_v<listes_pkg<int>::ERREUR_LISTE_VIDE, listes_pkg<std::string>::ERREUR_LISTE_VIDE>);
static_assert(!std::is_same_v<listes_pkg<int>::ERREUR_POS_INTROUVABLE, listes_pkg<char>::ERREUR_POS_INTROUVABLE>);
static_assert(!std::is_same_v<listes_pkg<int>::ERREUR_ELEM_INTROUVABLE, listes_pkg<long>::ERREUR_ELEM_INTROUVABLE>);
static_assert(std::is_base_of_v<erreur_pkg::erreur, listes_pkg<int>::ERREUR_LISTE_VIDE>);
static_assert(std::is_base_of_v<erreur_pkg::erreur, listes_pkg<int>::ERREUR_POS_INTROUVABLE>);
static_assert(std::is_base_of_v<erreur_pkg::erreur, listes_pkg<int>::ERREUR_ELEM_INTROUVABLE>);

TEST(Listes, LesPositionsCommencentAUnEtVisentLePremierEgal) {
    const liste l = construire({10, 20, 30, 20});

    EXPECT_EQ(entiers::taille_liste(l), 4);
    EXPECT_EQ(entiers::obtenir_debut(l), 10);
    EXPECT_EQ(entiers::obtenir_fin(l), 20);
    EXPECT_EQ(entiers::obtenir_elem(l, 1), 10);
    EXPECT_EQ(entiers::obtenir_elem(l, 3), 30);
    EXPECT_EQ(entiers::obtenir_elem(l, 4), 20);
    EXPECT_EQ(entiers::obtenir_pos(l, 20), 2);
    EXPECT_TRUE(entiers::existe(l, 30));
    EXPECT_FALSE(entiers::existe(l, 40));
    EXPECT_FALSE(entiers::existe(entiers::liste_vide(), 0));
}

struct cas_erreur {
    const char* nom;
    std::vector<int> initiale;
    std::function<void(liste&)> operation;
    std::string erreur_attendue;
};

void PrintTo(const cas_erreur& c, std::ostream* sortie) { *sortie << c.nom; }

class ListesErreurs : public testing::TestWithParam<cas_erreur> {};

// L'erreur levée est la bonne, et la liste (contenu et premier nœud) n'a pas bougé.
TEST_P(ListesErreurs, LeveLaBonneErreurSansToucherLaListe) {
    const cas_erreur& c = GetParam();
    liste l = entiers::liste_vide();
    for (int v : c.initiale) entiers::ajout_fin(l, v);
    const liste premier_noeud = l;

    testing::internal::CaptureStdout();
    try {
        c.operation(l);
        ADD_FAILURE() << "aucune erreur levée";
    } catch (const erreur_pkg::erreur& e) {
        EXPECT_EQ(e.nom_complet(), c.erreur_attendue);
    }
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(l, premier_noeud);
    EXPECT_EQ(contenu(l), c.initiale);
}

const std::string vide = "LISTES_PKG.ERREUR_LISTE_VIDE";
const std::string pos = "LISTES_PKG.ERREUR_POS_INTROUVABLE";
const std::string elem = "LISTES_PKG.ERREUR_ELEM_INTROUVABLE";

INSTANTIATE_TEST_SUITE_P(
    Operations, ListesErreurs,
    testing::Values(
        cas_erreur{"set_suiv_vide", {}, [](liste& l) { entiers::set_suiv(l, construire({1})); }, vide},
        cas_erreur{"obtenir_debut_vide", {}, [](liste& l) { entiers::obtenir_debut(l); }, vide},
        cas_erreur{"obtenir_fin_vide", {}, [](liste& l) { entiers::obtenir_fin(l); }, vide},
        cas_erreur{"retirer_fin_vide", {}, [](liste& l) { entiers::retirer_fin(l); }, vide},
        cas_erreur{"retirer_elem_vide", {}, [](liste& l) { entiers::retirer_elem(l, 1); }, vide},
        cas_erreur{"retirer_pos_vide", {}, [](liste& l) { entiers::retirer_pos(l, 1); }, pos},
        cas_erreur{"obtenir_pos_vide", {}, [](liste& l) { entiers::obtenir_pos(l, 1); }, elem},
        cas_erreur{"obtenir_elem_vide", {}, [](liste& l) { entiers::obtenir_elem(l, 1); }, pos},
        cas_erreur{"obtenir_elem_zero", {1, 2, 3}, [](liste& l) { entiers::obtenir_elem(l, 0); }, pos},
        cas_erreur{"obtenir_elem_apres_fin", {1, 2, 3}, [](liste& l) { entiers::obtenir_elem(l, 4); }, pos},
        cas_erreur{"retirer_pos_zero", {1, 2, 3}, [](liste& l) { entiers::retirer_pos(l, 0); }, pos},
        cas_erreur{"retirer_pos_negative", {1, 2, 3}, [](liste& l) { entiers::retirer_pos(l, -1); }, pos},
        cas_erreur{"retirer_pos_apres_fin", {1, 2, 3}, [](liste& l) { entiers::retirer_pos(l, 4); }, pos},
        cas_erreur{"retirer_elem_absent", {1, 2, 3}, [](liste& l) { entiers::retirer_elem(l, 9); }, elem},
        cas_erreur{"obtenir_pos_absent", {1, 2, 3}, [](liste& l) { entiers::obtenir_pos(l, 9); }, elem}),
    [](const testing::TestParamInfo<cas_erreur>& info) { return std::string(info.param.nom); });

TEST(Listes, ObtenirElemEcritPositionEtLongueurAvantDeLever) {
    struct cas {
        std::vector<int> initiale;
        int position;
        std::string sortie;
    };
    for (const cas& c : {cas{{1, 2, 3}, 0, " 0\n 3\n"}, cas{{1, 2, 3}, 4, " 4\n 3\n"},
                         cas{{1, 2, 3}, -2, "-2\n 3\n"}, cas{{}, 1, " 1\n 0\n"}}) {
        liste l = entiers::liste_vide();
        for (int v : c.initiale) entiers::ajout_fin(l, v);
        testing::internal::CaptureStdout();
        EXPECT_THROW(entiers::obtenir_elem(l, c.position), entiers::ERREUR_POS_INTROUVABLE);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.sortie) << "position " << c.position;
    }

    testing::internal::CaptureStdout();
    EXPECT_EQ(entiers::obtenir_elem(construire({1, 2, 3}), 3), 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(Listes, AjoutPosInsereEnTeteOuEnFinSansJamaisEchouer) {
    struct cas {
        std::vector<int> initiale;
        int position;
        std::vector<int> attendue;
    };
    for (const cas& c : {cas{{}, 1, {9}}, cas{{}, 5, {9}}, cas{{}, -3, {9}},
                         cas{{1, 2, 3}, 0, {9, 1, 2, 3}}, cas{{1, 2, 3}, 1, {9, 1, 2, 3}},
                         cas{{1, 2, 3}, 2, {1, 9, 2, 3}}, cas{{1, 2, 3}, 3, {1, 2, 9, 3}},
                         cas{{1, 2, 3}, 4, {1, 2, 3, 9}}, cas{{1, 2, 3}, 99, {1, 2, 3, 9}}}) {
        liste l = entiers::liste_vide();
        for (int v : c.initiale) entiers::ajout_fin(l, v);
        entiers::ajout_pos(l, c.position, 9);
        EXPECT_EQ(contenu(l), c.attendue) << "position " << c.position;
        EXPECT_EQ(entiers::obtenir_pos(l, 9), std::min(std::max(c.position, 1), entiers::taille_liste(l)));
    }

    liste l = construire({2});
    entiers::ajout_debut(l, 1);
    entiers::ajout_fin(l, 3);
    EXPECT_EQ(contenu(l), (std::vector<int>{1, 2, 3}));
}

TEST(Listes, RetirerDelieLeBonNoeud) {
    struct cas {
        std::vector<int> initiale;
        int position;
        std::vector<int> attendue;
    };
    for (const cas& c : {cas{{7}, 1, {}}, cas{{1, 2, 3}, 1, {2, 3}}, cas{{1, 2, 3}, 2, {1, 3}},
                         cas{{1, 2, 3}, 3, {1, 2}}}) {
        liste l = entiers::liste_vide();
        for (int v : c.initiale) entiers::ajout_fin(l, v);
        entiers::retirer_pos(l, c.position);
        EXPECT_EQ(contenu(l), c.attendue) << "position " << c.position;
    }

    liste doublons = construire({4, 5, 4, 5});
    entiers::retirer_elem(doublons, 5);
    EXPECT_EQ(contenu(doublons), (std::vector<int>{4, 4, 5}));
    entiers::retirer_elem(doublons, 4);
    EXPECT_EQ(contenu(doublons), (std::vector<int>{4, 5}));
    entiers::retirer_elem(doublons, 5);
    entiers::retirer_elem(doublons, 4);
    EXPECT_TRUE(entiers::est_vide(doublons));

    liste l = construire({1, 2, 3});
    entiers::retirer_fin(l);
    EXPECT_EQ(contenu(l), (std::vector<int>{1, 2}));
    liste un_seul = construire({1});
    entiers::retirer_fin(un_seul);
    EXPECT_TRUE(entiers::est_vide(un_seul));
}

// La queue laissée par retirer_debut est celle de la liste d'origine, et elle survit à
// la libération de cette liste.
TEST(Listes, UneQueuePartageeResteValide) {
    liste l = construire({1, 2, 3});
    liste queue = l;
    entiers::retirer_debut(queue);
    EXPECT_EQ(queue, entiers::get_suiv(l));

    entiers::liberer_ressources(l);
    EXPECT_TRUE(entiers::est_vide(l));
    EXPECT_EQ(contenu(queue), (std::vector<int>{2, 3}));

    liste tete = construire({0});
    entiers::set_suiv(tete, queue);
    EXPECT_EQ(contenu(tete), (std::vector<int>{0, 2, 3}));
    entiers::retirer_fin(tete);
    EXPECT_EQ(contenu(queue), (std::vector<int>{2})) << "les nœuds sont partagés, pas copiés";
}

TEST(Listes, UnionGardeLesDoublonsDeLaPremiereListeSeulement) {
    struct cas {
        std::vector<int> l1, l2, attendue;
    };
    constexpr int a = 1, b = 2, c = 3;
    for (const cas& k : {cas{{a, b, a}, {b, c}, {a, a, b, c}}, cas{{}, {c, c}, {c}}, cas{{a, a}, {}, {a, a}},
                         cas{{a, b}, {b, a}, {b, a}}, cas{{}, {}, {}}}) {
        liste l1 = entiers::liste_vide(), l2 = entiers::liste_vide();
        for (int v : k.l1) entiers::ajout_fin(l1, v);
        for (int v : k.l2) entiers::ajout_fin(l2, v);
        EXPECT_EQ(contenu(entiers::union_listes(l1, l2)), k.attendue);
        EXPECT_EQ(contenu(l1), k.l1);
        EXPECT_EQ(contenu(l2), k.l2);
    }
}

TEST(Listes, InverserEtCloneDonnentDesChainesIndependantes) {
    liste l = construire({1, 2, 3});

    liste inverse = entiers::inverser(l);
    liste copie = entiers::clone(l);
    EXPECT_EQ(contenu(inverse), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(contenu(copie), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(entiers::est_vide(entiers::clone(entiers::liste_vide())));

    entiers::retirer_fin(copie);
    entiers::retirer_fin(inverse);
    entiers::ajout_pos(copie, 2, 8);
    EXPECT_EQ(contenu(l), (std::vector<int>{1, 2, 3}));
}

TEST(Listes, LEgaliteDesPoigneesEstLIdentite) {
    using poignees = listes_pkg<std::shared_ptr<int>>;
    const auto premiere = std::make_shared<int>(5);
    const auto jumelle = std::make_shared<int>(5);
    poignees::liste l = poignees::liste_vide();
    poignees::construire_liste(l, premiere);

    EXPECT_TRUE(poignees::existe(l, premiere));
    EXPECT_FALSE(poignees::existe(l, jumelle));
    EXPECT_THROW(poignees::retirer_elem(l, jumelle), poignees::ERREUR_ELEM_INTROUVABLE);

    using textes = listes_pkg<std::string>;
    textes::liste noms = textes::liste_vide();
    textes::ajout_fin(noms, "alice");
    EXPECT_EQ(textes::obtenir_pos(noms, std::string("alice")), 1);
}

// Une destruction récursive nœud par nœud déborderait la pile bien avant un million.
TEST(Listes, UneTresLongueListeSeLibereSansDeborderLaPile) {
    constexpr int longueur = 1'000'000;
    liste l = entiers::liste_vide();
    for (int i = 0; i < longueur; ++i) entiers::ajout_debut(l, i);
    liste milieu = l;
    for (int i = 0; i < longueur / 2; ++i) entiers::retirer_debut(milieu);

    entiers::liberer_ressources(l);
    EXPECT_EQ(entiers::taille_liste(milieu), longueur / 2);
    EXPECT_EQ(entiers::obtenir_debut(milieu), longueur / 2 - 1);

    liste copie = entiers::clone(milieu);
    liste inverse = entiers::inverser(milieu);
    entiers::liberer_ressources(milieu);
    EXPECT_EQ(entiers::obtenir_fin(inverse), longueur / 2 - 1);
}

} // namespace
