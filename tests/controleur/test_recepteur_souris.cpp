// Récepteur de la souris : ordre des crochets, rapports mis en file, une seule sélection par image, absence de racine.
#include "file_evenements_pkg.hpp"
#include "objet_3d_recepteur_pkg.hpp"
#include "recepteur_souris_pkg.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using evenement_pkg::evenement;
using recepteur_souris_pkg::recepteur_souris;

// Sélection décrite par une table : identifiant touché selon l'abscisse du pointeur.
class selection_table : public recepteur_souris_pkg::source_selection {
public:
    std::map<int, std::uint32_t> objet_en_x;
    bool image_dessinee = true;
    int passes = 0;

    bool picking_a_mettre_a_jour() const override { return image_dessinee; }
    void afficher_mode_selection(const objet_3d_pkg::classe_objet_affichable&, int x, int) override {
        ++passes;
        image_dessinee = false;
        auto trouve = objet_en_x.find(x);
        hit_ = trouve == objet_en_x.end() ? 0 : trouve->second;
    }
    std::uint32_t obtenir_identifiant_hit() const override { return hit_; }

private:
    std::uint32_t hit_ = 0;
};

class bouton_temoin : public objet_3d_recepteur_pkg::objet_3d_recepteur {
public:
    bouton_temoin(std::vector<std::string>& journal, std::string nom) : journal_(journal), nom_(std::move(nom)) {
        initialiser();
    }
    void sourisappuie(const evenement&) override { noter("appuie"); }
    // Un bouton rapporte qu'on l'a relâché ; un objet quitté, qu'il l'est.
    void sourisrelache(const evenement&) override {
        noter("relache");
        rapporter(nom_ + "_relache");
    }
    void sourisbouge(const evenement&) override { noter("bouge"); }
    void sourisentre(const evenement&) override { noter("entre"); }
    void sourissort(const evenement&) override {
        noter("sort");
        rapporter(nom_ + "_quitte");
    }

private:
    void noter(const std::string& crochet) { journal_.push_back(nom_ + "." + crochet); }
    std::vector<std::string>& journal_;
    std::string nom_;
};

evenement souris(std::uint8_t type, int x, std::uint8_t bouton = 0) {
    evenement e;
    e.type = type;
    e.x = static_cast<std::uint16_t>(x);
    e.y = 10;
    e.bouton = bouton;
    return e;
}

struct RecepteurSouris : testing::Test {
    std::vector<std::string> journal;
    bouton_temoin a{journal, "A"};
    bouton_temoin b{journal, "B"};
    selection_table selection;
    file_evenements_pkg::file_memoire file;
    recepteur_souris recepteur{file, selection};

    void SetUp() override {
        selection.objet_en_x = {{100, a.obtenir_identifiant()}, {200, b.obtenir_identifiant()}};
        recepteur.definir_objet_racine(std::make_shared<objet_3d_pkg::objet_affichable>());
    }
    // Chaque événement suit une image fraîchement dessinée.
    bool apres_image(evenement e) {
        selection.image_dessinee = true;
        return recepteur.accepter(e);
    }
};

TEST_F(RecepteurSouris, EntreeDuNouveauAvantSortieDeLAncien) {
    EXPECT_TRUE(apres_image(souris(evenement_pkg::SOURIS_BOUGE, 100)));
    EXPECT_TRUE(apres_image(souris(evenement_pkg::SOURIS_BOUGE, 100)));
    EXPECT_TRUE(apres_image(souris(evenement_pkg::SOURIS_BOUGE, 200)));
    EXPECT_EQ(journal, (std::vector<std::string>{"A.entre", "A.bouge", "A.bouge", "B.entre", "B.bouge", "A.sort"}));
    EXPECT_EQ(selection.obtenir_dernier_touche(), b.obtenir_identifiant());
}

TEST_F(RecepteurSouris, RienSousLePointeurConsommeEtPrevientLObjetQuitte) {
    apres_image(souris(evenement_pkg::SOURIS_BOUGE, 100));
    journal.clear();
    EXPECT_TRUE(apres_image(souris(evenement_pkg::SOURIS_BOUGE, 5)));
    EXPECT_EQ(journal, (std::vector<std::string>{"A.sort"}));
    EXPECT_EQ(selection.obtenir_dernier_touche(), 0u);
}

TEST_F(RecepteurSouris, AppuiSurUnBoutonEtRelachementSurUnAutreActiveLeSecond) {
    apres_image(souris(evenement_pkg::SOURIS_APPUIE, 100, 1));
    apres_image(souris(evenement_pkg::SOURIS_RELACHE, 200, 1));
    EXPECT_EQ(journal, (std::vector<std::string>{"A.entre", "A.appuie", "B.entre", "B.relache", "A.sort"}));
    // Ce que les objets ont rapporté part en file dans l'ordre de leurs crochets, pour la même passe de la boucle.
    std::vector<std::string> en_file;
    while (auto e = file.scruter()) en_file.push_back(evenement_pkg::nom_de(*e));
    EXPECT_EQ(en_file, (std::vector<std::string>{"B_relache", "A_quitte"}));
}

TEST_F(RecepteurSouris, SansNouvelleImageLeResultatDeLaSelectionEstReutilise) {
    apres_image(souris(evenement_pkg::SOURIS_BOUGE, 100));
    auto sans_image = souris(evenement_pkg::SOURIS_BOUGE, 200);
    recepteur.accepter(sans_image);
    EXPECT_EQ(selection.passes, 1);
    EXPECT_EQ(journal, (std::vector<std::string>{"A.entre", "A.bouge", "A.bouge"}));
}

TEST_F(RecepteurSouris, DeclineSansRacineOuHorsSouris) {
    recepteur_souris sans_racine{file, selection};
    auto e = souris(evenement_pkg::SOURIS_RELACHE, 100, 1);
    EXPECT_FALSE(sans_racine.accepter(e));
    evenement touche;
    touche.type = evenement_pkg::TOUCHE_APPUYEE;
    EXPECT_FALSE(recepteur.accepter(touche));
    EXPECT_EQ(selection.passes, 0);
    EXPECT_TRUE(journal.empty());
}

TEST_F(RecepteurSouris, UnNomInconnuOuDUnObjetDetruitNeFaitRienTomber) {
    selection.objet_en_x[300] = 999999;  // jamais inscrit, hors de la table
    auto ephemere = std::make_unique<bouton_temoin>(journal, "C");
    selection.objet_en_x[400] = ephemere->obtenir_identifiant();
    apres_image(souris(evenement_pkg::SOURIS_BOUGE, 400));
    ephemere.reset();
    EXPECT_TRUE(apres_image(souris(evenement_pkg::SOURIS_BOUGE, 300)));
    EXPECT_TRUE(apres_image(souris(evenement_pkg::SOURIS_BOUGE, 100)));
    EXPECT_EQ(journal, (std::vector<std::string>{"C.entre", "C.bouge", "A.entre", "A.bouge"}));
}

TEST(IdentifiantsCliquables, CroissentDepuisUnEtUneDoubleInscriptionNeChangeRien) {
    std::vector<std::string> journal;
    bouton_temoin premier(journal, "P");
    bouton_temoin second(journal, "S");
    EXPECT_EQ(premier.obtenir_identifiant(), 1u);
    EXPECT_EQ(second.obtenir_identifiant(), 2u);
    premier.initialiser();
    EXPECT_EQ(objet_3d_recepteur_pkg::obtenir_recepteur(1), &premier);
    EXPECT_EQ(objet_3d_recepteur_pkg::obtenir_recepteur(0), nullptr);
}

} // namespace
