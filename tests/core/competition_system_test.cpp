// The equilibria of the fixed-coefficient scenarios and their stability.

#include "core/competition_system.h"

#include <gtest/gtest.h>

namespace morvanta {
namespace {

TEST(Equilibria, SevereCompetitionHasTwoStableCornersAndASaddle) {
    const auto equilibria = EquilibriaInQuadrant(*FixedSystemOf(Scenario::CompSevere));
    ASSERT_EQ(equilibria.size(), 4U);
    EXPECT_FALSE(equilibria[0].stable) << "the origin";
    EXPECT_TRUE(equilibria[1].stable) << "species 1 alone at 0.9";
    EXPECT_TRUE(equilibria[2].stable) << "species 2 alone at 0.9";
    EXPECT_NEAR(equilibria[3].n1, 0.36, 1e-12);
    EXPECT_NEAR(equilibria[3].n2, 0.36, 1e-12);
    EXPECT_FALSE(equilibria[3].stable) << "the saddle";
}

TEST(Equilibria, MildHasOneStableCoexistencePointReversedHasNone) {
    const auto mild = EquilibriaInQuadrant(*FixedSystemOf(Scenario::CompMild));
    ASSERT_EQ(mild.size(), 4U);
    EXPECT_NEAR(mild[3].n1, 0.5, 1e-12);
    for (const Equilibrium& e : mild) EXPECT_EQ(e.stable, &e == &mild[3]) << e.n1 << ", " << e.n2;
    // a12 0.5, a21 0.7: N1 = (0.9 - 0.5 * 0.9) / (1 - 0.35), N2 = (0.9 - 0.7 * 0.9) / 0.65.
    const auto asymmetric = EquilibriaInQuadrant({0.5, 0.7, 0.9, 0.9, 0.03, 0.03});
    ASSERT_EQ(asymmetric.size(), 4U);
    EXPECT_NEAR(asymmetric[3].n1, 0.45 / 0.65, 1e-12);
    EXPECT_NEAR(asymmetric[3].n2, 0.27 / 0.65, 1e-12);
    EXPECT_TRUE(asymmetric[3].stable);
    for (const Equilibrium& e : EquilibriaInQuadrant(*FixedSystemOf(Scenario::ReversedGrowth)))
        EXPECT_FALSE(e.stable) << e.n1 << ", " << e.n2;
}

TEST(Equilibria, ZeroGrowthLinesTakeEachSpeciesOwnCoefficient) {
    const auto lines = ZeroGrowthLines({0.6, 1.4, 0.9, 0.8, 0.03, 0.03});
    EXPECT_EQ(lines[0].a1, 1.0);
    EXPECT_EQ(lines[0].a2, 0.6) << "species 1's line carries a12";
    EXPECT_EQ(lines[0].k, 0.9);
    EXPECT_EQ(lines[1].a1, 1.4) << "species 2's line carries a21";
    EXPECT_EQ(lines[1].a2, 1.0);
    EXPECT_EQ(lines[1].k, 0.8);
}

}  // namespace
}  // namespace morvanta
