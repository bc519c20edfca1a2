// A teacher's own coefficients: what they replace in a trial and what they leave, and the
// direction field as steps of the same model.

#include "core/trial_overrides.h"

#include <gtest/gtest.h>

#include "core/direction_field.h"
#include "core/uniform_random.h"

namespace morvanta {
namespace {

const TrialOverrides Own{OffDiagonal{0.6, 1.4}, std::nullopt};

TEST(TrialOverrides, OwnCoefficientsReplaceThePresetsAndKeepTheDraws) {
    for (const Scenario scenario : {Scenario::StartPoint, Scenario::CompSevere, Scenario::CompMild,
                                    Scenario::ReversedGrowth}) {
        ProcessRandom().seed = 12345;
        ModelState preset;
        SetUpTrial(preset, scenario);
        const std::uint32_t after = ProcessRandom().seed;
        ProcessRandom().seed = 12345;
        ModelState own;
        SetUpTrial(own, scenario, Own);
        EXPECT_EQ(ProcessRandom().seed, after) << "the same two draws";
        EXPECT_EQ(own.N, preset.N) << "a seed draws the same start densities";
        if (scenario == Scenario::StartPoint)
            EXPECT_EQ(own.A, preset.A) << "it draws its own coefficients";
        else
            EXPECT_EQ(own.A, (Matrix2{Vector2{1.0, 0.6}, Vector2{1.4, 1.0}}));
    }
}

TEST(DirectionField, EachArrowIsOneStepOfTheModel) {
    for (const Scenario scenario : {Scenario::CompSevere, Scenario::ReversedGrowth}) {
        const std::vector<FieldSample> field =
            DirectionField(*FixedSystemOf(scenario, Own), 1.2, 4);
        ASSERT_EQ(field.size(), 16U);
        EXPECT_DOUBLE_EQ(field[5].n1, 0.45);
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
