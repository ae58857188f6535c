// Campagne sans fenêtre : comptes créés et supprimés sur disque, vraie campagne bâtie sur les grilles livrées,
// événements synthétiques à travers les récepteurs du mode, chronomètres sur une horloge réglable.
#include "banc_application.hpp"
#include "bruitages_pkg.hpp"
#include "controleur_jeu_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"

#include "../modele/outils_modele.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;
namespace touches = evenement_pkg::touches;
using namespace std::chrono_literals;
using case_simple_pkg::coordonnees;
using controleur_jeu_pkg::controleur_jeu;
using controleur_jeu_pkg::etat;
using banc_application::etat_principal;
using evenements_de_test::nomme;
using evenements_de_test::touche;
using session_3d_pkg::etat_session;

evenement_pkg::evenement nomme_avec(const std::string& nom, evenement_pkg::donnee_evenement donnee) {
    return evenement_pkg::nomme(nom, std::move(donnee));
}

// Racine de données jetable : les grilles livrées de la campagne (en lien) et un répertoire de sessions vide.
struct ComptesCampagne : testing::Test {
    outils_modele::repertoire_temporaire racine;
    banc_application::banc banc;
    horloge_reglable_pkg::horloge_reglable& horloge = banc.horloge;

    void SetUp() override {
        fs::create_directory_symlink(fs::path(TESSALINE_DONNEES) / "campagne", "campagne");
        fs::create_directories("sessions");
        banc.aller_a(etat_principal::JEU);
    }

    controleur_jeu& jeu() { return banc.mode<controleur_jeu>(etat_principal::JEU); }
    bool envoyer(evenement_pkg::evenement e) { return banc.envoyer(std::move(e)); }
    // Le nom tapé dans la saisie d'un nouveau compte, puis l'image suivante, comme la boucle le ferait.
    void nouveau_compte(const std::string& nom) {
        jeu().changer_etat_session(etat_session::NOUVEAU);
        envoyer(nomme_avec("valider_ecriture", nom));
        jeu().tic();
    }
    bool erreur_montree() { return jeu().obtenir_session()->mess_erreur_etat(); }
    bool compte_choisi() { return jeu().jeu_est_initialise(); }
    bool partie_active() { return jeu().partie_en_cours().est_actif(); }
};

// Un compte créé, sa campagne bâtie au niveau 1, face 1.
struct PartieCampagne : ComptesCampagne {
    void SetUp() override {
        ComptesCampagne::SetUp();
        nouveau_compte("Vega");
        ASSERT_TRUE(jeu().jeu_est_initialise());
    }

    niveau_pkg::niveau& niveau() { return *jeu().obtenir_campagne()->obtenir_niveau_courant(); }
    partie_pkg::partie& partie() { return *jeu().obtenir_partie_courante(); }
    int face() { return niveau().obtenir_numero_partie_courante(); }
    timer_pkg::temps& chrono(int f) { return *niveau().obtenir_partie(f)->obtenir_temps_ptr(); }
    using ComptesCampagne::envoyer;
    bool envoyer(std::int32_t t) { return envoyer(touche(t)); }
    void aller(coordonnees c) { envoyer(nomme_avec("deplacer_curseur", c)); }

    // Chaque chemin de la solution enregistrée : le curseur sur son premier bout, Espace, puis les flèches.
    void resoudre_face_courante() {
        using chemins = grille_pkg::listes_chemins;
        for (auto l = partie().obtenir_grille()->obtenir_solution(); !chemins::est_vide(l); l = chemins::get_suiv(l)) {
            const grille_pkg::chemin& c = *chemins::get_elem(l);
            aller(c.nieme_coord(1));
            envoyer(touches::ESPACE);
            for (int k = 2; k <= c.longueur(); ++k) {
                switch (*grille_pkg::direction_vers(c.nieme_coord(k - 1), c.nieme_coord(k))) {
                case grille_pkg::direction::droite: envoyer(touches::DROITE); break;
                case grille_pkg::direction::gauche: envoyer(touches::GAUCHE); break;
                case grille_pkg::direction::haut: envoyer(touches::HAUT); break;
                case grille_pkg::direction::bas: envoyer(touches::BAS); break;
                }
            }
        }
        ASSERT_TRUE(partie().est_valide()) << "face " << face();
    }
    void resoudre_niveau() {
        for (int f = 1; f <= niveau_pkg::NOMBRE_PARTIES; ++f) {
            envoyer(touches::PAVE_1 + f - 1);
            ASSERT_EQ(face(), f);
            resoudre_face_courante();
        }
    }
    // Une case terminale libre de plus d'une case, sur la face courante.
    coordonnees terminale_a_construire() {
        const auto g = partie().obtenir_grille();
        for (int x = 1; x <= g->taille(); ++x) {
            for (int y = 1; y <= g->taille(); ++y) {
                const auto c = g->rend_case({x, y});
                if (case_terminale_pkg::est_case_terminale(c) && !c->est_occupe() &&
                    std::dynamic_pointer_cast<case_terminale_pkg::case_terminale>(c)->valeur() > 1) {
                    return {x, y};
                }
            }
        }
        ADD_FAILURE() << "aucune case terminale à construire";
        return {1, 1};
    }
};

