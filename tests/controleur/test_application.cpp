// Application : le mode courant seul reçoit les événements, sortie puis entrée à chaque changement, Échap vers le
// menu ; puis les sept vrais modes, de chacun à chacun de ceux qu'il atteint.
#include "application_pkg.hpp"
#include "banc_application.hpp"

#include "../modele/outils_modele.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using application_pkg::application;
using evenement_pkg::evenement;
using evenements_de_test::nomme;
using evenements_de_test::touche;
using mode_pkg::etat_principal;

constexpr etat_principal tous_les_modes[] = {etat_principal::MENU,    etat_principal::JEU,  etat_principal::LIBRE,
                                             etat_principal::AIDE,    etat_principal::SON,  etat_principal::CREDITS,
                                             etat_principal::EDITEUR};

// Les changements de mode qu'un joueur peut faire : du menu vers chaque mode, de chaque mode vers le menu.
std::vector<std::pair<etat_principal, etat_principal>> changements_possibles() {
    std::vector<std::pair<etat_principal, etat_principal>> v;
    for (const etat_principal m : tous_les_modes) {
        if (m == etat_principal::MENU) continue;
        v.emplace_back(etat_principal::MENU, m);
        v.emplace_back(m, etat_principal::MENU);
    }
    return v;
}

// Un mode qui note ses entrées et sorties et met un seul récepteur dans sa chaîne tant qu'il est entré. Son récepteur
// prend les touches ; la touche 'm' demande le menu, 'q' la fin, 'e' le mode espion d'à côté.
class mode_espion final : public mode_pkg::mode {
public:
    mode_espion(std::vector<std::string>& journal, std::string nom, mode_pkg::aiguillage& modes)
        : journal_(journal), nom_(std::move(nom)), recepteur_(*this, modes) {}

    void entrer() override {
        journal_.push_back(nom_ + ".entrer");
        chaine_.empiler(&recepteur_);
    }
    void sortir() override {
        journal_.push_back(nom_ + ".sortir");
        chaine_.retirer(&recepteur_);
    }
    void tic() override { journal_.push_back(nom_ + ".tic"); }
    void dessiner() override { journal_.push_back(nom_ + ".dessiner"); }
    objet_3d_pkg::delai_image delai_prochaine_image() const override { return delai; }

    objet_3d_pkg::delai_image delai;

private:
    struct recepteur : recepteur_pkg::recepteur {
        recepteur(mode_espion& m, mode_pkg::aiguillage& modes) : mode_(m), modes_(modes) {}
        bool accepter(evenement& e) override {
            if (e.type != evenement_pkg::TOUCHE_APPUYEE) return false;
            mode_.journal_.push_back(mode_.nom_ + ".touche");
            switch (e.touche) {
            case 'm': modes_.aller_a(etat_principal::MENU); return true;
            case 'e': modes_.aller_a(etat_principal::EDITEUR); return true;
            case 'q': modes_.quitter(); return true;
            case 'x': return true;
            default: return false;
            }
        }
        mode_espion& mode_;
        mode_pkg::aiguillage& modes_;
    };

    std::vector<std::string>& journal_;
    std::string nom_;
    recepteur recepteur_;
};

struct ApplicationEspionnee : testing::Test {
    std::vector<std::string> journal;
    application app;
    std::array<mode_espion*, 7> espions{};

    void SetUp() override {
        for (const etat_principal m : tous_les_modes) {
            auto espion = std::make_unique<mode_espion>(journal, std::to_string(static_cast<int>(m)), app);
            espions[static_cast<std::size_t>(m)] = espion.get();
            app.installer(m, std::move(espion));
        }
        app.demarrer();
        journal.clear();
    }
    mode_espion& espion(etat_principal m) { return *espions[static_cast<std::size_t>(m)]; }
    bool traiter(evenement e) { return app.traiter(e); }
};

TEST_F(ApplicationEspionnee, ChaqueChangementSortDUnModePuisEntreDansLAutreUneFoisChacun) {
    for (const auto& [depart, arrivee] : changements_possibles()) {
        const std::string d = std::to_string(static_cast<int>(depart));
        const std::string a = std::to_string(static_cast<int>(arrivee));
        SCOPED_TRACE(d + " -> " + a);
        app.aller_a(depart);
        journal.clear();
        app.aller_a(arrivee);
        EXPECT_EQ(journal, (std::vector<std::string>{d + ".sortir", a + ".entrer"}));
        EXPECT_EQ(app.obtenir_etat(), arrivee);
        EXPECT_TRUE(espion(depart).chaine().recepteurs().empty()) << "les récepteurs du mode quitté sont partis";
        EXPECT_EQ(espion(arrivee).chaine().recepteurs().size(), 1u) << "ceux du nouveau mode sont là";
        journal.clear();
        app.aller_a(arrivee);
        EXPECT_TRUE(journal.empty()) << "aller au mode courant ne fait rien";
    }
}

