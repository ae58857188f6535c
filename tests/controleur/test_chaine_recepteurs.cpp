// Chaîne des récepteurs : ordre, doublons, retraits pendant la marche, événements nommés.
#include "gestion_evenements_pkg.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace gestion_evenements_pkg;
using evenement_pkg::evenement;

// Récepteur qui note son passage et consomme selon une règle donnée.
class recepteur_temoin : public recepteur_pkg::recepteur {
public:
    recepteur_temoin(std::vector<int>& journal, int numero, bool consomme = false)
        : journal_(journal), numero_(numero), consomme_(consomme) {}
    std::function<void()> pendant;
    bool accepter(evenement&) override {
        journal_.push_back(numero_);
        if (pendant) {
            pendant();
        }
        return consomme_;
    }

private:
    std::vector<int>& journal_;
    int numero_;
    bool consomme_;
};

std::vector<recepteur_pkg::classe_recepteur> chaine() {
    std::vector<recepteur_pkg::classe_recepteur> v;
    for (auto l = obtenir_chaine_recepteurs(); !liste_recepteurs_pkg::est_vide(l); l = liste_recepteurs_pkg::get_suiv(l)) {
        v.push_back(liste_recepteurs_pkg::get_elem(l));
    }
    return v;
}

TEST(ChaineRecepteurs, LeDernierEmpileEstConsulteLePremierEtUnDoublonNeBougePas) {
    std::vector<int> journal;
    recepteur_temoin a(journal, 1), b(journal, 2), c(journal, 3);
    empiler_recepteur(&a);
    empiler_recepteur(&b);
    empiler_recepteur(&c);
    empiler_recepteur(&a);  // déjà présent : ni ajouté ni ramené en tête
    EXPECT_EQ(chaine(), (std::vector<recepteur_pkg::classe_recepteur>{&c, &b, &a}));

    evenement e;
    e.type = evenement_pkg::TOUCHE_APPUYEE;
    traiter_evenement(e);
    EXPECT_EQ(journal, (std::vector<int>{3, 2, 1}));
}

TEST(ChaineRecepteurs, UnEvenementConsommeNEstPlusPresenteAuxSuivants) {
    std::vector<int> journal;
    recepteur_temoin fond(journal, 1), clavier(journal, 2, true), devant(journal, 3);
    empiler_recepteur(&fond);
    empiler_recepteur(&clavier);
    empiler_recepteur(&devant);
    evenement e;
    traiter_evenement(e);
    EXPECT_EQ(journal, (std::vector<int>{3, 2}));
}

TEST(ChaineRecepteurs, SupprimerUnRecepteurAbsentOuDansUneChaineVideLeveLesErreursDeLaListe) {
    std::vector<int> journal;
    recepteur_temoin a(journal, 1), b(journal, 2);
    EXPECT_THROW(supprimer_recepteur(&a), liste_recepteurs_pkg::ERREUR_LISTE_VIDE);
    empiler_recepteur(&a);
    EXPECT_THROW(supprimer_recepteur(&b), liste_recepteurs_pkg::ERREUR_ELEM_INTROUVABLE);
    supprimer_recepteur(&a);
    EXPECT_TRUE(chaine().empty());
}

TEST(ChaineRecepteurs, UnRecepteurQuiSeRetirePendantLaMarcheLaisseLaMarcheContinuer) {
    std::vector<int> journal;
    recepteur_temoin fond(journal, 1), milieu(journal, 2), devant(journal, 3);
    milieu.pendant = [&] { supprimer_recepteur(&milieu); };
    devant.pendant = [&] { supprimer_recepteur(&devant); };
    empiler_recepteur(&fond);
    empiler_recepteur(&milieu);
    empiler_recepteur(&devant);
    evenement e;
    traiter_evenement(e);
    EXPECT_EQ(journal, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(chaine(), (std::vector<recepteur_pkg::classe_recepteur>{&fond}));
}

TEST(EvenementsNommes, ReviennentDansLOrdreAvecLeurNomEtLeurCharge) {
    emettre_evenement_nomme("deplacer_curseur", case_simple_pkg::coordonnees{4, 7});
    emettre_evenement_nomme("valider_ecriture", std::string("Éloïse"));
    emettre_evenement_nomme("valider");

    auto& file = obtenir_file();
    auto premier = file.scruter();
    ASSERT_TRUE(premier);
    EXPECT_EQ(premier->type, evenement_tessaline);
    EXPECT_EQ(obtenir_nom_evenement(*premier), "deplacer_curseur");
    EXPECT_EQ(std::get<case_simple_pkg::coordonnees>(premier->donnee), (case_simple_pkg::coordonnees{4, 7}));

    auto deuxieme = file.scruter();
    ASSERT_TRUE(deuxieme);
    EXPECT_EQ(std::get<std::string>(deuxieme->donnee), "Éloïse");

    auto troisieme = file.scruter();
    ASSERT_TRUE(troisieme);
    EXPECT_EQ(obtenir_nom_evenement(*troisieme), "valider");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(troisieme->donnee));
    EXPECT_FALSE(file.scruter());
}

TEST(EvenementsNommes, UnEvenementOrdinaireNAPasDeNom) {
    evenement e;
    e.type = evenement_pkg::TOUCHE_APPUYEE;
    e.nom = "valider";
    EXPECT_EQ(obtenir_nom_evenement(e), "");
}

} // namespace
