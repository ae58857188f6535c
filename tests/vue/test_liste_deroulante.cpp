// Liste déroulante : lecture d'un répertoire, cinq lignes qui défilent, touches, boutons et choix émis.
#include "evenements_de_test.hpp"
#include "liste_deroulante_3d_pkg.hpp"
#include "recepteurs_liste_deroulante_pkg.hpp"

#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

namespace {

using namespace evenements_de_test;
using liste_deroulante_3d_pkg::liste_affichable;
using liste_deroulante_3d_pkg::liste_comptes;
using bouton_liste_deroulante_pkg::t_bouton_deroulant;
namespace t = evenement_pkg::touches;

std::vector<std::string> en_vecteur(liste_comptes::liste l) {
    std::vector<std::string> v;
    for (; !liste_comptes::est_vide(l); l = liste_comptes::get_suiv(l)) {
        v.push_back(liste_comptes::get_elem(l));
    }
    return v;
}

// L'ordre du système, lu sans passer par le jeu.
std::vector<std::string> ordre_readdir(const std::string& repertoire) {
    std::vector<std::string> v;
    DIR* d = opendir(repertoire.c_str());
    while (const dirent* e = readdir(d)) {
        if (e->d_name[0] != '.') {
            v.emplace_back(e->d_name);
        }
    }
    closedir(d);
    return v;
}

struct ListeDeroulante : testing::Test {
    chaine_de_test chaine;
    repertoire_jetable rep;
    std::shared_ptr<liste_affichable> liste = std::make_shared<liste_affichable>();
    recepteurs_liste_deroulante_pkg::recepteur_liste recepteur{*liste, chaine.chaine(), chaine.file()};

    // Six comptes, créés dans le désordre pour que l'ordre du répertoire ne soit pas celui des noms.
    void six_noms() {
        for (const char* n : {"n4", "n1", "n6", "n2", "n5", "n3"}) {
            rep.creer(n);
        }
    }

    std::vector<std::string> lignes() const {
        liste->mettre_a_jour();
        std::vector<std::string> v;
        for (int k = 1; k <= 5; ++k) {
            v.push_back(liste->obtenir_ligne(k)->obtenir_texte());
        }
        return v;
    }
};

TEST_F(ListeDeroulante, LesNomsSontCeuxDuRepertoireDansSonOrdreSansLesEntreesPointees) {
    six_noms();
    rep.creer(".cache");
    rep.creer(".cache_fichier", false);
    rep.creer("grille.xml", false);  // un fichier est un nom comme un autre
    const std::string nom_long(200, 'x');
    rep.creer(nom_long);
    liste->initialiser(rep.nom());

    EXPECT_EQ(en_vecteur(liste_deroulante_3d_pkg::lire_repertoire(rep.nom())), ordre_readdir(rep.nom()));
    EXPECT_EQ(liste->nombre_donnees(), 8);
    EXPECT_EQ(liste->obtenir_cour(), 1);
    EXPECT_EQ(liste->obtenir_nom_courant(), ordre_readdir(rep.nom()).front());
    EXPECT_TRUE(liste->chercher_compte("n3"));
    EXPECT_TRUE(liste->chercher_compte(nom_long));  // un nom long n'est pas tronqué : il reste celui du fichier
    EXPECT_FALSE(liste->chercher_compte("N3"));
    EXPECT_FALSE(liste->chercher_compte("n"));
    EXPECT_FALSE(liste->chercher_compte(".cache"));
}

TEST_F(ListeDeroulante, LeNomCourantResteAuMilieuAvecDeuxVoisinsDeChaqueCote) {
    for (const char* n : {"n1", "n2", "n3", "n4", "n5", "n6"}) {
        rep.creer(n);
    }
    liste->initialiser(rep.nom());
    // Lignes attendues d'après l'ordre réel du répertoire.
    const auto noms = ordre_readdir(rep.nom());
    auto nom = [&](int pos) { return noms[static_cast<std::size_t>(pos - 1)]; };
    const std::string blanc = "  ";
    const std::vector<std::pair<int, std::vector<std::string>>> cas = {
        {1, {blanc, blanc, nom(1), nom(2), nom(3)}},
        {2, {blanc, nom(1), nom(2), nom(3), nom(4)}},
        {4, {nom(2), nom(3), nom(4), nom(5), nom(6)}},
        {6, {nom(4), nom(5), nom(6), blanc, blanc}},
    };
    for (const auto& [cour, attendu] : cas) {
        liste->changer_cour(cour);
        EXPECT_EQ(lignes(), attendu) << "afficheur " << cour;
    }
}

TEST_F(ListeDeroulante, LesFlechesDefilentSansDepasserLesBouts) {
    six_noms();
    liste->initialiser(rep.nom());
    recepteur.ouvrir();
    EXPECT_TRUE(chaine.offrir(touche(t::HAUT)));
    EXPECT_EQ(liste->obtenir_cour(), 1);
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(chaine.offrir(touche(t::BAS)));
    }
    EXPECT_EQ(liste->obtenir_cour(), 6);
    EXPECT_TRUE(chaine.offrir(nomme("fleche_haut")));
    EXPECT_TRUE(chaine.offrir(nomme("fleche_haut")));
    EXPECT_EQ(liste->obtenir_cour(), 4);
    EXPECT_TRUE(chaine.offrir(nomme("fleche_bas")));
    EXPECT_EQ(liste->obtenir_cour(), 5);
    EXPECT_TRUE(chaine.emis().empty());
}

