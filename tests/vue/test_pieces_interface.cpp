// Pièces d'interface sans fenêtre : pile et glissement du dock, états des boutons, événements envoyés.
#include "barre_3d.hpp"
#include "bord_triangle_3d.hpp"
#include "bouton_cockpit_3d.hpp"
#include "bouton_dock_3d.hpp"
#include "bouton_rond_3d.hpp"
#include "dock_3d.hpp"
#include "fleche_3d.hpp"
#include "fond_droite_pkg.hpp"
#include "fond_etoile_3d.hpp"
#include "fond_gauche_pkg.hpp"
#include "fond_pkg.hpp"
#include "fond_score_3d.hpp"
#include "../modele/horloge_reglable.hpp"
#include "interface_dock_pkg.hpp"
#include "panneau_droite_3d.hpp"
#include "retour_menu_3d_pkg.hpp"
#include "sphere_3d.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using objet_3d_pkg::coordonnee_3d;

const evenement_pkg::evenement souris{};

using horloge_reglable_pkg::horloge_reglable;

// Noms des événements nommés que l'objet a rapportés depuis la dernière fois, dans l'ordre.
std::vector<std::string> rapportes(objet_3d_recepteur_pkg::objet_3d_recepteur& o) {
    std::vector<std::string> noms;
    for (const auto& e : o.prendre_rapports()) noms.push_back(evenement_pkg::nom_de(e));
    return noms;
}

struct Dock : testing::Test {
    horloge_reglable horloge;
    interface_dock_pkg::interface_dock_affichable dock;

    void SetUp() override {
        objet_3d_pkg::definir_horloge(horloge);
        dock.initialiser();
    }
    void TearDown() override { objet_3d_pkg::retablir_horloge_systeme(); }

    std::vector<float> ordonnees_des_boutons() const {
        std::vector<float> y;
        for (int j = 1; j <= objet_3d_pkg::l_obj3d::taille_liste(dock.obtenir_sous_objets()); ++j) {
            const coordonnee_3d p = dock.obtenir_nieme_objets(j)->obtenir_position();
            EXPECT_FLOAT_EQ(p.x, -0.56f);
            y.push_back(p.y);
        }
        return y;
    }
};

TEST_F(Dock, LaPileResteCentreeLeDernierAjouteEnHaut) {
    dock.ajouter_bouton("Aide", "aide");
    ASSERT_EQ(ordonnees_des_boutons().size(), 1u);
    EXPECT_FLOAT_EQ(ordonnees_des_boutons()[0], -1.04f);

    dock.ajouter_bouton("Menu", "menu");
    const std::vector<float> deux = ordonnees_des_boutons();
    EXPECT_NEAR(deux[0], -0.925f, 1e-6f);
    EXPECT_NEAR(deux[1], -1.155f, 1e-6f);
    auto dernier = std::dynamic_pointer_cast<bouton_dock_3d::bouton_dock_3d_affichable>(dock.obtenir_nieme_objets(1));
    ASSERT_NE(dernier, nullptr);
    EXPECT_EQ(dernier->obtenir_nom_action(), "menu");
    EXPECT_FLOAT_EQ(dernier->obtenir_echelle(), 0.55f);
}

TEST_F(Dock, UnSeptiemeBoutonEstRefuseEtLesSixRestentEnPlace) {
    for (int i = 1; i <= 6; ++i) {
        dock.ajouter_bouton("B" + std::to_string(i), "b" + std::to_string(i));
    }
    const std::vector<float> avant = ordonnees_des_boutons();
    EXPECT_NEAR(avant.front(), 5 * 0.115f - 1.04f, 1e-6f);
    EXPECT_NEAR(avant.back(), -1.04f - 5 * 0.115f, 1e-6f);

    EXPECT_THROW(dock.ajouter_bouton("B7", "b7"), interface_dock_pkg::ERREUR_PLUS_DE_PLACE_DANS_DOCK);
    EXPECT_EQ(ordonnees_des_boutons(), avant);
}

