// Chaîne des récepteurs d'un mode : ordre, doublons, retraits pendant la marche, groupes ; événements nommés.
#include "chaine_recepteurs_pkg.hpp"
#include "groupe_recepteurs_pkg.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using chaine_recepteurs_pkg::chaine_recepteurs;
using evenement_pkg::evenement;
using recepteurs = std::vector<recepteur_pkg::classe_recepteur>;

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

TEST(ChaineRecepteurs, LeDernierEmpileEstConsulteLePremierEtUnDoublonNeBougePas) {
    std::vector<int> journal;
    recepteur_temoin a(journal, 1), b(journal, 2), c(journal, 3);
    chaine_recepteurs chaine;
    chaine.empiler(&a);
    chaine.empiler(&b);
    chaine.empiler(&c);
    chaine.empiler(&a);  // déjà présent : ni ajouté ni ramené en tête
    EXPECT_EQ(chaine.recepteurs(), (recepteurs{&c, &b, &a}));

    evenement e;
    e.type = evenement_pkg::TOUCHE_APPUYEE;
    EXPECT_FALSE(chaine.traiter(e));
    EXPECT_EQ(journal, (std::vector<int>{3, 2, 1}));
}

TEST(ChaineRecepteurs, UnEvenementConsommeNEstPlusPresenteAuxSuivants) {
    std::vector<int> journal;
    recepteur_temoin fond(journal, 1), clavier(journal, 2, true), devant(journal, 3);
    chaine_recepteurs chaine;
    chaine.empiler(&fond);
    chaine.empiler(&clavier);
    chaine.empiler(&devant);
    evenement e;
    EXPECT_TRUE(chaine.traiter(e));
    EXPECT_EQ(journal, (std::vector<int>{3, 2}));
}

TEST(ChaineRecepteurs, RetirerUnAbsentNeFaitRien) {
    std::vector<int> journal;
    recepteur_temoin a(journal, 1), b(journal, 2);
    chaine_recepteurs chaine;
    chaine.retirer(&a);
    chaine.empiler(&a);
    chaine.retirer(&b);
    EXPECT_EQ(chaine.recepteurs(), (recepteurs{&a}));
    chaine.retirer(&a);
    EXPECT_TRUE(chaine.recepteurs().empty());
}

// Une liste qui se ferme, un mode qui en change : la marche continue avec ce qui reste, sans ce qui est parti.
TEST(ChaineRecepteurs, CeQuiSeRetirePendantLaMarcheNEstPlusConsulteEtCeQuiArriveAttendLeSuivant) {
    std::vector<int> journal;
    recepteur_temoin fond(journal, 1), milieu(journal, 2), devant(journal, 3), nouveau(journal, 4);
    chaine_recepteurs chaine;
    devant.pendant = [&] {
        chaine.retirer(&devant);
        chaine.retirer(&milieu);
        chaine.empiler(&nouveau);
    };
    chaine.empiler(&fond);
    chaine.empiler(&milieu);
    chaine.empiler(&devant);
    evenement e;
    chaine.traiter(e);
    EXPECT_EQ(journal, (std::vector<int>{3, 1}));
    EXPECT_EQ(chaine.recepteurs(), (recepteurs{&nouveau, &fond}));
}

TEST(GroupeRecepteurs, EntreEnTeteDansSonOrdreEtSortEnEntierUneSeuleFois) {
    std::vector<int> journal;
    recepteur_temoin fond(journal, 1), premier(journal, 2), second(journal, 3);
    chaine_recepteurs chaine;
    chaine.empiler(&fond);
    {
        groupe_recepteurs_pkg::groupe_recepteurs groupe(chaine, {&premier, &second});
        groupe.activer();
        groupe.activer();
        EXPECT_EQ(chaine.recepteurs(), (recepteurs{&premier, &second, &fond}));
        groupe.desactiver();
        groupe.desactiver();
        EXPECT_EQ(chaine.recepteurs(), (recepteurs{&fond}));
        groupe.activer();
    }
    EXPECT_EQ(chaine.recepteurs(), (recepteurs{&fond})) << "un groupe détruit quitte la chaîne";
}

TEST(EvenementsNommes, PortentLeurNomEtLeurCharge) {
    const evenement a = evenement_pkg::nomme("deplacer_curseur", case_simple_pkg::coordonnees{4, 7});
    EXPECT_EQ(a.type, evenement_pkg::EVENEMENT_NOMME);
    EXPECT_EQ(evenement_pkg::nom_de(a), "deplacer_curseur");
    EXPECT_EQ(std::get<case_simple_pkg::coordonnees>(a.donnee), (case_simple_pkg::coordonnees{4, 7}));
    EXPECT_EQ(std::get<std::string>(evenement_pkg::nomme("valider_ecriture", std::string("Éloïse")).donnee), "Éloïse");
    const evenement c = evenement_pkg::nomme("tourner_cube", {}, 3);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(c.donnee));
    EXPECT_EQ(c.code, 3);
}

TEST(EvenementsNommes, UnEvenementOrdinaireNAPasDeNom) {
    evenement e;
    e.type = evenement_pkg::TOUCHE_APPUYEE;
    e.nom = "valider";
    EXPECT_EQ(evenement_pkg::nom_de(e), "");
}

} // namespace