TEST_F(ListeDeroulante, ValiderEmetLeNomCourantEtFermeLaListe) {
    six_noms();
    liste->initialiser(rep.nom());
    for (const auto& confirmer : {touche(t::ENTREE), nomme("liste_valider")}) {
        recepteur.ouvrir();
        chaine.offrir(touche(t::BAS));
        const std::string choisi = liste->obtenir_nom_courant();
        EXPECT_TRUE(chaine.offrir(confirmer));
        EXPECT_EQ(chaine.emis(), (std::vector<std::pair<std::string, std::string>>{{"valider_choix_liste", choisi}}));
        EXPECT_FALSE(recepteur.est_ouverte());
        EXPECT_TRUE(chaine.recepteurs().empty());
    }
}

TEST_F(ListeDeroulante, EchapOuRetourAnnulentMemeSurUneListeVideQueValiderIgnore) {
    liste->initialiser(rep.nom());
    ASSERT_EQ(liste->nombre_donnees(), 0);
    recepteur.ouvrir();
    EXPECT_TRUE(chaine.offrir(touche(t::ENTREE)));
    EXPECT_TRUE(chaine.offrir(nomme("liste_valider")));
    EXPECT_TRUE(chaine.emis().empty());
    EXPECT_TRUE(recepteur.est_ouverte());

    for (const auto& annuler : {touche(t::ECHAP), nomme("precedent")}) {
        recepteur.ouvrir();
        EXPECT_TRUE(chaine.offrir(annuler));
        EXPECT_EQ(chaine.emis(), (std::vector<std::pair<std::string, std::string>>{{"annuler_choix_liste", "(rien)"}}));
        EXPECT_FALSE(recepteur.est_ouverte());
    }
}

TEST_F(ListeDeroulante, LesAutresTouchesEtEvenementsPassentAuSuivant) {
    six_noms();
    liste->initialiser(rep.nom());
    recepteur.ouvrir();
    const auto recepteurs = chaine.recepteurs();
    ASSERT_EQ(recepteurs.size(), 1u);
    for (const auto& e : {touche('a'), touche(t::GAUCHE), touche(t::PAVE_ENTREE), nomme("valider"), nomme("fleche"),
                          nomme("ecriture_valider")}) {
        EXPECT_FALSE(chaine.offrir(e)) << e.touche << e.nom;
    }
    auto relachee = touche(t::ECHAP);
    relachee.type = evenement_pkg::TOUCHE_RELACHEE;
    EXPECT_FALSE(chaine.offrir(relachee));
    EXPECT_TRUE(chaine.emis().empty());
    EXPECT_EQ(liste->obtenir_cour(), 1);

    recepteur.ouvrir();  // sans effet : déjà dans la chaîne
    EXPECT_EQ(chaine.recepteurs(), recepteurs);
    recepteur.fermer();
    recepteur.fermer();
    EXPECT_TRUE(chaine.recepteurs().empty());
}

TEST_F(ListeDeroulante, ListeVideAfficheAucuneDonneeEtLaRelectureRevientAuPremier) {
    rep.creer(".seulement_cache");
    liste->initialiser(rep.nom());
    EXPECT_EQ(liste->obtenir_ligne(3)->obtenir_texte(), "Aucune donnée");  // avant le premier rafraîchissement
    EXPECT_EQ(liste->obtenir_ligne(1)->obtenir_texte(), " ");
    EXPECT_EQ(lignes(), (std::vector<std::string>{"  ", "  ", "Aucune donnee", "  ", "  "}));

    liste->descendre_liste();  // avance quand même sur une liste vide
    EXPECT_EQ(liste->obtenir_cour(), 2);
    EXPECT_EQ(lignes()[2], "Aucune donnee");
    liste->mettre_a_jour_liste(rep.nom());
    EXPECT_EQ(liste->obtenir_cour(), 2);  // toujours vide : rien ne change

    rep.creer("alice");
    liste->mettre_a_jour_liste(rep.nom());
    EXPECT_EQ(liste->obtenir_cour(), 1);
    EXPECT_EQ(lignes(), (std::vector<std::string>{"  ", "  ", "alice", "  ", "  "}));

    // Un compte supprimé disparaît à la relecture suivante.
    std::filesystem::remove(rep.chemin() / "alice");
    liste->mettre_a_jour_liste(rep.nom());
    EXPECT_EQ(liste->nombre_donnees(), 0);
    EXPECT_FALSE(liste->chercher_compte("alice"));
}

