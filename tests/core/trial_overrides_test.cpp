// A teacher's own coefficients: what they replace in a trial and what they leave, and the
// direction field as steps of the same model.

#include "core/trial_overrides.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace morvanta