TEST_F(Dock, ToggleMonteEnFreinantPuisRedescendEnAccelerant) {
    dock.positionner_objet3d({-0.1f, -2.8f, -5.1f});
    dock.toggle();
    EXPECT_TRUE(dock.est_devoile());
    horloge.instant += 125ms;
    dock.animer();
    EXPECT_NEAR(dock.obtenir_position().y, -1.435f, 1e-5f);  // racine : la moitié du chemin au quart du temps
    horloge.instant += 375ms;
    dock.animer();
    EXPECT_EQ(dock.obtenir_position(), (coordonnee_3d{-0.1f, -0.07f, -5.1f}));

    dock.toggle();
    EXPECT_FALSE(dock.est_devoile());
    horloge.instant += 250ms;
    dock.animer();
    EXPECT_NEAR(dock.obtenir_position().y, -0.07f - 0.25f * 2.73f, 1e-5f);  // carré : le quart au milieu
    horloge.instant += 250ms;
    dock.animer();
    EXPECT_FLOAT_EQ(dock.obtenir_position().y, -2.8f);
}

TEST_F(Dock, DeuxTogglesRapprochesEnchainentMonteeEtDescenteSansSaut) {
    dock.positionner_objet3d({-0.1f, -2.8f, -5.1f});
    dock.toggle();
    horloge.instant += 100ms;
    dock.toggle();  // encore en train de monter
    horloge.instant += 400ms;
    dock.animer();
    EXPECT_FLOAT_EQ(dock.obtenir_position().y, -0.07f);
    horloge.instant += 1ms;
    dock.animer();
    EXPECT_GT(dock.obtenir_position().y, -0.08f);  // la descente part d'en haut
    horloge.instant += 499ms;
    dock.animer();
    EXPECT_FLOAT_EQ(dock.obtenir_position().y, -2.8f);
}

TEST(DockNonConstruit, RefuseBoutonsEtDessin) {
    interface_dock_pkg::interface_dock_affichable dock;
    EXPECT_THROW(dock.ajouter_bouton("Aide", "aide"), interface_dock_pkg::ERREUR_INTERFACE_DOCK_NON_INITIALISE);
}

