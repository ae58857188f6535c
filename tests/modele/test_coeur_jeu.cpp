// Cœur de jeu : suites de coups sur une petite grille réelle, avec ce que chaque coup produit et l'état qu'il laisse.
#include "coeur_jeu_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "niveau_pkg.hpp"
#include "partie_pkg.hpp"

#include "outils_modele.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace coeur_jeu_pkg {
// Pour lire les échecs : les champs non nuls d'un compte rendu.
void PrintTo(const compte_rendu& r, std::ostream* os) {
    *os << "{" << (r.deplace ? " deplace" : "") << (r.refuse ? " refuse" : "")
        << (r.non_adjacente ? " non_adjacente" : "") << (r.commence ? " commence" : "")
        << (r.valide ? " valide=" + std::to_string(r.valide) : "") << (r.invalide ? " invalide" : "")
        << (r.annule ? " annule" : "") << (r.supprime ? " supprime=" + std::to_string(r.supprime) : "")
        << (r.revelees ? " revelees=" + std::to_string(r.revelees) : "") << " }";
}
} // namespace coeur_jeu_pkg

namespace {

using case_simple_pkg::coordonnees;
using coeur_jeu_pkg::compte_rendu;
using coeur_jeu_pkg::etat;
using grille_pkg::direction;


enum class coup { gauche, droite, haut, bas, souris, valider, supprimer, annuler, aide };

struct pas {
    coup quoi;
    coordonnees cible;       // pour la souris
    compte_rendu attendu;
    etat etat_apres;
    coordonnees curseur_apres;
};

compte_rendu deplace() { return {.deplace = true}; }
compte_rendu refuse() { return {.refuse = true}; }

struct CoeurDeJeu : testing::Test {
    outils_modele::repertoire_temporaire racine;
    std::optional<grille_libre_pkg::grille_libre> une_partie;
    grille_libre_pkg::grille_libre& partie = recommencer();

    // Une partie neuve sur la grille d'essai, lue dans son fichier.
    grille_libre_pkg::grille_libre& recommencer() {
        racine.ecrire("essai.xml", outils_modele::grille_essai_4x4);
        une_partie.emplace();
        une_partie->initialiser("", "essai.xml");
        return *une_partie;
    }

    static compte_rendu jouer(coeur_jeu_pkg::coeur& c, const pas& p) {
        switch (p.quoi) {
        case coup::gauche: return c.deplacer(direction::gauche);
        case coup::droite: return c.deplacer(direction::droite);
        case coup::haut: return c.deplacer(direction::haut);
        case coup::bas: return c.deplacer(direction::bas);
        case coup::souris: return c.deplacer_vers(p.cible);
        case coup::valider: return c.valider();
        case coup::supprimer: return c.supprimer();
        case coup::annuler: return c.annuler();
        case coup::aide: return c.utiliser_aide();
        }
        return {};
    }

    void derouler(coeur_jeu_pkg::coeur& c, const std::vector<pas>& suite) {
        for (std::size_t i = 0; i < suite.size(); ++i) {
            SCOPED_TRACE("coup " + std::to_string(i + 1));
            EXPECT_EQ(jouer(c, suite[i]), suite[i].attendu);
            EXPECT_EQ(c.obtenir_etat(), suite[i].etat_apres);
            EXPECT_EQ(partie.obtenir_curseur(), suite[i].curseur_apres);
        }
    }

