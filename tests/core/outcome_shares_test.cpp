// The outcome shares of each scenario over a day of seeds: the first trial of a run started
// every four minutes of the day. The shares are those of every second of the day to within
// a few points; a slip in the stop rules or a scenario's set-up moves them further.

#include <gtest/gtest.h>

#include <array>

#include "core/competition_model.h"
#include "core/uniform_random.h"
#include "tests/support/clocks.h"

namespace morvanta {
namespace {

struct Shares {
    double extinct = 0;
    double stepLimit = 0;
    double capacity = 0;
    bool species1AtCapacity = false;
};

Shares SharesOverTheDay(Scenario scenario) {
    constexpr int SecondsPerDay = 86400;
    constexpr int Stride = 240;
    constexpr int Runs = SecondsPerDay / Stride;
    std::array<int, 3> counts{};
    Shares shares;
    for (int second = 0; second < SecondsPerDay; second += Stride) {
        SeedFromClock(testkit::FixedClock({second / 3600, second / 60 % 60, second % 60, 0}));
        ModelState model;
        InitRunParameters(model);
        SetUpTrial(model, scenario);
        int steps = 0;
        do {
            Step(model, scenario);
            ++steps;
        } while (!ShouldStop(model, steps));
        if (AnyExtinct(model)) {
            ++counts[0];
        } else if (model.N[0] >= model.K[0] || model.N[1] >= model.K[1]) {
            ++counts[2];
            shares.species1AtCapacity |= model.N[0] >= model.K[0];
        } else {
            ++counts[1];
        }
    }
    shares.extinct = 100.0 * counts[0] / Runs;
    shares.stepLimit = 100.0 * counts[1] / Runs;
    shares.capacity = 100.0 * counts[2] / Runs;
    return shares;
}

constexpr double Tolerance = 4.0;  // percentage points: 360 runs, about 2 standard errors

TEST(OutcomeShares, StartPoint) {
    const Shares s = SharesOverTheDay(Scenario::StartPoint);
    EXPECT_NEAR(s.extinct, 84.0, Tolerance);
    EXPECT_NEAR(s.stepLimit, 16.0, Tolerance);
    EXPECT_EQ(s.capacity, 0.0);
}

TEST(OutcomeShares, CompSevere) {
    const Shares s = SharesOverTheDay(Scenario::CompSevere);
    EXPECT_NEAR(s.extinct, 98.0, Tolerance);
    EXPECT_FALSE(s.species1AtCapacity);
}

TEST(OutcomeShares, CompMild) {
    const Shares s = SharesOverTheDay(Scenario::CompMild);
    EXPECT_NEAR(s.stepLimit, 97.0, Tolerance);
    EXPECT_NEAR(s.extinct, 3.0, Tolerance);
    EXPECT_FALSE(s.species1AtCapacity);
}

TEST(OutcomeShares, ReversedGrowth) {
    const Shares s = SharesOverTheDay(Scenario::ReversedGrowth);
    EXPECT_NEAR(s.stepLimit, 57.0, Tolerance);
    EXPECT_NEAR(s.capacity, 38.0, Tolerance);
    EXPECT_NEAR(s.extinct, 5.0, Tolerance);
    EXPECT_FALSE(s.species1AtCapacity);
}

}  // namespace
}  // namespace morvanta
