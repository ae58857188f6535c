// Grille à l'écran sans fenêtre : place et indice des tuiles, texture selon l'état, événements de la souris, curseur.
#include "case_term_3d_pkg.hpp"
#include "curseur_3d_pkg.hpp"
#include "grille_3d_pkg.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using case_simple_pkg::coordonnees;
using objet_3d_pkg::coordonnee_3d;

struct terminale {
    coordonnees c;
    int chiffre;
};

grille_pkg::grille_ptr grille_modele(int taille, const std::vector<terminale>& terminales) {
    auto g = std::make_shared<grille_pkg::grille>(taille);
    g->initialiser("essai");
    for (const terminale& t : terminales) {
        g->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(t.chiffre), t.c);
    }
    return g;
}

grille_3d_pkg::classe_grille_affichable grille_construite(const grille_pkg::grille_ptr& g) {
    auto g3d = std::make_shared<grille_3d_pkg::grille_affichable>(g);
    g3d->initialiser();
    return g3d;
}

TEST(GrilleAffichable, LesTuilesSeTouchentCentreesSurLOrigineEtSontRetrouveesParLeurCase) {
    const auto g = grille_modele(2, {{{2, 1}, 1}});
    const auto g3d = grille_construite(g);
    const struct {
        coordonnees c;
        coordonnee_3d centre;
    } cas[] = {{{1, 1}, {-0.5f, -0.5f, 0.0f}},
               {{1, 2}, {-0.5f, 0.5f, 0.0f}},
               {{2, 1}, {0.5f, -0.5f, 0.0f}},
               {{2, 2}, {0.5f, 0.5f, 0.0f}}};
    for (const auto& k : cas) {
        const auto tuile = g3d->obtenir_case_affichable(k.c);
        ASSERT_NE(tuile, nullptr);
        EXPECT_EQ(tuile->obtenir_position(), k.centre) << k.c.x << "," << k.c.y;
        EXPECT_FLOAT_EQ(tuile->obtenir_echelle(), 0.5f);
        EXPECT_EQ(tuile->obtenir_case_affichee(), g->rend_case(k.c)) << k.c.x << "," << k.c.y;
        EXPECT_TRUE(tuile->est_initialise());
    }
    EXPECT_NE(std::dynamic_pointer_cast<case_term_3d_pkg::case_term_affichable>(g3d->obtenir_case_affichable({2, 1})),
              nullptr);
    EXPECT_EQ(std::dynamic_pointer_cast<case_term_3d_pkg::case_term_affichable>(g3d->obtenir_case_affichable({1, 2})),
              nullptr);

    // Ajoutées en tête : la dernière construite, (2, 2), est dessinée la première, (1, 1) la dernière.
    EXPECT_EQ(objet_3d_pkg::l_obj3d::taille_liste(g3d->obtenir_sous_objets()), 4);
    EXPECT_EQ(g3d->obtenir_nieme_objets(1), g3d->obtenir_case_affichable({2, 2}));
    EXPECT_EQ(g3d->obtenir_nieme_objets(4), g3d->obtenir_case_affichable({1, 1}));
    EXPECT_FLOAT_EQ(grille_3d_pkg::taille_grille(*g3d), 2.0f);
    EXPECT_EQ(grille_3d_pkg::taille_grille_entiere(*g3d), 2);
}

TEST(GrilleAffichable, UneCaseHorsDeLaGrilleEstRefuseeAuLieuDeDonnerLaTuileDUneAutre) {
    const auto g3d = grille_construite(grille_modele(3, {}));
    // (2, 0) tomberait sur l'indice de (1, 3), (1, 4) sur celui de (2, 1).
    for (const coordonnees c : {coordonnees{2, 0}, coordonnees{1, 4}, coordonnees{0, 1}, coordonnees{4, 3}}) {
        EXPECT_THROW(g3d->obtenir_case_affichable(c), std::out_of_range) << c.x << "," << c.y;
    }
    const auto vide = std::make_shared<grille_3d_pkg::grille_affichable>(grille_modele(3, {}));
    EXPECT_THROW(vide->obtenir_case_affichable({1, 1}), std::out_of_range);
}

TEST(GrilleAffichable, UnSecondInitialiserNeDoublePasLesTuiles) {
    const auto g3d = grille_construite(grille_modele(3, {}));
    const auto premiere = g3d->obtenir_case_affichable({3, 2});
    g3d->initialiser();
    EXPECT_EQ(objet_3d_pkg::l_obj3d::taille_liste(g3d->obtenir_sous_objets()), 9);
    EXPECT_EQ(g3d->obtenir_case_affichable({3, 2}), premiere);
}

TEST(GrilleAffichable, UneCaseNonConstruiteRefuseDeSeDessinerEtUneCaseSimpleNEstPasTerminale) {
    case_3d_pkg::case_affichable tuile;
    EXPECT_THROW(tuile.afficher(), case_3d_pkg::ERREUR_CASE_NON_INITIALISEE);
    EXPECT_THROW(tuile.initialiser(nullptr, 2), std::invalid_argument);
    case_term_3d_pkg::case_term_affichable terminale;
    EXPECT_THROW(terminale.initialiser(std::make_shared<case_simple_pkg::case_simple>(), 2), std::invalid_argument);
    EXPECT_FALSE(terminale.est_initialise());
}

