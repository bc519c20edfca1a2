// A teacher's own coefficients and start: what they replace in a trial and what they leave,
// and the direction field as steps of the same model.

#include "core/trial_overrides.h"

#include <gtest/gtest.h>

#include "core/direction_field.h"
#include "core/uniform_random.h"

namespace morvanta {
namespace {

const TrialOverrides Own{OffDiagonal{0.6, 1.4}, std::nullopt};

TEST(TrialOverrides, OwnCoefficientsReplaceThePresetsAndKeepTheDraws) {
    for (const Scenario scenario :
         {Scenario::CompSevere, Scenario::CompMild, Scenario::ReversedGrowth}) {
        ProcessRandom().seed = 12345;
        ModelState preset;
        SetUpTrial(preset, scenario);
        const std::uint32_t after = ProcessRandom().seed;
        ProcessRandom().seed = 12345;
        ModelState own;
        SetUpTrial(own, scenario, Own);
        EXPECT_EQ(ProcessRandom().seed, after) << "the same two draws";
        EXPECT_EQ(own.N, preset.N) << "a seed draws the same start densities";
        EXPECT_EQ(own.A, (Matrix2{Vector2{1.0, 0.6}, Vector2{1.4, 1.0}}));
    }
}

TEST(TrialOverrides, TheStartPointScenarioTakesNone) {
    ProcessRandom().seed = 0;
    ModelState preset;
    SetUpTrial(preset, Scenario::StartPoint);
    ProcessRandom().seed = 0;
    ModelState own;
    SetUpTrial(own, Scenario::StartPoint, TrialOverrides{OffDiagonal{0.6, 1.4}, Vector2{0.2, 0.3}});
    EXPECT_EQ(own.N, preset.N);
    EXPECT_EQ(own.A, preset.A);
    EXPECT_FALSE(FixedSystemOf(Scenario::StartPoint, Own));
    EXPECT_EQ(OwnCoefficientsLine(Scenario::StartPoint, Own), "");
}

TEST(TrialOverrides, AFixedStartReplacesBothDensities) {
    ProcessRandom().seed = 0;
    ModelState model;
    SetUpTrial(model, Scenario::CompMild, TrialOverrides{std::nullopt, Vector2{0.2, 0.7}});
    EXPECT_EQ(model.N, (Vector2{0.2, 0.7}));
    EXPECT_EQ(model.A[0][1], MildCoefficient);
    EXPECT_EQ(ProcessRandom().seed, 134775814U) << "still two draws";
}

TEST(TrialOverrides, TheSystemAndTheLogLineFollowOwnCoefficients) {
    const auto reversed = FixedSystemOf(Scenario::ReversedGrowth, Own);
    ASSERT_TRUE(reversed);
    EXPECT_EQ(reversed->a12, 0.6);
    EXPECT_EQ(reversed->a21, 1.4);
    EXPECT_EQ(reversed->g2, -GrowthRate) << "the reversed growth term stays";
    EXPECT_EQ(OwnCoefficientsLine(Scenario::CompSevere, {OffDiagonal{1.2, 0.7}, std::nullopt}),
              "a12 1.2, a21 0.7");
    EXPECT_EQ(OwnCoefficientsLine(Scenario::CompSevere, {}), "");
}

TEST(DirectionField, EachArrowIsOneStepOfTheModel) {
    for (const Scenario scenario : {Scenario::CompSevere, Scenario::ReversedGrowth}) {
        const CompetitionSystem system = *FixedSystemOf(scenario, Own);
        const std::vector<FieldSample> field = DirectionField(system, 1.2, 4);
        ASSERT_EQ(field.size(), 16U);
        EXPECT_DOUBLE_EQ(field[0].n1, 0.15);
        EXPECT_DOUBLE_EQ(field[5].n2, 0.45);
        for (const FieldSample& s : field) {
            ModelState model;
            InitRunParameters(model);
            model.A = {Vector2{1.0, 0.6}, Vector2{1.4, 1.0}};
            model.N = {s.n1, s.n2};
            Step(model, scenario);
            EXPECT_EQ(s.n1 + s.d1, model.N[0]) << s.n1 << ',' << s.n2;
            EXPECT_EQ(s.n2 + s.d2, model.N[1]) << s.n1 << ',' << s.n2;
        }
    }
}

}  // namespace
}  // namespace morvanta