TEST_F(ListeDeroulante, UnRepertoireIllisibleEstSignaleEtDonneUneListeVide) {
    rep.creer("pas_un_repertoire", false);
    for (const std::string& illisible : {rep.nom() + "absent/", rep.nom() + "pas_un_repertoire"}) {
        testing::internal::CaptureStdout();
        auto l = std::make_shared<liste_affichable>();
        l->initialiser(illisible);
        const std::string sortie = testing::internal::GetCapturedStdout();
        EXPECT_NE(sortie.find("Impossible de lire le repertoire " + illisible), std::string::npos) << sortie;
        EXPECT_EQ(l->nombre_donnees(), 0);
        l->mettre_a_jour();
        EXPECT_EQ(l->obtenir_ligne(3)->obtenir_texte(), "Aucune donnee");
    }
}

TEST_F(ListeDeroulante, ChaqueBoutonRapporteSonEvenementAuRelachementEtGrossitSousLePointeur) {
    liste->initialiser(rep.nom());
    struct attendu {
        t_bouton_deroulant le_type;
        std::string evenement;
        std::string etiquette;
        float repos, survol;
    };
    const std::vector<attendu> cas = {
        {t_bouton_deroulant::HAUT, "fleche_haut", "", 1.0f, 1.2f},
        {t_bouton_deroulant::BAS, "fleche_bas", "", 1.0f, 1.2f},
        {t_bouton_deroulant::VALIDER, "liste_valider", "OK", 1.8f, 2.0f},
        {t_bouton_deroulant::PRECEDENT, "precedent", "precedent", 1.0f, 1.2f},
    };
    const evenement_pkg::evenement souris;
    for (const auto& c : cas) {
        const auto b = liste->obtenir_bouton(c.le_type);
        EXPECT_FLOAT_EQ(b->obtenir_echelle(), c.repos) << c.evenement;
        b->sourisentre(souris);
        EXPECT_FLOAT_EQ(b->obtenir_echelle(), c.survol) << c.evenement;
        b->sourisappuie(souris);
        EXPECT_TRUE(b->obtenir_bouton_ancien_actif());
        EXPECT_TRUE(rapports(*b).empty()) << "rien à l'appui";
        b->sourisrelache(souris);
        EXPECT_FALSE(b->obtenir_bouton_ancien_actif());
        EXPECT_EQ(rapports(*b), (std::vector<std::pair<std::string, std::string>>{{c.evenement, "(rien)"}}));
        b->sourisappuie(souris);
        b->sourissort(souris);
        EXPECT_FLOAT_EQ(b->obtenir_echelle(), c.repos);
        EXPECT_FALSE(b->obtenir_bouton_ancien_actif()) << "sortir relâche le bouton";
        const auto sous_objets = b->obtenir_sous_objets();
        if (c.etiquette.empty()) {
            EXPECT_TRUE(objet_3d_pkg::l_obj3d::est_vide(sous_objets));
        } else {
            auto texte = std::dynamic_pointer_cast<objet_texte_pkg::texte_affichable>(
                objet_3d_pkg::l_obj3d::get_elem(sous_objets));
            ASSERT_TRUE(texte);
            EXPECT_EQ(texte->obtenir_texte(), c.etiquette);
            EXPECT_EQ(texte->obtenir_couleur(), affichage_texte_pkg::jaune_pale);
            EXPECT_FLOAT_EQ(texte->obtenir_echelle(), 0.25f);
        }
    }
    EXPECT_FLOAT_EQ(liste->obtenir_bouton(t_bouton_deroulant::BAS)->obtenir_angle_rotation(), 180.0f);
}

TEST(BoutonListeDeroulante, DessinerAvantConstructionLeveSonErreur) {
    bouton_liste_deroulante_pkg::bouton_deroulant b(t_bouton_deroulant::VALIDER);
    EXPECT_THROW(b.afficher(), bouton_liste_deroulante_pkg::ERREUR_BOUTON_NON_INITIALISE);
    try {
        b.afficher();
    } catch (const erreur_pkg::erreur& e) {
        EXPECT_EQ(e.nom_complet(), "BOUTON_LISTE_DEROULANTE_PKG.ERREUR_BOUTON_NON_INITIALISE");
    }
}

} // namespace
