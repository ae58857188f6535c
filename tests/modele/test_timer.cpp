// Chronomètre : passages cumulés à l'arrêt, sur une horloge injectée.
#include <gtest/gtest.h>

#include "horloge_reglable.hpp"
#include "timer_pkg.hpp"

namespace {

using namespace std::chrono_literals;
using horloge_reglable_pkg::horloge_reglable;

TEST(Chronometre, CumuleLesPassagesTerminesSeulement) {
    horloge_reglable horloge;
    timer_pkg::temps t(horloge);
    t.arreter_chrono();  // sans départ : rien
    EXPECT_EQ(t.obtenir_temps_passe(), 0s);

    t.demarrer_chrono();
    horloge.instant += 1s;
    t.demarrer_chrono();  // déjà lancé : le départ reste le premier
    horloge.instant += 1s;
    EXPECT_EQ(t.obtenir_temps_passe(), 0s);  // passage en cours non compté
    t.arreter_chrono();
    t.arreter_chrono();
    EXPECT_EQ(t.obtenir_temps_passe(), 2s);

    t.demarrer_chrono();
    EXPECT_TRUE(t.est_actif());
    horloge.instant += 3s;
    t.arreter_chrono();
    EXPECT_EQ(t.obtenir_temps_passe(), 5s);
    EXPECT_EQ(t.obtenir_dernier_temps(), 3s);
    EXPECT_EQ(t.obtenir_chrono(), 0s);
    EXPECT_FALSE(t.est_actif());

    t.demarrer_chrono();
    horloge.instant += 9s;
    t.initialiser_chrono();  // passage abandonné
    EXPECT_EQ(t.obtenir_temps_passe(), 5s);
}

TEST(Chronometre, ValeurDeDepartEtPlusDUnJour) {
    horloge_reglable horloge;
    timer_pkg::temps t(horloge);
    t.initialiser_timer(120.0f);
    EXPECT_EQ(t.obtenir_temps_passe(), 120s);
    EXPECT_FALSE(t.est_actif());
    t.initialiser_timer(86'000.0f);
    t.demarrer_chrono();
    horloge.instant += 1000s;
    t.arreter_chrono();
    EXPECT_EQ(t.obtenir_temps_passe(), 87'000s);
    EXPECT_THROW(t.initialiser_timer(-1.0f), std::out_of_range);
    t.initialiser_timer();
    EXPECT_EQ(t.obtenir_temps_passe(), 0s);
}

TEST(Chronometre, HorlogeSystemeMonotone) {
    timer_pkg::temps t;
    t.demarrer_chrono();
    t.arreter_chrono();
    EXPECT_GE(t.obtenir_dernier_temps(), 0s);
}

TEST(Chronometre, ArrondiALaSecondeLaPlusProche) {
    EXPECT_EQ(timer_pkg::secondes_arrondies(30400ms), 30);
    EXPECT_EQ(timer_pkg::secondes_arrondies(30500ms), 31);
    EXPECT_EQ(timer_pkg::secondes_arrondies(499ms), 0);
}

}  // namespace