// Chaque pièce dessinée avant d'être construite lève l'exception de son paquet, avant tout appel OpenGL.
TEST(PiecesNonConstruites, ChacuneLeveSaPropreErreur) {
    struct cas {
        std::string paquet;
        std::function<void()> afficher;
        std::string erreur;
    };
    auto dessiner = [](auto piece) { return [piece] { piece->afficher(); }; };
    const std::vector<cas> table = {
        {"barre_3d", dessiner(std::make_shared<barre_3d::barre_3d_affichable>()), "BARRE_3D.ERREUR_BARRE_NON_INITIALISE"},
        {"bord_triangle_3d", dessiner(std::make_shared<bord_triangle_3d::bord_triangle_3d_affichable>()),
         "BORD_TRIANGLE_3D.ERREUR_TRIANGLE_NON_INITIALISE"},
        {"dock_3d", dessiner(std::make_shared<dock_3d::dock_3d_affichable>()), "DOCK_3D.ERREUR_DOCK_NON_INITIALISE"},
        {"panneau_droite_3d", dessiner(std::make_shared<panneau_droite_3d::panneau_droite_3d_affichable>()),
         "PANNEAU_DROITE_3D.ERREUR_PANNEAU_DROITE_NON_INITIALISE"},
        {"fond_score_3d", dessiner(std::make_shared<fond_score_3d::fond_score_3d_affichable>()),
         "FOND_SCORE_3D.ERREUR_FOND_SCORE_NON_INITIALISE"},
        {"fond_etoile_3d", dessiner(std::make_shared<fond_etoile_3d::fond_etoile_3d_affichable>()),
         "FOND_ETOILE_3D.ERREUR_FOND_ETOILE_NON_INITIALISE"},
        {"sphere_3d", dessiner(std::make_shared<sphere_3d::sphere_3d_affichable>()),
         "SPHERE_3D.ERREUR_SPHERE_NON_INITIALISE"},
        {"fond_pkg", dessiner(std::make_shared<fond_pkg::fond_affichable>()), "FOND_PKG.ERREUR_FOND_NON_INITIALISE"},
        {"fond_gauche_pkg", dessiner(std::make_shared<fond_gauche_pkg::fond_gauche_affichable>()),
         "FOND_GAUCHE_PKG.ERREUR_FOND_GAUCHE_NON_INITIALISE"},
        {"fond_droite_pkg", dessiner(std::make_shared<fond_droite_pkg::fond_droite_affichable>()),
         "FOND_DROITE_PKG.ERREUR_FOND_DROITE_NON_INITIALISE"},
        {"bouton_rond_3d", dessiner(std::make_shared<bouton_rond_3d::bouton_rond_3d_affichable>()),
         "BOUTON_ROND_3D.ERREUR_BOUTON_ROND_NON_INITIALISE"},
        {"bouton_dock_3d", dessiner(std::make_shared<bouton_dock_3d::bouton_dock_3d_affichable>()),
         "BOUTON_DOCK_3D.ERREUR_BOUTON_DOCK_NON_INITIALISE"},
        {"bouton_cockpit_3d", dessiner(std::make_shared<bouton_cockpit_3d::bouton_cockpit_3d_affichable>()),
         "BOUTON_COCKPIT_3D.ERREUR_BOUTON_COCKPIT_NON_INITIALISE"},
        {"fleche_3d", dessiner(std::make_shared<fleche_3d::fleche_3d_affichable>()),
         "FLECHE_3D.ERREUR_FLECHE_NON_INITIALISE"},
        {"retour_menu_3d_pkg", dessiner(std::make_shared<retour_menu_3d_pkg::retour_menu>()),
         "RETOUR_MENU_3D_PKG.ERREUR_RETOUR_MENU_NON_INITIALISE"},
        {"interface_dock_pkg", dessiner(std::make_shared<interface_dock_pkg::interface_dock_affichable>()),
         "INTERFACE_DOCK_PKG.ERREUR_INTERFACE_DOCK_NON_INITIALISE"},
    };
    for (const cas& c : table) {
        try {
            c.afficher();
            ADD_FAILURE() << c.paquet << " : aucune erreur";
        } catch (const erreur_pkg::erreur& e) {
            EXPECT_EQ(e.nom_complet(), c.erreur) << c.paquet;
        }
    }
}

TEST(Boutons, LeBoutonDuDockSEnfonceTenuEtSonVoyantSuitLePointeur) {
    bouton_dock_3d::bouton_dock_3d_affichable b;
    b.initialiser("Aide", "aide");
    const std::uint32_t id = b.obtenir_identifiant();
    b.initialiser("Autre", "autre");  // sans effet la seconde fois
    EXPECT_EQ(objet_3d_recepteur_pkg::obtenir_recepteur(id), &b);
    EXPECT_EQ(b.obtenir_nom_action(), "aide");
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_texte(), "Aide");
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_couleur(), affichage_texte_pkg::jaune_pale);
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_position(), (coordonnee_3d{-0.15f, 0.0f, 0.0f}));

    b.sourisentre(souris);
    EXPECT_EQ(b.texture_voyant(), "rond_vert");
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_couleur(), affichage_texte_pkg::vert);
    b.sourisappuie(souris);
    EXPECT_EQ(b.texture_plaque(), "bouton_dock_actif");
    b.sourisrelache(souris);
    EXPECT_EQ(b.texture_plaque(), "bouton_dock");
    EXPECT_EQ(rapportes(b), std::vector<std::string>{"aide"});

    b.sourisappuie(souris);
    b.sourissort(souris);
    EXPECT_EQ(b.texture_plaque(), "bouton_dock");
    EXPECT_EQ(b.texture_voyant(), "rond_rouge");
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_couleur(), affichage_texte_pkg::jaune_pale);
    EXPECT_TRUE(rapportes(b).empty());
}

