// Objets cliquables : numéros de sélection et table des récepteurs.
#include "objet_3d_recepteur_pkg.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using objet_3d_recepteur_pkg::nombre_noms_tenus;
using objet_3d_recepteur_pkg::obtenir_recepteur;
using objet_3d_recepteur_pkg::objet_3d_recepteur;

// Chaque test tourne dans son propre processus : le compteur y part de zéro.
TEST(ObjetRecepteur, LesNumerosPartentDe1DansLOrdreDeCreationInscritOuNon) {
    objet_3d_recepteur premier;
    objet_3d_recepteur second;
    EXPECT_EQ(premier.obtenir_identifiant(), 1u);
    EXPECT_EQ(second.obtenir_identifiant(), 2u);
    objet_3d_recepteur troisieme;
    EXPECT_EQ(troisieme.obtenir_identifiant(), 3u);
    EXPECT_EQ(obtenir_recepteur(1), nullptr);  // jamais inscrit
    EXPECT_EQ(obtenir_recepteur(0), nullptr);
}

TEST(ObjetRecepteur, UneDoubleInscriptionNInscritQuUneFoisEtUnObjetDetruitSeRetire) {
    auto objet = std::make_unique<objet_3d_recepteur>();
    const std::uint32_t id = objet->obtenir_identifiant();
    objet->initialiser();
    objet->initialiser();
    EXPECT_EQ(obtenir_recepteur(id), objet.get());
    EXPECT_TRUE(objet->est_actif());
    objet->desactiver();
    EXPECT_FALSE(objet->est_actif());
    objet.reset();
    EXPECT_EQ(obtenir_recepteur(id), nullptr);
    EXPECT_EQ(obtenir_recepteur(100000), nullptr);  // jamais donné
}

// Le nom d'un objet détruit reste sans objet : un nouveau venu n'hérite pas des événements qui lui étaient destinés.
TEST(ObjetRecepteur, LaTableSuitLesObjetsVivantsSansRedonnerUnNom) {
    const std::size_t avant = nombre_noms_tenus();
    std::uint32_t dernier_nom = 0;
    for (int tour = 0; tour < 100; ++tour) {
        std::vector<std::unique_ptr<objet_3d_recepteur>> objets;
        for (int k = 0; k < 500; ++k) {
            objets.push_back(std::make_unique<objet_3d_recepteur>());
            if (k % 2 == 0) objets.back()->initialiser();
            ASSERT_GT(objets.back()->obtenir_identifiant(), dernier_nom);
            dernier_nom = objets.back()->obtenir_identifiant();
        }
        EXPECT_EQ(nombre_noms_tenus(), avant + 500);
    }
    EXPECT_EQ(nombre_noms_tenus(), avant);
    EXPECT_EQ(obtenir_recepteur(dernier_nom), nullptr);
}

} // namespace