TEST_F(ComptesCampagne, LesNomsDeComptesSontVerifiesAvantDeToucherAuDisque) {
    fs::create_directories("sessions/alice");
    fs::create_directories("victime");
    struct cas {
        const char* nom;
        bool accepte;
    };
    for (const cas& c : {cas{"", false}, cas{"   ", false}, cas{"ALICE", false}, cas{"Alice", false},
                         cas{"../victime", false}, cas{"a/b", false}, cas{".", false}, cas{"..", false},
                         cas{".cache", false}, cas{"un nom bien trop long pour un compte", false}}) {
        SCOPED_TRACE(c.nom);
        nouveau_compte(c.nom);
        EXPECT_FALSE(compte_choisi());
        EXPECT_TRUE(erreur_montree());
        EXPECT_EQ(jeu().obtenir_etat_session(), etat_session::NOUVEAU) << "la saisie reste ouverte";
        EXPECT_EQ(jeu().obtenir_session()->obtenir_ecriture()->obtenir_texte(), "") << "et vidée";
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("sessions"), fs::directory_iterator()), 1);

    // Des noms dangereux donnés tout droit au contrôleur, comme si une liste les montrait.
    for (const etat_session e : {etat_session::SUPPRIMER, etat_session::CHARGER}) {
        for (const char* nom : {"..", "../victime", "/tmp", "", "  "}) {
            jeu().changer_etat_session(e);
            jeu().faire_action(nom);
            EXPECT_FALSE(compte_choisi()) << nom;
        }
    }
    EXPECT_TRUE(fs::is_directory("victime"));
    EXPECT_TRUE(fs::is_directory("sessions/alice"));

    nouveau_compte("Essai");
    EXPECT_TRUE(fs::is_directory("sessions/essai"));
    EXPECT_TRUE(compte_choisi());
    EXPECT_FALSE(erreur_montree());
    EXPECT_EQ(jeu().obtenir_nom(), "essai");
}

TEST_F(ComptesCampagne, LesQuatreEntreesAuClavierEtUneSuppressionQuiEmporteLaSauvegarde) {
    fs::create_directories("sessions/bob");
    std::ofstream("sessions/bob/niv1_1.save.xml") << "<partie/>";
    jeu().obtenir_session()->mettre_a_jour_liste();

    EXPECT_TRUE(envoyer(touche(touches::BAS)));
    EXPECT_TRUE(envoyer(touche(touches::BAS)));
    EXPECT_EQ(jeu().obtenir_courante(), 3);
    envoyer(touche(touches::ENTREE));
    EXPECT_EQ(jeu().obtenir_etat_session(), etat_session::SUPPRIMER);
    // Échap dans la liste revient aux quatre entrées, pas au menu.
    envoyer(touche(touches::ECHAP));
    EXPECT_EQ(jeu().obtenir_etat_session(), etat_session::CHOIX);
    EXPECT_EQ(banc.etat(), etat_principal::JEU);

    envoyer(touche(touches::ENTREE));
    ASSERT_EQ(jeu().obtenir_etat_session(), etat_session::SUPPRIMER);
    jeu().tic();
    envoyer(touche(touches::ENTREE));  // le seul compte de la liste
    EXPECT_FALSE(fs::exists("sessions/bob"));
    EXPECT_EQ(jeu().obtenir_etat_session(), etat_session::CHOIX);
    EXPECT_FALSE(jeu().obtenir_session()->obtenir_la_liste()->chercher_compte("bob"));

    // Échap sur les quatre entrées : le menu ; l'écran et son état restent pour la visite suivante.
    jeu().tic();
    envoyer(touche(touches::ECHAP));
    EXPECT_EQ(banc.etat(), etat_principal::MENU);
    banc.aller_a(etat_principal::JEU);
    jeu().tic();
    EXPECT_EQ(jeu().obtenir_courante(), 3);
}