TEST_F(ApplicationEspionnee, SeulLeModeCourantRecoitLEvenementEtDessine) {
    app.aller_a(etat_principal::LIBRE);
    journal.clear();
    EXPECT_TRUE(traiter(touche('x')));
    app.dessiner();
    EXPECT_EQ(journal, (std::vector<std::string>{"2.touche", "2.tic", "2.dessiner"}));
    espion(etat_principal::LIBRE).delai = std::chrono::milliseconds(40);
    EXPECT_EQ(app.delai_prochaine_image(), espion(etat_principal::LIBRE).delai);
}

// Le mode quitté ne l'est jamais au milieu d'un de ses récepteurs : le changement attend la fin de l'événement.
TEST_F(ApplicationEspionnee, UnChangementDemandePendantUnEvenementEstFaitQuandIlEstTraite) {
    app.aller_a(etat_principal::AIDE);
    journal.clear();
    EXPECT_TRUE(traiter(touche('e')));
    EXPECT_EQ(journal, (std::vector<std::string>{"3.touche", "3.sortir", "6.entrer"}));
    EXPECT_EQ(app.obtenir_etat(), etat_principal::EDITEUR);
}

TEST_F(ApplicationEspionnee, UnEchapQueLeModeNePrendPasRameneAuMenu) {
    app.aller_a(etat_principal::CREDITS);
    journal.clear();
    EXPECT_TRUE(traiter(touche(evenement_pkg::touches::ECHAP)));
    EXPECT_EQ(app.obtenir_etat(), etat_principal::MENU);
    EXPECT_EQ(journal, (std::vector<std::string>{"5.touche", "5.sortir", "0.entrer"}));
    EXPECT_FALSE(traiter(touche('a'))) << "une touche que personne ne prend n'a servi à rien";
    EXPECT_FALSE(app.est_termine());
    EXPECT_TRUE(traiter(touche('q')));
    EXPECT_TRUE(app.est_termine());
}

TEST_F(ApplicationEspionnee, QuitterOuUnModeSansObjetNeSeDessinentPas) {
    app.aller_a(etat_principal::QUITTER);
    EXPECT_TRUE(app.est_termine());
    EXPECT_EQ(app.obtenir_etat(), etat_principal::MENU);
    application vide;
    EXPECT_THROW(vide.dessiner(), controleur_pkg::ETAT_INDEFINI);
}

// Les sept vrais modes, dans une racine de données vide : chacun se quitte par ce qu'un joueur ferait (une entrée du
// menu, Échap), ses récepteurs partent et ceux du suivant arrivent.
struct ApplicationDuJeu : testing::Test {
    outils_modele::repertoire_temporaire racine;
    banc_application::banc banc;
    application& app = banc.app;
    void envoyer(evenement e) { banc.envoyer(std::move(e)); }
};

TEST_F(ApplicationDuJeu, DeChaqueModeAChaqueModeQuIlAtteint) {
    const std::pair<etat_principal, const char*> entrees_du_menu[] = {
        {etat_principal::JEU, "jeu_campagne"}, {etat_principal::LIBRE, "jeu_libre"},
        {etat_principal::AIDE, "aide"},        {etat_principal::SON, "musique"},
        {etat_principal::CREDITS, "credits"},  {etat_principal::EDITEUR, "editeur"},
    };
    ASSERT_FALSE(app.obtenir_mode(etat_principal::MENU).chaine().recepteurs().empty());
    for (const auto& [mode, entree] : entrees_du_menu) {
        SCOPED_TRACE(entree);
        envoyer(nomme(entree));
        ASSERT_EQ(app.obtenir_etat(), mode);
        EXPECT_TRUE(app.obtenir_mode(etat_principal::MENU).chaine().recepteurs().empty());
        EXPECT_FALSE(app.obtenir_mode(mode).chaine().recepteurs().empty());

        envoyer(touche(evenement_pkg::touches::ECHAP));
        ASSERT_EQ(app.obtenir_etat(), etat_principal::MENU);
        EXPECT_TRUE(app.obtenir_mode(mode).chaine().recepteurs().empty());
        EXPECT_FALSE(app.obtenir_mode(etat_principal::MENU).chaine().recepteurs().empty());
    }
    envoyer(touche(evenement_pkg::touches::ECHAP));
    EXPECT_TRUE(app.est_termine()) << "Échap sur le menu termine le programme";
}

} // namespace