TEST(CaseTerminale, LeChiffreSansBlancCouvreLaTuileEtTientDansSaLargeur) {
    const auto g3d = grille_construite(grille_modele(3, {{{1, 1}, 1}, {{3, 2}, 12}}));
    const struct {
        coordonnees c;
        int chiffre;
        std::string texte;
    } cas[] = {{{1, 1}, 1, "1"}, {{3, 2}, 12, "12"}};
    for (const auto& k : cas) {
        const auto tuile =
            std::dynamic_pointer_cast<case_term_3d_pkg::case_term_affichable>(g3d->obtenir_case_affichable(k.c));
        ASSERT_NE(tuile, nullptr);
        EXPECT_EQ(tuile->obtenir_chiffre(), k.chiffre);
        const auto texte = tuile->obtenir_texte_chiffre();
        ASSERT_NE(texte, nullptr);
        EXPECT_EQ(texte->obtenir_texte(), k.texte);
        EXPECT_EQ(texte->obtenir_couleur(), affichage_texte_pkg::noir);
        EXPECT_FLOAT_EQ(texte->obtenir_echelle(), 2.0f);
        EXPECT_FLOAT_EQ(texte->obtenir_largeur_max(), 1.6f);  // la tuile fait 2 de large, biseau compris
        EXPECT_EQ(texte->obtenir_position(), (coordonnee_3d{}));
        EXPECT_EQ(tuile->obtenir_nieme_objets(1), texte);
    }
}

// Libre, occupée, occupée en partie gagnée ; une case libre d'une grille finie reste libre.
TEST(CaseAffichable, LaTextureSuitLOccupationPuisLaFinDeLaPartie) {
    const auto g = grille_modele(2, {{{1, 1}, 3}});
    const auto g3d = grille_construite(g);
    const struct {
        coordonnees c;
        bool occupe;
        bool fini;
        std::string texture;
    } cas[] = {
        {{2, 2}, false, false, "case"},           {{2, 2}, true, false, "case_occupe"},
        {{2, 2}, true, true, "case_terminale_occupe"}, {{2, 2}, false, true, "case"},
        {{1, 1}, false, false, "case_terminale"}, {{1, 1}, true, false, "case_terminale_occupe"},
        {{1, 1}, true, true, "case_terminale_occupe"}, {{1, 1}, false, true, "case_terminale"},
    };
    // Chaque tuile passe par ses états dans l'ordre : finie, elle le reste.
    for (const auto& k : cas) {
        const auto la_case = g->rend_case(k.c);
        k.occupe ? la_case->occuper() : la_case->liberer();
        const auto montree = g3d->obtenir_case_affichable(k.c);
        if (k.fini) {
            montree->finir_case();
        }
        EXPECT_EQ(montree->texture_courante(), k.texture)
            << k.c.x << "," << k.c.y << (k.occupe ? " occupée" : " libre") << (k.fini ? " finie" : "");
        EXPECT_EQ(montree->case_est_fini(), k.fini);
    }
}

TEST(CaseAffichable, LesTexturesLibreEtOccupeePeuventEtreRemplacees) {
    const auto g = grille_modele(1, {});
    const auto tuile = grille_construite(g)->obtenir_case_affichable({1, 1});
    tuile->definir_texture_libre("curseur");
    tuile->definir_texture_occupe("recherche");
    EXPECT_EQ(tuile->texture_courante(), "curseur");
    g->rend_case({1, 1})->occuper();
    EXPECT_EQ(tuile->texture_courante(), "recherche");
}

TEST(CaseAffichable, LaLoupeSuitLesDemandesDAide) {
    const auto g3d = grille_construite(grille_modele(2, {{{2, 2}, 2}}));
    const auto simple = g3d->obtenir_case_affichable({1, 2});
    const auto terminale =
        std::dynamic_pointer_cast<case_term_3d_pkg::case_term_affichable>(g3d->obtenir_case_affichable({2, 2}));
    EXPECT_FALSE(simple->obtenir_aide());
    simple->modifier_aide(true);
    terminale->modifier_aide_term(true);
    EXPECT_TRUE(simple->obtenir_aide());
    EXPECT_TRUE(terminale->obtenir_aide());
    terminale->modifier_aide_term(false);
    EXPECT_FALSE(terminale->obtenir_aide());
}

struct evenement_attendu {
    std::string nom;
    evenement_pkg::donnee_evenement donnee;
    bool operator==(const evenement_attendu&) const = default;
};

std::ostream& operator<<(std::ostream& o, const evenement_attendu& e) {
    o << e.nom;
    if (const auto* c = std::get_if<coordonnees>(&e.donnee)) {
        o << " (" << c->x << ", " << c->y << ")";
    }
    return o;
}

struct EvenementsDeLaCase : testing::Test {
    grille_3d_pkg::classe_grille_affichable g3d = grille_construite(grille_modele(3, {{{3, 1}, 2}}));

