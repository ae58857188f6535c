// Écran des comptes : construction, entrées du menu, ligne du clavier qui suit la souris.
#include "evenements_de_test.hpp"
#include "session_3d_pkg.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace {

using namespace evenements_de_test;
using session_3d_pkg::etat_session;
using session_3d_pkg::session_affichable;

struct Session : testing::Test {
    chaine_de_test chaine;
    repertoire_jetable rep;
    std::filesystem::path precedent = std::filesystem::current_path();
    std::shared_ptr<session_affichable> ecran = std::make_shared<session_affichable>();

    void SetUp() override {
        rep.creer("sessions/alice");
        rep.creer("sessions/bob");
        std::filesystem::current_path(rep.chemin());
    }
    void TearDown() override { std::filesystem::current_path(precedent); }

    bouton_menu_pkg::classe_bouton_menu entree_ligne(int l) const { return ecran->entrees().obtenir_entree(l); }

    bool surbrillant(int ligne) const {
        const auto entree = entree_ligne(ligne);
        const bool bleu = entree->obtenir_texte()->obtenir_couleur() == affichage_texte_pkg::bleu;
        EXPECT_EQ(bleu, entree->est_surbrillant()) << "ligne " << ligne << " : l'aspect suit l'état";
        return entree->est_surbrillant();
    }
    std::vector<int> lignes_allumees() const {
        std::vector<int> v;
        for (int l = 1; l <= 4; ++l) {
            if (surbrillant(l)) {
                v.push_back(l);
            }
        }
        return v;
    }
};

std::string texte_de(const objet_3d_pkg::classe_objet_affichable& o) {
    if (auto t = std::dynamic_pointer_cast<objet_texte_pkg::texte_affichable>(o)) {
        return t->obtenir_texte();
    }
    if (auto b = std::dynamic_pointer_cast<bouton_menu_pkg::bouton_menu>(o)) {
        return b->obtenir_texte()->obtenir_texte() + " -> " + b->obtenir_nom_action();
    }
    return "?";
}

TEST_F(Session, LaConstructionPoseLesHuitSousObjetsLaListeDesComptesEtLaSaisie) {
    ecran->initialiser();
    ecran->initialiser();
    const std::vector<std::string> attendu = {
        "Compte : ", "COMPTE EXISTANT / CHAMPS VIDE", "Entrez un nom de compte :",
        "Revenir au menu -> menu", "Supprimer Compte -> supprimer", "Charger Compte -> charger",
        "Nouveau Compte -> nouveau", "Choississez une action : ",
    };
    ASSERT_EQ(objet_3d_pkg::l_obj3d::taille_liste(ecran->obtenir_sous_objets()), 8);
    for (int pos = 1; pos <= 8; ++pos) {
        EXPECT_EQ(texte_de(ecran->obtenir_nieme_objets(pos)), attendu[static_cast<std::size_t>(pos - 1)]) << pos;
    }
    EXPECT_EQ(ecran->obtenir_nieme_objets(8 - 2), entree_ligne(2));
    EXPECT_EQ(entree_ligne(1)->obtenir_position(), (objet_3d_pkg::coordonnee_3d{0.0f, 1.5f, -10.0f}));
    EXPECT_EQ(entree_ligne(4)->obtenir_position(), (objet_3d_pkg::coordonnee_3d{0.0f, -3.0f, -10.0f}));
    auto erreur = std::dynamic_pointer_cast<objet_texte_pkg::texte_affichable>(ecran->obtenir_nieme_objets(2));
    EXPECT_EQ(erreur->obtenir_couleur(), affichage_texte_pkg::rouge);

    EXPECT_EQ(ecran->obtenir_etat_session(), etat_session::CHOIX);
    EXPECT_EQ(ecran->entrees().obtenir_ligne_courante(), 1);
    EXPECT_EQ(lignes_allumees(), std::vector<int>{1});
    EXPECT_FLOAT_EQ(entree_ligne(1)->obtenir_texte()->obtenir_echelle(), 1.5f);

    EXPECT_EQ(ecran->obtenir_la_liste()->nombre_donnees(), 2);
    EXPECT_TRUE(ecran->obtenir_la_liste()->chercher_compte("alice"));
    EXPECT_EQ(ecran->obtenir_ecriture()->obtenir_position(), (objet_3d_pkg::coordonnee_3d{-2.0f, -1.5f, -10.0f}));

    rep.creer("sessions/carole");
    ecran->mettre_a_jour_liste();
    EXPECT_TRUE(ecran->obtenir_la_liste()->chercher_compte("carole"));
}

// Seuls les répertoires de sessions/ sont des comptes ; un nom décomposé se montre composé, et c'est son répertoire
// qui reste le nom choisi (celui que le chargement ouvre).
TEST_F(Session, LaListeNeMontreQueLesRepertoiresEtLesNomsComposes) {
    std::filesystem::remove_all("sessions/bob");
    std::ofstream("sessions/pas_un_compte.txt") << "x";
    const std::string decompose = "e\u0301le\u0301onore";
    std::filesystem::create_directory("sessions/" + decompose);
    ecran->initialiser();
    const auto liste = ecran->obtenir_la_liste();
    EXPECT_EQ(liste->nombre_donnees(), 2);
    EXPECT_FALSE(liste->chercher_compte("pas_un_compte.txt"));
    std::vector<std::string> montres;
    for (int k = 1; k <= liste->nombre_donnees(); ++k) {
        liste->changer_cour(k);
        liste->mettre_a_jour();
        montres.push_back(liste->obtenir_ligne(3)->obtenir_texte());
        if (montres.back() == "éléonore") {
            EXPECT_EQ(liste->obtenir_nom_courant(), decompose);
        }
    }
    std::sort(montres.begin(), montres.end());
    EXPECT_EQ(montres, (std::vector<std::string>{"alice", "éléonore"}));
}

TEST_F(Session, LaLigneDuClavierSuitLaSouris) {
    ecran->initialiser();
    ecran->entrees().modifier_ligne_courante(4);
    EXPECT_EQ(lignes_allumees(), std::vector<int>{4});

    const evenement_pkg::evenement souris;
    entree_ligne(2)->sourisentre(souris);
    EXPECT_EQ(lignes_allumees(), (std::vector<int>{2, 4}));
    ecran->mettre_a_jour();
    EXPECT_EQ(ecran->entrees().obtenir_ligne_courante(), 2);
    EXPECT_EQ(lignes_allumees(), std::vector<int>{2});
    EXPECT_FLOAT_EQ(entree_ligne(4)->obtenir_texte()->obtenir_echelle(), 1.0f);

    // Le pointeur quitte l'entrée : la ligne du clavier reste où elle est, et allumée.
    entree_ligne(2)->sourissort(souris);
    ecran->mettre_a_jour();
    EXPECT_EQ(ecran->entrees().obtenir_ligne_courante(), 2);
    EXPECT_EQ(lignes_allumees(), std::vector<int>{2});
}

} // namespace