// Chaque état de l'écran des comptes a ses récepteurs : les quatre actions au clavier, la saisie du nom ou la liste,
// devant la souris et les actions de l'écran, toujours là.
TEST_F(ComptesCampagne, ChaqueEtatDeLEcranDesComptesASesRecepteurs) {
    fs::create_directories("sessions/alice");
    jeu().obtenir_session()->mettre_a_jour_liste();
    const auto recepteurs = [this] { return jeu().chaine().recepteurs(); };
    const auto choix = recepteurs();
    ASSERT_EQ(choix.size(), 3u);
    const std::vector<recepteur_pkg::classe_recepteur> ecran(choix.begin() + 1, choix.end());

    const struct {
        etat_session etat;
        std::size_t devant;  // récepteurs propres à l'état, devant ceux de l'écran
    } table[] = {{etat_session::NOUVEAU, 2}, {etat_session::CHARGER, 1}, {etat_session::SUPPRIMER, 1},
                 {etat_session::CHOIX, 1}};
    for (const auto& c : table) {
        SCOPED_TRACE(static_cast<int>(c.etat));
        jeu().changer_etat_session(c.etat);
        jeu().changer_etat_session(c.etat);  // deux fois : rien de plus
        const auto r = recepteurs();
        ASSERT_EQ(r.size(), c.devant + ecran.size());
        EXPECT_EQ(std::vector<recepteur_pkg::classe_recepteur>(r.begin() + static_cast<long>(c.devant), r.end()), ecran);
    }
    EXPECT_EQ(recepteurs(), choix);

    // La saisie se ferme d'elle-même sur Échap ; le mode revient alors aux quatre actions.
    jeu().changer_etat_session(etat_session::NOUVEAU);
    EXPECT_TRUE(envoyer(touche(touches::ECHAP)));
    EXPECT_EQ(jeu().obtenir_etat_session(), etat_session::CHOIX);
    EXPECT_EQ(recepteurs(), choix);
    // De même la liste, sur le compte choisi : la campagne commence et l'écran des comptes quitte la chaîne.
    jeu().changer_etat_session(etat_session::CHARGER);
    EXPECT_TRUE(envoyer(touche(touches::ENTREE)));
    EXPECT_TRUE(compte_choisi());
    EXPECT_EQ(jeu().obtenir_nom(), "alice");
    EXPECT_EQ(recepteurs().size(), 3u) << "les récepteurs de la partie seulement";
    EXPECT_TRUE(partie_active());
}

TEST_F(ComptesCampagne, UnRepertoireImpossibleACreerLeDitEtLeJeuContinue) {
    fs::remove("sessions");
    std::ofstream("sessions") << "un fichier à la place du répertoire";
    testing::internal::CaptureStdout();
    nouveau_compte("Carla");
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_NE(sortie.find("Compte non créé"), std::string::npos) << sortie;
    EXPECT_FALSE(compte_choisi());
    EXPECT_TRUE(erreur_montree());
    EXPECT_NE(jeu().obtenir_session()->obtenir_texte_erreur().find("DISQUE"), std::string::npos)
        << "le nom n'est pas en cause : l'écran dit que c'est le disque";
    // Un nom refusé, lui, le dit comme avant.
    nouveau_compte("");
    EXPECT_EQ(jeu().obtenir_session()->obtenir_texte_erreur(), session_3d_pkg::texte_nom_refuse);
}

TEST_F(PartieCampagne, UnCompteNeufCommenceAuNiveau1Face1SansMessageEtLeChronometreTourne) {
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 1);
    EXPECT_EQ(face(), 1);
    EXPECT_TRUE(chrono(1).est_actif());
    EXPECT_TRUE(partie_active());
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_nom(), "vega");
}

