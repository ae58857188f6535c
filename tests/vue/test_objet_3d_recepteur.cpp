// Objets cliquables : numéros de sélection et table des récepteurs.
#include "objet_3d_recepteur_pkg.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

using objet_3d_recepteur_pkg::obtenir_recepteur;

// Chaque test tourne dans son propre processus : le compteur y part de zéro.
TEST(ObjetRecepteur, LesNumerosPartentDe1DansLOrdreDeCreationInscritOuNon) {
    objet_3d_recepteur_pkg::objet_3d_recepteur premier;
    objet_3d_recepteur_pkg::objet_3d_recepteur second;
    EXPECT_EQ(premier.obtenir_identifiant(), 1u);
    EXPECT_EQ(second.obtenir_identifiant(), 2u);
    EXPECT_EQ(objet_3d_recepteur_pkg::identifiant_suivant(), 3u);
    objet_3d_recepteur_pkg::objet_3d_recepteur quatrieme;
    EXPECT_EQ(quatrieme.obtenir_identifiant(), 4u);
    EXPECT_EQ(obtenir_recepteur(1), nullptr);  // jamais inscrit
    EXPECT_EQ(obtenir_recepteur(0), nullptr);
}

TEST(ObjetRecepteur, UneDoubleInscriptionNInscritQuUneFoisEtUnObjetDetruitSeRetire) {
    auto objet = std::make_unique<objet_3d_recepteur_pkg::objet_3d_recepteur>();
    const std::uint32_t id = objet->obtenir_identifiant();
    objet->initialiser();
    objet->initialiser();
    EXPECT_EQ(obtenir_recepteur(id), objet.get());
    EXPECT_TRUE(objet->est_actif());
    objet->desactiver();
    EXPECT_FALSE(objet->est_actif());
    objet.reset();
    EXPECT_EQ(obtenir_recepteur(id), nullptr);
    EXPECT_EQ(obtenir_recepteur(100000), nullptr);  // hors de la table
}

} // namespace