    bool occupee(coordonnees c) const { return partie.obtenir_grille()->rend_case(c)->est_occupe(); }
    int nombre_chemins() const { return listes_pkg<grille_pkg::chemin_ptr>::taille_liste(partie.obtenir_chemins()); }
};

using enum coup;
constexpr etat R = etat::RECHERCHE;
constexpr etat C = etat::CONSTRUCTION;

TEST_F(CoeurDeJeu, SuitesDeCoupsAuClavierEtALaSouris) {
    struct suite {
        const char* nom;
        std::vector<pas> coups;
        int chemins_apres;
    };
    const std::vector<suite> suites{
        {"un chemin aux flèches",
         {{valider, {}, {.commence = true}, C, {1, 1}},
          {droite, {}, deplace(), C, {2, 1}},
          {droite, {}, {.deplace = true, .valide = 3}, R, {3, 1}}},
         1},
        {"revenir sur ses pas raccourcit le chemin",
         {{valider, {}, {.commence = true}, C, {1, 1}},
          {droite, {}, deplace(), C, {2, 1}},
          {gauche, {}, deplace(), C, {1, 1}},
          {droite, {}, deplace(), C, {2, 1}},
          {droite, {}, {.deplace = true, .valide = 3}, R, {3, 1}}},
         1},
        {"pas refusés aux bords, curseur et chemin en place",
         {{gauche, {}, refuse(), R, {1, 1}},
          {bas, {}, refuse(), R, {1, 1}},
          {souris, {4, 4}, deplace(), R, {4, 4}},
          {droite, {}, refuse(), R, {4, 4}},
          {haut, {}, refuse(), R, {4, 4}},
          {souris, {1, 3}, deplace(), R, {1, 3}},
          {valider, {}, {.commence = true}, C, {1, 3}},
          {gauche, {}, refuse(), C, {1, 3}},
          {bas, {}, refuse(), C, {1, 3}},  // un « 3 » ne prolonge pas un « 2 »
          {annuler, {}, {.annule = true}, R, {1, 3}}},
         0},
        {"un chiffre égal touché trop tôt annule le chemin, le curseur y va quand même",
         {{valider, {}, {.commence = true}, C, {1, 1}},
          {haut, {}, {.deplace = true, .invalide = true}, R, {1, 2}}},
         0},
        {"à la souris, une voisine à la fois",
         {{souris, {1, 3}, deplace(), R, {1, 3}},
          {valider, {}, {.commence = true}, C, {1, 3}},
          {souris, {2, 4}, {.non_adjacente = true}, C, {1, 3}},
          {souris, {3, 3}, {.non_adjacente = true}, C, {1, 3}},
          {souris, {1, 4}, {.deplace = true, .valide = 2}, R, {1, 4}}},
         1},
        {"un « 1 » est complet dès qu'il est choisi ; une case prise ne se choisit plus",
         {{souris, {4, 4}, deplace(), R, {4, 4}},
          {valider, {}, {.commence = true, .valide = 1}, R, {4, 4}},
          {valider, {}, {}, R, {4, 4}}},
         1},
        {"effacer : abandonne le chemin en cours, puis retire un chemin validé",
         {{valider, {}, {.commence = true}, C, {1, 1}},
          {droite, {}, deplace(), C, {2, 1}},
          {supprimer, {}, {.annule = true}, R, {2, 1}},
          {souris, {1, 1}, deplace(), R, {1, 1}},
          {valider, {}, {.commence = true}, C, {1, 1}},
          {droite, {}, deplace(), C, {2, 1}},
          {droite, {}, {.deplace = true, .valide = 3}, R, {3, 1}},
          {gauche, {}, deplace(), R, {2, 1}},
          {supprimer, {}, {.supprime = 3}, R, {2, 1}},
          {supprimer, {}, {}, R, {2, 1}},
          {annuler, {}, {}, R, {2, 1}}},
         0},
    };
    for (const suite& s : suites) {
        SCOPED_TRACE(s.nom);
        recommencer();
        coeur_jeu_pkg::coeur c(partie, partie);
        derouler(c, s.coups);
        EXPECT_EQ(nombre_chemins(), s.chemins_apres);
    }
}

TEST_F(CoeurDeJeu, LeCreditDAideSuitLesCheminsValidesEtRetires) {
    coeur_jeu_pkg::coeur c(partie, partie);
    ASSERT_EQ(partie.obtenir_points_aide_partie(), 0);  // côté 4 : aucun crédit au départ
    derouler(c, {{valider, {}, {.commence = true}, C, {1, 1}},
                 {droite, {}, deplace(), C, {2, 1}},
                 {droite, {}, {.deplace = true, .valide = 3}, R, {3, 1}}});
    EXPECT_EQ(partie.obtenir_points_aide_partie(), 15);
    partie.mettre_a_jour_compteur_aide(10);
    derouler(c, {{supprimer, {}, {.supprime = 3}, R, {3, 1}}});
    EXPECT_EQ(partie.obtenir_points_aide_partie(), 0);
    EXPECT_EQ(partie.obtenir_compteur_aide(), 0) << "effacer remet les points choisis à zéro";
    EXPECT_FALSE(occupee({1, 1}) || occupee({2, 1}) || occupee({3, 1}));
}

// Trente points choisis sur un « 3 » en recherche : deux cases montrées depuis le bout où est le curseur.
TEST_F(CoeurDeJeu, LAideMontreDixPointsParCaseDepuisLeBoutDuCurseur) {
    struct cas {
        coordonnees depart;
        int compteur;
        int revelees;
        std::vector<coordonnees> chemin_aide;
    };
    const std::vector<cas> table{
        {{1, 1}, 30, 2, {{1, 1}, {2, 1}, {3, 1}}},
        {{3, 1}, 30, 2, {{3, 1}, {2, 1}, {1, 1}}},
        {{1, 1}, 10, 1, {{1, 1}, {2, 1}}},
        {{1, 1}, 50, 2, {{1, 1}, {2, 1}, {3, 1}}},  // les points en trop ne sont pas pris
    };
    for (const cas& k : table) {
        SCOPED_TRACE(std::to_string(k.depart.x) + "," + std::to_string(k.depart.y) + " avec " +
                     std::to_string(k.compteur));
        recommencer();
        partie.mettre_a_jour_score_aide(100);
        coeur_jeu_pkg::coeur c(partie, partie);
        c.deplacer_vers(k.depart);
        partie.mettre_a_jour_compteur_aide(k.compteur);
        EXPECT_EQ(c.utiliser_aide(), (compte_rendu{.revelees = k.revelees}));
        const auto aide = partie.obtenir_chemin_aide_courant();
        ASSERT_EQ(aide->longueur(), static_cast<int>(k.chemin_aide.size()));
        for (int i = 1; i <= aide->longueur(); ++i) EXPECT_EQ(aide->nieme_coord(i), k.chemin_aide[i - 1]);
        EXPECT_EQ(partie.obtenir_compteur_aide(), 0);
        EXPECT_EQ(partie.obtenir_points_aide_partie(), 100 - 10 * k.revelees);
        EXPECT_FALSE(occupee({2, 1})) << "l'aide montre, elle ne pose rien";
    }
}

TEST_F(CoeurDeJeu, LAideRefuseeNeChangeNiNePrendRien) {
    partie.mettre_a_jour_score_aide(100);
    coeur_jeu_pkg::coeur c(partie, partie);
    const struct {
        const char* quoi;
        coordonnees curseur;
        int compteur;
    } table[] = {
        {"moins de dix points", {1, 1}, 9},
        {"case ordinaire", {2, 1}, 30},
        {"case terminale « 1 »", {4, 4}, 30},
    };
    for (const auto& k : table) {
        SCOPED_TRACE(k.quoi);
        c.deplacer_vers(k.curseur);
        partie.vider_compteur_aide();
        partie.mettre_a_jour_compteur_aide(k.compteur);
        EXPECT_EQ(c.utiliser_aide(), compte_rendu{});
        EXPECT_EQ(partie.obtenir_compteur_aide(), k.compteur);
        EXPECT_EQ(partie.obtenir_points_aide_partie(), 100);
        EXPECT_FALSE(partie.aide_est_initialise());
    }
}

// En construction, le début juste du chemin est redonné sans être payé, puis la suite jusqu'aux points choisis.
TEST_F(CoeurDeJeu, LAideEnConstructionNeFaitPayerQueLesCasesNouvelles) {
    partie.mettre_a_jour_score_aide(50);
    coeur_jeu_pkg::coeur c(partie, partie);
    derouler(c, {{valider, {}, {.commence = true}, C, {1, 1}}, {droite, {}, deplace(), C, {2, 1}}});
    partie.mettre_a_jour_compteur_aide(50);
    EXPECT_EQ(c.utiliser_aide(), (compte_rendu{.revelees = 1}));
    const auto aide = partie.obtenir_chemin_aide_courant();
    ASSERT_EQ(aide->longueur(), 3);
    EXPECT_EQ(aide->nieme_coord(3), (coordonnees{3, 1}));
    EXPECT_EQ(partie.obtenir_points_aide_partie(), 40);
    EXPECT_EQ(c.obtenir_etat(), C) << "l'aide ne touche pas au chemin en cours";
}

// La campagne joue avec sa propre partie et ne bouge plus le curseur d'une grille résolue ; le jeu libre, si.
TEST_F(CoeurDeJeu, UneGrilleResolueResteImmobileSelonLaPolitique) {
    const auto solution = std::vector<pas>{
        {valider, {}, {.commence = true}, C, {1, 1}},    {droite, {}, deplace(), C, {2, 1}},
        {droite, {}, {.deplace = true, .valide = 3}, R, {3, 1}},
        {souris, {1, 2}, deplace(), R, {1, 2}},          {valider, {}, {.commence = true}, C, {1, 2}},
        {droite, {}, deplace(), C, {2, 2}},              {droite, {}, {.deplace = true, .valide = 3}, R, {3, 2}},
        {souris, {1, 3}, deplace(), R, {1, 3}},          {valider, {}, {.commence = true}, C, {1, 3}},
        {haut, {}, {.deplace = true, .valide = 2}, R, {1, 4}},
        {souris, {4, 4}, deplace(), R, {4, 4}},          {valider, {}, {.commence = true, .valide = 1}, R, {4, 4}},
    };
    coeur_jeu_pkg::coeur libre(partie, partie);
    derouler(libre, solution);
    ASSERT_TRUE(partie.est_valide());
    derouler(libre, {{gauche, {}, deplace(), R, {3, 4}},
                     {souris, {1, 1}, {}, R, {3, 4}},
                     {supprimer, {}, {}, R, {3, 4}}});

    partie_pkg::partie campagne;
    campagne.initialiser(outils_modele::grille_avec(2, {{1, 1, 1}, {2, 1, 1}, {1, 2, 2}, {2, 2, 2}}));
    struct sans_aide : coeur_jeu_pkg::compte_aide {
        int obtenir_compteur_aide() const override { return 0; }
        void mettre_a_jour_compteur_aide(int) override {}
        void vider_compteur_aide() override {}
        grille_pkg::chemin_ptr obtenir_chemin_aide_courant() const override { return nullptr; }
        void reinitialiser_chemin_aide(const case_simple_pkg::classe_case&) override {}
        void payer_aide(int) override {}
        void compter_chemin_valide(int) override {}
        void compter_chemin_supprime(int) override {}
    } compte;
    coeur_jeu_pkg::coeur c(campagne, compte, {.immobile_si_resolue = true});
    EXPECT_EQ(c.valider(), (compte_rendu{.commence = true, .valide = 1}));
    EXPECT_EQ(campagne.obtenir_score(), 10) << "la partie de campagne compte dix points par case validée";
    EXPECT_EQ(c.deplacer(direction::droite), deplace());
    EXPECT_EQ(c.valider(), (compte_rendu{.commence = true, .valide = 1}));
    EXPECT_EQ(c.deplacer(direction::haut), deplace());
    EXPECT_EQ(c.valider(), (compte_rendu{.commence = true}));
    EXPECT_EQ(c.deplacer(direction::gauche), (compte_rendu{.deplace = true, .valide = 2}));
    ASSERT_TRUE(campagne.est_valide());
    EXPECT_EQ(campagne.obtenir_score(), 40);
    EXPECT_EQ(c.deplacer(direction::droite), compte_rendu{});
    EXPECT_EQ(campagne.obtenir_curseur(), (coordonnees{1, 2}));
}

// En campagne, le niveau tient le crédit : une aide se paie sur la partie courante (points utilisés) et le
// crédit se recalcule, de même après chaque chemin validé ou retiré.
TEST_F(CoeurDeJeu, EnCampagneLeNiveauFaitPayerLAideSurLaPartieCourante) {
    niveau_pkg::niveau niveau;
    niveau.initialiser_niveau("essai");
    niveau.obtenir_partie(1)->charger_partie_campagne("", "essai.xml");
    niveau.changer_partie_courante(1);
    partie_pkg::partie& jeu = *niveau.obtenir_partie_courante();
    coeur_jeu_pkg::coeur c(jeu, niveau, {.immobile_si_resolue = true});

    c.valider();
    c.deplacer(direction::droite);
    ASSERT_EQ(c.deplacer(direction::droite), (compte_rendu{.deplace = true, .valide = 3}));
    EXPECT_EQ(jeu.obtenir_score(), 30);
    EXPECT_EQ(niveau.obtenir_score_aide(), 15);

    niveau.mettre_a_jour_compteur_aide(10);
    c.deplacer_vers({1, 2});
    EXPECT_EQ(c.utiliser_aide(), (compte_rendu{.revelees = 1}));
    EXPECT_EQ(jeu.obtenir_points_aide_utilises(), 10);
    EXPECT_EQ(niveau.obtenir_score_aide(), 5);
    EXPECT_EQ(niveau.obtenir_compteur_aide(), 0);
    EXPECT_EQ(niveau.obtenir_chemin_aide_courant()->longueur(), 2);
    EXPECT_EQ(jeu.obtenir_score(), 30) << "l'aide ne touche pas au score de la partie";

    niveau.mettre_a_jour_compteur_aide(5);
    c.deplacer_vers({2, 1});
    EXPECT_EQ(c.supprimer(), (compte_rendu{.supprime = 3}));
    EXPECT_EQ(jeu.obtenir_score(), 0);
    EXPECT_EQ(niveau.obtenir_score_aide(), -10);
    EXPECT_EQ(niveau.obtenir_compteur_aide(), 0);
}

} // namespace