TEST_F(PartieCampagne, ChangerDeFaceArreteUnChronometreEtEnDemarreUnAutre) {
    horloge.instant += 5s;
    envoyer(touches::PAVE_1 + 2);
    EXPECT_EQ(face(), 3);
    EXPECT_FALSE(chrono(1).est_actif());
    EXPECT_EQ(chrono(1).obtenir_temps_passe(), 5s);
    EXPECT_TRUE(chrono(3).est_actif());

    // La face déjà courante : rien, pas même le chronomètre.
    horloge.instant += 2s;
    envoyer(touches::PAVE_1 + 2);
    EXPECT_TRUE(chrono(3).est_actif());
    EXPECT_EQ(chrono(3).obtenir_temps_passe(), 0s);

    // Les flèches du panneau tournent le cube vers une face voisine.
    jeu().tourner_cube(niveau_3d_pkg::cote_adjacent_cube::DROITE);
    EXPECT_EQ(face(), niveau_3d_pkg::obtenir_numero_face_adjacente(3, niveau_3d_pkg::cote_adjacent_cube::DROITE));

    // Pendant la construction d'un chemin, ou page d'aide ouverte, la face ne change pas.
    aller(terminale_a_construire());
    envoyer(touches::ESPACE);
    ASSERT_EQ(jeu().obtenir_etat(), etat::CONSTRUCTION);
    const int avant = face();
    envoyer(touches::PAVE_1 + (avant % 6));
    EXPECT_EQ(face(), avant);
    envoyer(touche(touches::RETOUR_ARRIERE));
    ASSERT_EQ(jeu().obtenir_etat(), etat::RECHERCHE);
    envoyer('h');
    envoyer(touches::PAVE_1 + (avant % 6));
    EXPECT_EQ(face(), avant);
}

TEST_F(PartieCampagne, LaPageDAideEtLeMenuMettentLeChronometreEnPause) {
    horloge.instant += 3s;
    envoyer('h');
    EXPECT_FALSE(chrono(1).est_actif());
    horloge.instant += 100s;
    envoyer('h');
    EXPECT_TRUE(chrono(1).est_actif());
    EXPECT_EQ(chrono(1).obtenir_temps_passe(), 3s);

    envoyer(touche(touches::ECHAP));
    EXPECT_EQ(banc.etat(), etat_principal::MENU);
    EXPECT_FALSE(chrono(1).est_actif());
    horloge.instant += 60s;
    banc.aller_a(etat_principal::JEU);
    jeu().tic();
    EXPECT_TRUE(chrono(1).est_actif());
    EXPECT_EQ(face(), 1) << "même campagne, même face";
}

TEST_F(PartieCampagne, UnNiveauResoluAuClavierPasseAuSuivantParEntreeApresSauvegarde) {
    envoyer(touches::ENTREE);
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 1) << "niveau pas fini : rien";

    resoudre_niveau();
    for (int f = 1; f <= 6; ++f) EXPECT_FALSE(chrono(f).est_actif()) << "face " << f;
    // Sur une grille résolue, les flèches ne font plus rien, pas même un son.
    const auto sons = bruitages_pkg::obtenir_comptes();
    envoyer(touches::GAUCHE);
    EXPECT_EQ(bruitages_pkg::obtenir_comptes().deplacement + bruitages_pkg::obtenir_comptes().erreur,
              sons.deplacement + sons.erreur);

    envoyer(touches::ENTREE);
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 2);
    EXPECT_EQ(face(), 1);
    EXPECT_TRUE(chrono(1).est_actif());
    EXPECT_TRUE(jeu().obtenir_affichage()->obtenir_element_droite()->obtenir_spheres()[0]->est_trouve())
        << "Pluton découverte";
    EXPECT_TRUE(fs::exists("sessions/vega/niv1_6.save.xml"));
    EXPECT_TRUE(fs::exists("sessions/vega/niv10_6.save.xml"));
}

