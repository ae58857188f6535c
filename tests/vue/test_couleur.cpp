// Couleurs OpenGL : construction depuis des octets et lecture des composantes.
#include "scene_pkg.hpp"

#include <gtest/gtest.h>

namespace {

TEST(Couleur, LesOctetsSontRamenesEntreZeroEtUnEtRelusParTroncature) {
    const auto bleu = scene_pkg::creer_couleur(std::int16_t{11}, std::int16_t{111}, std::int16_t{230}, std::int16_t{255});
    EXPECT_FLOAT_EQ(scene_pkg::r(bleu), 11.0f / 255.0f);
    EXPECT_FLOAT_EQ(scene_pkg::a(bleu), 1.0f);
    EXPECT_DOUBLE_EQ(scene_pkg::b_double(bleu), static_cast<double>(230.0f / 255.0f));
    EXPECT_EQ(scene_pkg::a_entiere(bleu), 255);

    const auto c = scene_pkg::creer_couleur(0.5f, 0.999f, 0.0f, 1.0f);
    EXPECT_EQ(scene_pkg::r_entiere(c), 127);  // 127,5 tronqué
    EXPECT_EQ(scene_pkg::g_entiere(c), 254);
    EXPECT_EQ(scene_pkg::b_entiere(c), 0);
}

} // namespace