TEST(Boutons, LeBoutonRondQuitteAvantLeRelachementNEnvoieRien) {
    bouton_rond_3d::bouton_rond_3d_affichable b;
    b.initialiser("OK", "ok");
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_couleur(), affichage_texte_pkg::noir);
    EXPECT_FLOAT_EQ(b.obtenir_etiquette()->obtenir_echelle(), 0.85f);

    b.sourisentre(souris);
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_couleur(), affichage_texte_pkg::rouge);
    b.sourisappuie(souris);
    EXPECT_EQ(b.texture_courante(), "bouton_rond_actif");
    b.sourissort(souris);  // relâché ailleurs : le récepteur de souris ne prévient que l'objet sous le pointeur
    EXPECT_EQ(b.texture_courante(), "bouton_rond");
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_couleur(), affichage_texte_pkg::noir);
    EXPECT_TRUE(rapportes(b).empty());

    b.mettre_a_jour(" -");
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_texte(), " -");
}

TEST(Boutons, LeBoutonDuCockpitInclineSonEtiquetteEtEnvoieSonEvenement) {
    bouton_cockpit_3d::bouton_cockpit_3d_affichable b;
    b.initialiser("Menu", "menu", 45.0f);
    EXPECT_FLOAT_EQ(b.obtenir_etiquette()->obtenir_angle_rotation(), 45.0f);
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_axe_rotation(), (coordonnee_3d{0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_position(), (coordonnee_3d{0.11f, 0.13f, 0.0f}));

    b.sourisentre(souris);
    EXPECT_EQ(b.obtenir_etiquette()->obtenir_couleur(), affichage_texte_pkg::vert);
    b.sourisappuie(souris);
    EXPECT_EQ(b.texture_courante(), "bouton_cockpit_actif");
    b.sourisrelache(souris);
    EXPECT_EQ(b.texture_courante(), "bouton_cockpit");
    EXPECT_EQ(rapportes(b), std::vector<std::string>{"menu"});
}

TEST(Boutons, LaFlecheRapporteSaDirectionAuRelachement) {
    fleche_3d::fleche_3d_affichable f;
    f.initialiser();
    f.la_direction = 2;
    f.sourisappuie(souris);
    EXPECT_EQ(f.texture_courante(), "fleche_actif");
    EXPECT_TRUE(f.prendre_rapports().empty());
    f.sourisrelache(souris);
    EXPECT_EQ(f.texture_courante(), "fleche");
    const auto rapports = f.prendre_rapports();
    ASSERT_EQ(rapports.size(), 1u);
    EXPECT_EQ(evenement_pkg::nom_de(rapports.front()), fleche_3d::action_tourner);
    EXPECT_EQ(rapports.front().code, 2);
    f.sourisappuie(souris);
    f.sourissort(souris);
    EXPECT_EQ(f.texture_courante(), "fleche");
    EXPECT_TRUE(f.prendre_rapports().empty());
}

TEST(Boutons, LaPlaqueMenuGrossitSousLePointeurEtRameneAuMenu) {
    retour_menu_3d_pkg::retour_menu r;
    r.initialiser();
    auto texte = std::dynamic_pointer_cast<objet_texte_pkg::texte_affichable>(r.obtenir_nieme_objets(1));
    ASSERT_NE(texte, nullptr);
    EXPECT_EQ(texte->obtenir_texte(), "menu");
    r.sourisentre(souris);
    EXPECT_FLOAT_EQ(r.obtenir_echelle(), 1.2f);
    r.sourissort(souris);
    EXPECT_FLOAT_EQ(r.obtenir_echelle(), 1.0f);

    r.sourisrelache(souris);
    EXPECT_EQ(rapportes(r), std::vector<std::string>{"menu"});
}

} // namespace