TEST_F(PartieCampagne, SauvegarderPuisChargerRendLaMemeCampagne) {
    resoudre_niveau();
    envoyer(touches::ENTREE);
    envoyer(touches::PAVE_1 + 1);
    aller(terminale_a_construire());
    envoyer(touches::ESPACE);
    // Pas de sauvegarde au milieu d'un chemin : la touche passe son chemin.
    EXPECT_FALSE(envoyer(touche('s')));
    envoyer(touches::RETOUR_ARRIERE);
    horloge.instant += 7s;
    envoyer('s');
    EXPECT_TRUE(chrono(2).est_actif()) << "la sauvegarde ne met pas la montre en pause";

    // Quelque chose change, puis le chargement rend l'état sauvegardé.
    envoyer(touches::PAVE_1 + 3);
    envoyer('c');
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 2);
    EXPECT_EQ(face(), 1);
    EXPECT_TRUE(chrono(1).est_actif());
    EXPECT_EQ(chrono(2).obtenir_temps_passe(), 7s) << "le passage en cours a été compté dans la sauvegarde";
    EXPECT_TRUE(jeu().obtenir_affichage()->obtenir_element_droite()->obtenir_spheres()[0]->est_trouve());
    EXPECT_TRUE(partie_active());
}

// Chaque rechargement refait le cube et ses milliers de tuiles cliquables : ni la table de leurs noms ni la chaîne
// des récepteurs ne grandissent avec les rechargements (le trois-centième coûtait 1,6 s au lieu de 31 ms).
TEST_F(PartieCampagne, CentRechargementsNeGrandissentNiLaTableDesNomsNiLaChaine) {
    envoyer('s');
    const auto longueur_chaine = [this] { return jeu().chaine().recepteurs().size(); };
    envoyer('c');
    jeu().tic();
    const std::size_t noms = objet_3d_recepteur_pkg::nombre_noms_tenus();
    const std::size_t chaine_avant = longueur_chaine();
    for (int k = 0; k < 100; ++k) {
        envoyer('c');
        jeu().tic();
        ASSERT_EQ(objet_3d_recepteur_pkg::nombre_noms_tenus(), noms) << "rechargement " << k;
    }
    EXPECT_EQ(longueur_chaine(), chaine_avant);
    EXPECT_TRUE(partie_active());
}

TEST_F(PartieCampagne, UnFichierCasseAuMilieuDeLaSauvegardeLaisseLaCampagneEntiere) {
    resoudre_niveau();
    envoyer(touches::ENTREE);
    envoyer('s');
    std::ofstream("sessions/vega/niv5_3.save.xml") << "<partie><grille";
    envoyer(touches::PAVE_1 + 4);
    const auto campagne = jeu().obtenir_campagne();

    testing::internal::CaptureStdout();
    envoyer('c');
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_NE(sortie.find("niv5_3.save.xml"), std::string::npos) << sortie;
    EXPECT_EQ(jeu().obtenir_campagne(), campagne) << "rien n'est remplacé";
    EXPECT_EQ(face(), 5);
    EXPECT_TRUE(partie_active());
}

TEST_F(PartieCampagne, LAideSePaieSurLeCreditDuNiveau) {
    envoyer(touches::PAVE_1 + 1);
    resoudre_face_courante();
    envoyer(touches::PAVE_1);
    const int credit = niveau().obtenir_score_aide();
    ASSERT_GE(credit, 20) << "une face résolue donne de quoi payer deux cases";

    const coordonnees depart = terminale_a_construire();
    aller(depart);
    envoyer(touches::PAVE_PLUS);
    envoyer(nomme("bouton_aide_plus"));
    ASSERT_EQ(niveau().obtenir_compteur_aide(), 20);
    envoyer('a');
    const int revelees = niveau().obtenir_chemin_aide_courant()->longueur() - 1;
    EXPECT_GE(revelees, 1);
    EXPECT_EQ(partie().obtenir_points_aide_utilises(), 10 * revelees);
    EXPECT_EQ(niveau().obtenir_score_aide(), credit - 10 * revelees);
    EXPECT_EQ(niveau().obtenir_compteur_aide(), 0);
    EXPECT_EQ(partie().obtenir_score(), 0) << "le score de la grille ne paie pas l'aide";
}