    // Ce que la tuile a rapporté.
    static std::vector<evenement_attendu> rapportes(objet_3d_recepteur_pkg::objet_3d_recepteur& tuile) {
        std::vector<evenement_attendu> e;
        for (const auto& suivant : tuile.prendre_rapports()) {
            EXPECT_EQ(suivant.type, evenement_pkg::EVENEMENT_NOMME);
            EXPECT_EQ(suivant.code, 0);
            e.push_back({evenement_pkg::nom_de(suivant), suivant.donnee});
        }
        return e;
    }
};

TEST_F(EvenementsDeLaCase, AppuiRelachementEntreeSelonLeBoutonOuLeMasque) {
    using evenement_pkg::evenement;
    enum crochet { appui, relache, entree, entree_par_appui, mouvement, sortie };
    const coordonnees c{2, 3};
    const coordonnees ct{3, 1};
    const struct {
        crochet quoi;
        coordonnees sur;
        std::uint8_t bouton;
        std::vector<evenement_attendu> attendus;
    } cas[] = {
        {appui, c, 1, {{"appuie", {}}}},
        {appui, c, 2, {{"appuie", {}}}},
        {appui, ct, 3, {{"appuie", {}}}},
        {appui, c, 4, {}},  // un cran de molette n'appuie sur rien
        {appui, c, 5, {}},
        {relache, c, 1, {{"valider", {}}}},
        {relache, ct, 3, {{"effacer", {}}}},
        {relache, c, 2, {}},
        {relache, c, 4, {}},
        {entree, c, 1, {{"glisser", c}}},
        {entree, ct, 1, {{"glisser", ct}}},
        {entree, c, 0, {{"deplacer_curseur", c}}},
        {entree, c, 4, {{"deplacer_curseur", c}}},  // bouton droit tenu
        {entree, c, 5, {{"deplacer_curseur", c}}},  // gauche et droit tenus
        {entree_par_appui, c, 1, {{"deplacer_curseur", c}}},  // appui gauche sur une case pas encore survolée
        {mouvement, c, 1, {}},
        {sortie, c, 0, {}},
    };
    for (const auto& k : cas) {
        const auto tuile = g3d->obtenir_case_affichable(k.sur);
        evenement e;
        e.bouton = k.bouton;
        switch (k.quoi) {
        case appui: e.type = evenement_pkg::SOURIS_APPUIE; tuile->sourisappuie(e); break;
        case relache: e.type = evenement_pkg::SOURIS_RELACHE; tuile->sourisrelache(e); break;
        case entree: e.type = evenement_pkg::SOURIS_BOUGE; tuile->sourisentre(e); break;
        case entree_par_appui: e.type = evenement_pkg::SOURIS_APPUIE; tuile->sourisentre(e); break;
        case mouvement: e.type = evenement_pkg::SOURIS_BOUGE; tuile->sourisbouge(e); break;
        case sortie: e.type = evenement_pkg::SOURIS_BOUGE; tuile->sourissort(e); break;
        }
        EXPECT_EQ(rapportes(*tuile), k.attendus) << "crochet " << k.quoi << ", bouton " << +k.bouton;
    }
}

// Pour un côté pair ou impair, le curseur recouvre exactement la tuile de sa case.
TEST(Curseur, LeCurseurRecouvreExactementLaTuileDeSaCase) {
    for (const int taille : {1, 2, 5, 42}) {
        for (const coordonnees c : {coordonnees{1, 1}, coordonnees{taille, 1}, coordonnees{1, taille},
                                    coordonnees{taille, taille}, coordonnees{(taille + 1) / 2, taille / 2 + 1}}) {
            const coordonnee_3d centre = grille_3d_pkg::position_tuile(taille, c);
            const curseur_3d_pkg::rectangle r = curseur_3d_pkg::rectangle_curseur(taille, c);
            EXPECT_FLOAT_EQ(r.x_min, centre.x - 0.5f) << taille << " : " << c.x << "," << c.y;
            EXPECT_FLOAT_EQ(r.x_max, centre.x + 0.5f) << taille << " : " << c.x << "," << c.y;
            EXPECT_FLOAT_EQ(r.y_min, centre.y - 0.5f) << taille << " : " << c.x << "," << c.y;
            EXPECT_FLOAT_EQ(r.y_max, centre.y + 0.5f) << taille << " : " << c.x << "," << c.y;
        }
    }
}

TEST(Curseur, PartDeLaPremiereCaseSuitLeModeleEtExigeUnCotePositif) {
    curseur_3d_pkg::curseur_affichable curseur(4);
    EXPECT_EQ(curseur.obtenir_coordonnees(), (coordonnees{1, 1}));
    curseur.mettre_a_jour({3, 4});
    EXPECT_EQ(curseur.obtenir_coordonnees(), (coordonnees{3, 4}));
    EXPECT_EQ(curseur.obtenir_taille_grille(), 4);
    EXPECT_THROW(curseur_3d_pkg::curseur_affichable(0), std::out_of_range);
}

} // namespace
