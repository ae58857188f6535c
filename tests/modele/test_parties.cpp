// Parties de campagne et grilles libres : chemins validés, score, aide, fichiers de partie.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "fichier_xml_pkg.hpp"
#include "grille_libre_pkg.hpp"
#include "emplacements_pkg.hpp"
#include "horloge_reglable.hpp"
#include "outils_modele.hpp"
#include "partie_pkg.hpp"
#include "parties_libres_pkg.hpp"

using grille_pkg::direction;
using outils_modele::erreur_levee;
using outils_modele::repertoire_temporaire;

namespace {

// 5 × 5 : une paire de "4" en bas (chemin droit), une paire de "3" au-dessus, un "1" en haut à droite.
grille_pkg::grille_ptr grille_partie() {
    return outils_modele::grille_avec(5, {{1, 1, 4}, {4, 1, 4}, {1, 2, 3}, {3, 2, 3}, {5, 5, 1}});
}

template <typename jeu>
void poser(jeu& j, case_simple_pkg::coordonnees depart, std::vector<direction> pas) {
    j.demarrer_chemin_courant(j.obtenir_grille()->rend_case(depart));
    for (auto d : pas) j.obtenir_chemin_courant()->avancer(d);
    j.valider_chemin_courant();
}

TEST(Partie, ScoreDesCheminsValidesEtSupprimes) {
    partie_pkg::partie p;
    p.initialiser(grille_partie());
    poser(p, {1, 1}, {direction::droite, direction::droite, direction::droite});
    EXPECT_EQ(p.obtenir_score(), 40);
    EXPECT_EQ(p.supprimer_chemin_depuis_case(p.obtenir_grille()->rend_case({3, 1})), 40);
    EXPECT_EQ(p.obtenir_score(), 0);
    for (int x = 1; x <= 4; ++x) EXPECT_FALSE(p.obtenir_grille()->rend_case({x, 1})->est_occupe());
    EXPECT_EQ(p.supprimer_chemin_depuis_case(p.obtenir_grille()->rend_case({3, 1})), 0);
    p.mettre_a_jour_score(-15);
    EXPECT_EQ(p.obtenir_score(), 0);
}

TEST(Partie, ScoreAvecChrono) {
    struct cas { float secondes; int attendu; };
    for (const cas c : {cas{30.4f, 40}, cas{30.5f, 38}, cas{100.0f, 0}, cas{0.0f, 100}}) {
        partie_pkg::partie p;
        p.mettre_a_jour_score(100);
        p.obtenir_temps_ptr()->initialiser_timer(c.secondes);
        EXPECT_EQ(p.obtenir_score_avec_chrono(), c.attendu) << c.secondes;
    }
}

TEST(Partie, ValidationCheminCourant) {
    partie_pkg::partie p;
    p.initialiser(grille_partie());
    EXPECT_EQ(erreur_levee([&] { p.obtenir_chemin_courant(); }),
              "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_NON_INITIALISE");
    EXPECT_EQ(erreur_levee([&] { p.valider_chemin_courant(); }), "GRILLE_PKG.ERREUR_CHEMIN_NON_INITIALISE");
    p.demarrer_chemin_courant(p.obtenir_grille()->rend_case({1, 2}));
    EXPECT_EQ(erreur_levee([&] { p.demarrer_chemin_courant(p.obtenir_grille()->rend_case({5, 5})); }),
              "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_DEMARRE");
    p.obtenir_chemin_courant()->avancer(direction::droite);
    EXPECT_EQ(erreur_levee([&] { p.valider_chemin_courant(); }),
              "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_NON_TERMINE");
    p.annuler_chemin_courant();
    EXPECT_FALSE(p.obtenir_grille()->rend_case({1, 2})->est_occupe());
    EXPECT_FALSE(p.obtenir_grille()->rend_case({2, 2})->est_occupe());

    // Un "4" qui rejoint son partenaire en trois cases : terminé mais pas valide, il reste en construction.
    auto g = outils_modele::grille_avec(3, {{1, 1, 4}, {3, 1, 4}});
    partie_pkg::partie courte;
    courte.initialiser(g);
    courte.demarrer_chemin_courant(g->rend_case({1, 1}));
    courte.obtenir_chemin_courant()->avancer(direction::droite);
    courte.obtenir_chemin_courant()->avancer(direction::droite);
    EXPECT_EQ(erreur_levee([&] { courte.valider_chemin_courant(); }),
              "JEU_SUR_GRILLE_PKG.ERREUR_CHEMIN_COURANT_NON_VALIDE");
    EXPECT_EQ(courte.obtenir_chemin_courant()->longueur(), 3);
}

TEST(Partie, FinDePartieSansRegarderLaSolutionStockee) {
    partie_pkg::partie p;
    p.initialiser(grille_partie());
    poser(p, {1, 1}, {direction::droite, direction::droite, direction::droite});
    poser(p, {1, 2}, {direction::droite, direction::droite});
    EXPECT_FALSE(p.terminee());
    EXPECT_FALSE(p.est_valide());
    poser(p, {5, 5}, {});
    EXPECT_TRUE(p.terminee());
    EXPECT_TRUE(p.est_valide());
}

TEST(Partie, CurseurDeplaceXAvantDeRefuserY) {
    partie_pkg::partie p;
    p.initialiser(grille_partie());
    EXPECT_EQ(erreur_levee([&] { p.deplacer_curseur({6, 2}); }), "JEU_SUR_GRILLE_PKG.ERREUR_CURSEUR_HORS_LIMITE");
    EXPECT_EQ(p.obtenir_curseur(), (case_simple_pkg::coordonnees{1, 1}));
    EXPECT_EQ(erreur_levee([&] { p.deplacer_curseur({3, 9}); }), "JEU_SUR_GRILLE_PKG.ERREUR_CURSEUR_HORS_LIMITE");
    EXPECT_EQ(p.obtenir_curseur(), (case_simple_pkg::coordonnees{3, 1}));
    p.deplacer_curseur({5, 5});
    p.initialiser_curseur();
    EXPECT_EQ(p.obtenir_curseur(), (case_simple_pkg::coordonnees{1, 1}));
}

// La grille 5 × 5 avec une solution enregistrée : son « 1 ».
grille_pkg::grille_ptr grille_partie_avec_solution() {
    auto g = grille_partie();
    auto solution = std::make_shared<grille_pkg::chemin>();
    solution->initialiser(*g, g->rend_case({5, 5}));
    g->ajouter_chemin_solution(solution);
    g->liberer_cases();
    return g;
}

// Grille 5 × 5 avec sa solution, sauvegardée comme partie de campagne avec deux chemins joués.
std::string sauver_partie_jouee(const std::string& nom) {
    partie_pkg::partie p;
    p.initialiser(grille_partie_avec_solution());
    poser(p, {1, 1}, {direction::droite, direction::droite, direction::droite});  // A
    poser(p, {1, 2}, {direction::droite, direction::droite});                     // B, validé en dernier
    p.mettre_a_jour_points_aide_utilises(7);
    p.obtenir_temps_ptr()->initialiser_timer(12.5f);
    p.sauvegarder_partie_campagne("", nom);
    return repertoire_temporaire::lire(nom);
}

TEST(Partie, SauvegardeEtRelectureInversentLOrdreDesChemins) {
    repertoire_temporaire rep;
    const std::string contenu = sauver_partie_jouee("p.save.xml");
    EXPECT_TRUE(contenu.starts_with("<partie aide=\" 7\" score=\" 70\" timer=\" 13\"><grille nom=\"essai\" taille=\" 5\">"))
        << contenu;
    const auto chemins_joues = contenu.find("<chemins_joues><chemin longueur=\" 3\"><coordonnees x=\" 1\" y=\" 2\">");
    EXPECT_NE(chemins_joues, std::string::npos) << contenu;
    EXPECT_EQ(contenu.back(), '\n');

    partie_pkg::partie relue;
    relue.charger_partie_campagne("", "p.save.xml");
    EXPECT_EQ(relue.obtenir_score(), 70);
    EXPECT_EQ(relue.obtenir_points_aide_utilises(), 7);
    EXPECT_EQ(timer_pkg::secondes_arrondies(relue.obtenir_temps_ptr()->obtenir_temps_passe()), 13);
    EXPECT_EQ(relue.obtenir_grille()->obtenir_nom_grille(), "p.save.xml");
    const auto chemins = relue.obtenir_chemins();
    ASSERT_EQ(partie_pkg::listes_chemin_pkg::taille_liste(chemins), 2);
    EXPECT_EQ(partie_pkg::listes_chemin_pkg::obtenir_debut(chemins)->longueur(), 4);  // A, B
    EXPECT_TRUE(relue.obtenir_grille()->rend_case({4, 1})->est_occupe());
    EXPECT_FALSE(relue.obtenir_grille()->rend_case({5, 5})->est_occupe());
    EXPECT_TRUE(relue.est_valide() == false);

    relue.obtenir_grille()->nommer_grille("essai");
    relue.sauvegarder_partie_campagne("", "deux.save.xml");
    relue.charger_partie_campagne("", "deux.save.xml");
    relue.obtenir_grille()->nommer_grille("essai");
    relue.sauvegarder_partie_campagne("", "trois.save.xml");
    EXPECT_EQ(repertoire_temporaire::lire("trois.save.xml"), repertoire_temporaire::lire("p.save.xml"));
}

TEST(Partie, AttributsAbsentsEtFichiersRefuses) {
    repertoire_temporaire rep;
    const std::string grille = "<grille taille=\"1\"><case_terminale chiffre=\"1\"><coordonnees x=\"1\" y=\"1\">"
                               "</coordonnees></case_terminale><solution><chemin longueur=\"1\"><coordonnees "
                               "x=\"1\" y=\"1\"></coordonnees></chemin></solution></grille>";
    repertoire_temporaire::ecrire("nu.xml", "<partie>" + grille + "</partie>");
    partie_pkg::partie p;
    p.mettre_a_jour_score(50);
    p.charger_partie_campagne("", "nu.xml");
    EXPECT_EQ(p.obtenir_score(), 0);
    EXPECT_EQ(p.obtenir_points_aide_utilises(), 0);
    EXPECT_EQ(p.obtenir_temps_ptr()->obtenir_temps_passe().count(), 0);
    EXPECT_FALSE(p.obtenir_grille()->rend_case({1, 1})->est_occupe());

    struct cas { const char* contenu; const char* erreur; };
    const std::string partie_avec = "<partie score=\"9\">" + grille;
    for (const cas c : {
             cas{"<grille></grille>", "JEU_SUR_GRILLE_PKG.ERREUR_FICHIER_N_EST_PAS_UNE_PARTIE"},
             cas{"<partie></partie>", "GRILLE_PKG.ERREUR_FICHIER_VIDE"},
             cas{"", "GRILLE_PKG.ERREUR_FICHIER_VIDE"},
             cas{"<partie aide=\"-1\"></partie>", "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
             cas{"<partie timer=\"1e300\"></partie>", "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
             cas{"<partie timer=\"nan\"></partie>", "FICHIER_XML_PKG.ERREUR_VALEUR_INVALIDE"},
         }) {
        repertoire_temporaire::ecrire("x.xml", c.contenu);
        EXPECT_EQ(erreur_levee([&] { p.charger_partie_campagne("", "x.xml"); }), c.erreur) << c.contenu;
    }
    // Chemins joués : vides, invalides, ou deux fois sur la même case.
    for (const cas c : {
             cas{"<chemins_joues><chemin longueur=\"2\"><coordonnees x=\"1\" y=\"1\"></coordonnees></chemin></chemins_joues>",
                 "GRILLE_PKG.ERREUR_CHEMIN_INVALIDE"},
             cas{"<chemins_joues><chemin longueur=\"1\"><coordonnees x=\"1\" y=\"1\"></coordonnees></chemin>"
                 "<chemin longueur=\"1\"><coordonnees x=\"1\" y=\"1\"></coordonnees></chemin></chemins_joues>",
                 "GRILLE_PKG.ERREUR_CHARGEMENT_CHEMIN"},
         }) {
        repertoire_temporaire::ecrire("x.xml", partie_avec + c.contenu + "</partie>");
        EXPECT_EQ(erreur_levee([&] { p.charger_partie_campagne("", "x.xml"); }), c.erreur) << c.contenu;
    }
    // Rien n'a changé après tous ces refus.
    EXPECT_EQ(p.obtenir_grille()->obtenir_nom_grille(), "nu.xml");
    EXPECT_EQ(p.obtenir_score(), 0);
}

// Le contenu d'un fichier dont la première occurrence de avant est remplacée par apres.
std::string remplace(std::string contenu, const std::string& avant, const std::string& apres) {
    const auto position = contenu.find(avant);
    if (position == std::string::npos) ADD_FAILURE() << avant << " absent de " << contenu;
    else contenu.replace(position, avant.size(), apres);
    return contenu;
}

// Nombres d'une sauvegarde écrite par le jeu, changés à la main : hors des bornes que donnent les règles, le fichier
// est refusé par une erreur qui nomme l'attribut ; aux bornes, il se charge.
TEST(Partie, LesNombresHorsDesBornesDesReglesSontRefuses) {
    repertoire_temporaire rep;
    const std::string ecrit = sauver_partie_jouee("p.save.xml");
    struct cas { const char* attribut; std::string valeur; bool accepte; };
    for (const cas& c : {cas{"score", " 1000000000", false},  // six fois : la somme du niveau débordait
                         cas{"score", "-1", false},
                         cas{"score", " 17641", false},
                         cas{"score", " 17640", true},  // dix points par case du 42 × 42
                         cas{"aide", " 52921", false},
                         cas{"aide", " 52920", true},  // la moitié des scores de six 42 × 42
                         cas{"timer", " 1000000001", false},
                         cas{"timer", " 1000000000", true}}) {
        const std::string avant = std::string(c.attribut) + "=\"";
        const std::string valeur_ecrite = ecrit.substr(ecrit.find(avant) + avant.size());
        rep.ecrire("x.save.xml", remplace(ecrit, avant + valeur_ecrite.substr(0, valeur_ecrite.find('"')),
                                          avant + c.valeur));
        partie_pkg::partie p;
        try {
            p.charger_partie_campagne("", "x.save.xml");
            EXPECT_TRUE(c.accepte) << c.attribut << "=" << c.valeur << " accepté";
        } catch (const fichier_xml_pkg::ERREUR_VALEUR_INVALIDE& e) {
            EXPECT_FALSE(c.accepte) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.attribut), std::string::npos) << e.what();
        }
    }
}

// Un chronomètre lu à sa borne puis joué trois secondes s'écrivait 1000000003, que la lecture suivante refusait :
// le jeu sature ce qu'il écrit, et ce qu'il écrit se relit.
TEST(Partie, UnChronometreASaBorneQuiTourneEncoreSeRelit) {
    repertoire_temporaire rep;
    const std::string ecrit = sauver_partie_jouee("p.save.xml");
    rep.ecrire("borne.save.xml", remplace(ecrit, "timer=\" 13\"", "timer=\" 1000000000\""));
    horloge_reglable_pkg::horloge_reglable horloge;
    partie_pkg::partie p(horloge);
    p.charger_partie_campagne("", "borne.save.xml");
    p.obtenir_temps_ptr()->demarrer_chrono();
    horloge.instant += std::chrono::seconds(3);
    p.obtenir_temps_ptr()->arreter_chrono();
    p.sauvegarder_partie_campagne("", "borne.save.xml");
    EXPECT_NE(repertoire_temporaire::lire("borne.save.xml").find("timer=\" 1000000000\""), std::string::npos);
    partie_pkg::partie relue;
    relue.charger_partie_campagne("", "borne.save.xml");
    EXPECT_EQ(timer_pkg::secondes_arrondies(relue.obtenir_temps_ptr()->obtenir_temps_passe()), partie_pkg::TIMER_MAX);
}

// Ce que le jeu écrit se relit : des nombres tirés dans tout leur domaine (graine fixe), parfois poussés au-delà par
// le jeu lui-même (chemins validés, aide payée, temps joué), sont écrits, relus, et reviennent tels que le jeu les
// montrait ; le fichier relu se réécrit à l'octet près.
TEST(Partie, CeQueLeJeuEcritSeRelitAuxMemesValeurs) {
    repertoire_temporaire rep;
    std::mt19937_64 alea(31);
    const auto tirer = [&](long long bas, long long haut) {
        return std::uniform_int_distribution<long long>(bas, haut)(alea);
    };
    for (int tirage = 0; tirage < 300; ++tirage) {
        SCOPED_TRACE("tirage " + std::to_string(tirage));
        horloge_reglable_pkg::horloge_reglable horloge;
        partie_pkg::partie p(horloge);
        p.initialiser(grille_partie_avec_solution());
        p.mettre_a_jour_score(static_cast<int>(tirer(0, partie_pkg::SCORE_MAX)));
        p.remplacer_points_aide_utilises(static_cast<int>(tirer(0, partie_pkg::AIDE_MAX)));
        p.obtenir_temps_ptr()->initialiser_timer(static_cast<double>(tirer(0, partie_pkg::TIMER_MAX)));
        if (tirage % 3 == 0) {
            poser(p, {1, 1}, {direction::droite, direction::droite, direction::droite});
            p.mettre_a_jour_points_aide_utilises(static_cast<int>(tirer(0, 1000)) * 10);
            p.obtenir_temps_ptr()->demarrer_chrono();
            horloge.instant += std::chrono::seconds(tirer(0, 100'000));
            p.obtenir_temps_ptr()->arreter_chrono();
        }
        p.sauvegarder_partie_campagne("", "a.save.xml");

        partie_pkg::partie relue;
        relue.charger_partie_campagne("", "a.save.xml");
        EXPECT_EQ(relue.obtenir_score(), p.obtenir_score());
        EXPECT_EQ(relue.obtenir_points_aide_utilises(), p.obtenir_points_aide_utilises());
        EXPECT_EQ(timer_pkg::secondes_arrondies(relue.obtenir_temps_ptr()->obtenir_temps_passe()),
                  std::min(timer_pkg::secondes_arrondies(p.obtenir_temps_ptr()->obtenir_temps_passe()),
                           partie_pkg::TIMER_MAX));
        relue.obtenir_grille()->nommer_grille("essai");
        relue.sauvegarder_partie_campagne("", "b.save.xml");
        ASSERT_EQ(repertoire_temporaire::lire("b.save.xml"), repertoire_temporaire::lire("a.save.xml"));
    }
}

// Le crédit d'aide du jeu libre : tiré dans tout son domaine ou poussé au-delà par le jeu, il se relit tel qu'écrit.
TEST(GrilleLibre, LeCreditEcritSeRelitEtResteDansSesBornes) {
    repertoire_temporaire rep;
    rep.ecrire("grilles/essai.xml", outils_modele::grille_essai_4x4);
    const std::string grilles = emplacements_pkg::repertoire_grilles();
    std::mt19937_64 alea(31);
    for (int tirage = 0; tirage < 100; ++tirage) {
        grille_libre_pkg::grille_libre libre;
        libre.initialiser(grilles, "essai.xml");
        const int limite = grille_libre_pkg::CREDIT_AIDE_MAX;
        libre.mettre_a_jour_score_aide(std::uniform_int_distribution<int>(-limite, limite)(alea));
        if (tirage % 4 == 0) libre.mettre_a_jour_score_aide(tirage % 8 == 0 ? limite : -limite);
        EXPECT_LE(std::abs(libre.obtenir_points_aide_partie()), limite);
        libre.sauvegarder_progression("progression.xml");
        grille_libre_pkg::grille_libre reprise;
        reprise.initialiser(grilles, "essai.xml");
        reprise.reprendre_progression("progression.xml");
        EXPECT_EQ(reprise.obtenir_points_aide_partie(), libre.obtenir_points_aide_partie()) << "tirage " << tirage;
    }
}

TEST(GrilleLibre, CreditEtCompteurDAide) {
    repertoire_temporaire rep;
    for (const auto& [taille, credit] : {std::pair{6, 0}, {7, 10}, {10, 20}, {20, 100}, {42, 440}}) {
        auto g = outils_modele::grille_avec(taille, {{1, 1, 1}});
        auto un = std::make_shared<grille_pkg::chemin>();
        un->initialiser(*g, g->rend_case({1, 1}));
        g->ajouter_chemin_solution(un);
        partie_pkg::partie p;
        p.initialiser(g);
        p.sauvegarder_partie_campagne("", "g.xml");
        grille_libre_pkg::grille_libre libre;
        libre.initialiser("", "g.xml");
        EXPECT_EQ(libre.obtenir_points_aide_partie(), credit) << taille;
    }

    grille_libre_pkg::grille_libre libre;
    libre.initialiser(10, "dix");
    libre.mettre_a_jour_score_aide(20);
    libre.mettre_a_jour_compteur_aide(10);
    libre.mettre_a_jour_compteur_aide(10);
    EXPECT_EQ(libre.obtenir_compteur_aide(), 20);
    libre.mettre_a_jour_compteur_aide(10);
    EXPECT_EQ(libre.obtenir_compteur_aide(), 0);
    libre.mettre_a_jour_compteur_aide(20);
    libre.mettre_a_jour_compteur_aide(-30);
    EXPECT_EQ(libre.obtenir_compteur_aide(), 0);
}

TEST(GrilleLibre, ValidationSansScoreEtCheminDAide) {
    grille_libre_pkg::grille_libre libre;
    libre.initialiser(5, "cinq");
    auto g = libre.obtenir_grille();
    g->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(3), {1, 2});
    g->definir_case(std::make_shared<case_terminale_pkg::case_terminale>(3), {3, 2});
    libre.demarrer_chemin_courant(g->rend_case({1, 2}));
    libre.obtenir_chemin_courant()->avancer(direction::droite);
    libre.obtenir_chemin_courant()->avancer(direction::droite);
    EXPECT_EQ(libre.valider_chemin_courant(), 3);
    EXPECT_EQ(listes_pkg<grille_pkg::chemin_ptr>::obtenir_debut(libre.obtenir_chemins())->longueur(), 3);
    EXPECT_EQ(libre.supprimer_chemin_depuis_case(g->rend_case({2, 2})), 3);

    EXPECT_FALSE(libre.aide_est_initialise());
    libre.reinitialiser_chemin_aide(g->rend_case({1, 2}));
    EXPECT_TRUE(libre.aide_est_initialise());
    EXPECT_EQ(libre.obtenir_chemin_aide_courant()->longueur(), 1);
    EXPECT_FALSE(g->rend_case({1, 2})->est_occupe());
}

TEST(GrilleLibre, SauvegardePersonnelleEtChargementDUnePartieDeCampagne) {
    repertoire_temporaire rep;
    std::filesystem::create_directory(emplacements_pkg::repertoire_grilles_personnelles());
    sauver_partie_jouee("campagne.save.xml");

    grille_libre_pkg::grille_libre libre;
    libre.initialiser("", "campagne.save.xml");
    EXPECT_TRUE(partie_pkg::listes_chemin_pkg::est_vide(libre.obtenir_chemins()));
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y) EXPECT_FALSE(libre.obtenir_grille()->rend_case({x, y})->est_occupe());

    libre.sauvegarder_grille_libre("ma grille");
    const std::string ecrit = repertoire_temporaire::lire("grilles_personnelles/magrille.xml");
    EXPECT_TRUE(ecrit.starts_with("<partie aide=\" 0\" score=\" 0\"><grille nom=\"campagne.save.xml\""));
    EXPECT_EQ(ecrit.find("chemins_joues"), std::string::npos);
    EXPECT_EQ(ecrit.find("timer"), std::string::npos);
    EXPECT_TRUE(ecrit.ends_with("</solution></grille></partie>\n"));
}

// Une partie laissée en cours se reprend telle quelle (chemins validés, cases occupées, crédit d'aide) ; un
// fichier refusé laisse la partie intacte ; une grille finie est marquée résolue.
TEST(GrilleLibre, ProgressionEnregistreePuisReprise) {
    namespace pl = parties_libres_pkg;
    repertoire_temporaire rep;
    rep.ecrire("grilles/essai.xml", outils_modele::grille_essai_4x4);
    std::filesystem::create_directory(emplacements_pkg::repertoire_parties_libres());
    const std::string grilles = emplacements_pkg::repertoire_grilles();
    const std::string chemin = pl::chemin_progression(grilles, "essai.xml");
    EXPECT_NE(chemin, pl::chemin_progression(emplacements_pkg::repertoire_grilles_personnelles(), "essai.xml"));
    EXPECT_EQ(pl::avancement_de(grilles, "essai.xml"), pl::avancement::aucun);

    grille_libre_pkg::grille_libre libre;
    libre.initialiser(grilles, "essai.xml");
    poser(libre, {1, 1}, {direction::droite, direction::droite});
    libre.mettre_a_jour_score_aide(-20);
    libre.sauvegarder_progression(chemin);
    EXPECT_EQ(pl::avancement_de(grilles, "essai.xml"), pl::avancement::en_cours);

    grille_libre_pkg::grille_libre reprise;
    reprise.initialiser(grilles, "essai.xml");
    reprise.reprendre_progression(chemin);
    const auto nombre_chemins = [&] { return listes_pkg<grille_pkg::chemin_ptr>::taille_liste(reprise.obtenir_chemins()); };
    EXPECT_EQ(nombre_chemins(), 1);
    EXPECT_TRUE(reprise.obtenir_grille()->rend_case({2, 1})->est_occupe());
    EXPECT_EQ(reprise.obtenir_points_aide_partie(), libre.obtenir_points_aide_partie());

    const std::string ecrit = repertoire_temporaire::lire(chemin);
    const std::string saut = ecrit.substr(0, ecrit.find("<chemins_joues>")) +
                             [&] {
                                 std::string joues = ecrit.substr(ecrit.find("<chemins_joues>"));
                                 joues.replace(joues.find("y=\" 1\"", joues.find("x=\" 2\"")), 6, "y=\" 3\"");
                                 return joues;
                             }();
    for (const std::string& refuse : {std::string("<partie><grille taille=\"x\""), std::string("<carte></carte>"), saut}) {
        rep.ecrire(chemin, refuse);
        EXPECT_ANY_THROW(reprise.reprendre_progression(chemin)) << refuse;
        EXPECT_EQ(nombre_chemins(), 1);
        EXPECT_TRUE(reprise.obtenir_grille()->rend_case({2, 1})->est_occupe());
    }

    poser(reprise, {1, 2}, {direction::droite, direction::droite});
    poser(reprise, {1, 3}, {direction::haut});
    poser(reprise, {4, 4}, {});
    ASSERT_TRUE(reprise.terminee());
    reprise.sauvegarder_progression(chemin);
    EXPECT_EQ(pl::avancement_de(grilles, "essai.xml"), pl::avancement::resolue);
    EXPECT_EQ(pl::etiquette("essai.xml", pl::avancement::resolue), "essai.xml (résolue)");
    EXPECT_EQ(pl::etiquette("essai.xml", pl::avancement::en_cours), "essai.xml (en cours)");
    EXPECT_EQ(pl::etiquette("essai.xml", pl::avancement::aucun), "essai.xml");
}

// Progressions faites à la main pour reprises/grille.xml (un « 3 » de (1, 1) à (2, 2), qui a deux routes, et un
// « 1 ») : seule une progression de cette grille se reprend ; une autre (côté, cases terminales, solution) ou un
// crédit hors bornes est refusé avec sa cause, et le fichier reste tel quel ; « résolue » se lit dans les chemins,
// jamais dans l'attribut.
TEST(GrilleLibre, UneProgressionNeSeReprendQueSurLaGrillePourLaquelleElleAEteFaite) {
    namespace pl = parties_libres_pkg;
    using enum pl::avancement;
    repertoire_temporaire rep;
    const std::string fixtures = std::string(TESSALINE_REPRISES) + "/";
    rep.ecrire("grilles/essai.xml", repertoire_temporaire::lire(fixtures + "grille.xml"));
    std::filesystem::create_directory(emplacements_pkg::repertoire_parties_libres());
    const std::string grilles = emplacements_pkg::repertoire_grilles();
    const std::string chemin = pl::chemin_progression(grilles, "essai.xml");
    struct cas {
        const char* fichier;
        const char* cause;  // dans le message du refus ; nul pour une reprise acceptée
        pl::avancement avancement;
        int chemins;
    };
    for (const cas& c : {cas{"juste.xml", nullptr, en_cours, 1},
                         cas{"resolue_mentie.xml", nullptr, en_cours, 1},
                         cas{"resolue_sans_le_dire.xml", nullptr, resolue, 2},
                         cas{"autre_cote.xml", "côté 5 au lieu de 4", aucun, 0},
                         cas{"autres_terminales.xml", "autres cases terminales", aucun, 0},
                         cas{"autre_solution.xml", "autre solution", aucun, 0},
                         cas{"aide_hors_bornes.xml", "aide", aucun, 0}}) {
        SCOPED_TRACE(c.fichier);
        const std::string contenu = repertoire_temporaire::lire(fixtures + c.fichier);
        rep.ecrire(chemin, contenu);
        EXPECT_EQ(pl::avancement_de(grilles, "essai.xml"), c.avancement);
        grille_libre_pkg::grille_libre libre;
        libre.initialiser(grilles, "essai.xml");
        try {
            libre.reprendre_progression(chemin);
            EXPECT_EQ(c.cause, nullptr) << "reprise acceptée";
        } catch (const erreur_pkg::erreur& e) {
            ASSERT_NE(c.cause, nullptr) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.cause), std::string::npos) << e.what();
        }
        EXPECT_EQ(listes_pkg<grille_pkg::chemin_ptr>::taille_liste(libre.obtenir_chemins()), c.chemins);
        EXPECT_EQ(repertoire_temporaire::lire(chemin), contenu) << "le fichier a changé";
    }
}

}  // namespace