TEST_F(PartieCampagne, NouveauRepartDuNiveau1SansChargerEtAbandonnerOublieLeCompte) {
    resoudre_niveau();
    envoyer(touches::ENTREE);
    envoyer('n');
    jeu().tic();
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 1);
    EXPECT_TRUE(fs::exists("sessions/vega/niv1_1.save.xml")) << "la sauvegarde reste";

    envoyer(nomme("bouton_abandonner"));
    EXPECT_EQ(banc.etat(), etat_principal::MENU);
    EXPECT_FALSE(compte_choisi());
    EXPECT_FALSE(jeu().jeu_est_initialise());

    // Recharger le compte : le niveau 2, d'après la sauvegarde.
    banc.aller_a(etat_principal::JEU);
    jeu().tic();
    jeu().changer_etat_session(etat_session::CHARGER);
    envoyer(nomme_avec("valider_choix_liste", std::string("vega")));
    jeu().tic();
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 2);
}

// Une sauvegarde dont un fichier manque ne se charge pas ; la campagne neuve montrée à sa place n'écrit jamais sur
// les fichiers du compte, jusqu'à ce que le joueur recommence ce compte, à la seconde demande.
TEST_F(PartieCampagne, UneSauvegardeRefuseeNEstJamaisEcraseeParUneCampagneNeuve) {
    resoudre_niveau();
    envoyer(touches::ENTREE);  // niveau 2, sauvegardé en passant
    ASSERT_TRUE(fs::exists("sessions/vega/niv10_6.save.xml"));
    fs::remove("sessions/vega/niv1_3.save.xml");
    const auto contenu = [] {
        std::map<std::string, std::string> fichiers;
        for (const auto& f : fs::directory_iterator("sessions/vega")) {
            fichiers[f.path().filename().string()] = outils_modele::repertoire_temporaire::lire(f.path().string());
        }
        return fichiers;
    };
    const auto avant = contenu();
    ASSERT_EQ(avant.size(), 59u);

    envoyer(nomme("bouton_abandonner"));
    banc.aller_a(etat_principal::JEU);
    jeu().changer_etat_session(etat_session::CHARGER);
    testing::internal::CaptureStdout();
    envoyer(nomme_avec("valider_choix_liste", std::string("vega")));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("niv1_3.save.xml"), std::string::npos);
    ASSERT_TRUE(jeu().jeu_est_initialise());
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 1) << "une campagne neuve, pas la sienne";
    EXPECT_EQ(jeu().obtenir_sauvegarde_refusee(), std::optional<std::string>("niv1_3.save.xml"));
    EXPECT_NE(jeu().obtenir_affichage()->obtenir_message().obtenir_texte().find("niv1_3.save.xml"), std::string::npos);

    // Ni 's', ni le bouton, ni le passage au niveau suivant n'écrivent ; une seule demande de recommencer non plus.
    resoudre_niveau();
    envoyer('s');
    envoyer(nomme("bouton_sauvegarder"));
    envoyer(touches::ENTREE);
    envoyer('n');
    envoyer('s');
    EXPECT_EQ(contenu(), avant);
    EXPECT_NE(jeu().obtenir_affichage()->obtenir_message().obtenir_texte().find("refusée"), std::string::npos);

    // 'c' ne change rien tant que le fichier manque ; la seconde demande de recommencer libère le compte.
    envoyer('c');
    EXPECT_TRUE(jeu().obtenir_sauvegarde_refusee());
    envoyer('n');
    envoyer('n');
    EXPECT_FALSE(jeu().obtenir_sauvegarde_refusee());
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 1);
    envoyer('s');
    EXPECT_EQ(contenu().size(), 60u) << "recommencé, le compte est sauvegardé en entier";
}

TEST_F(PartieCampagne, SeulLeCompteVokhPasseUnNiveauDUneTouche) {
    envoyer('x');
    envoyer(touches::ENTREE);
    EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), 1);

    envoyer(nomme("bouton_abandonner"));
    banc.aller_a(etat_principal::JEU);
    jeu().tic();
    nouveau_compte("VOKH");
    for (int n = 1; n <= 9; ++n) {
        envoyer('x');
        envoyer(touches::ENTREE);
        EXPECT_EQ(jeu().obtenir_campagne()->obtenir_numero_niveau_courant(), n + 1);
    }
    envoyer('x');
    envoyer(touches::ENTREE);
    EXPECT_TRUE(jeu().obtenir_campagne()->est_termine());
    EXPECT_FALSE(partie_active()) << "seul Échap reste, par l'application";
    envoyer(touches::ECHAP);
    EXPECT_EQ(banc.etat(), etat_principal::MENU);
}

} // namespace
