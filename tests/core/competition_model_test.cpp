#include "core/competition_model.h"

#include <gtest/gtest.h>

#include "core/uniform_random.h"

namespace morvanta {
namespace {

ModelState StateWith(double n1, double n2) {
    ModelState model;
    InitRunParameters(model);
    model.N = {n1, n2};
    return model;
}

TEST(CompetitionModel, RunParameters) {
    ModelState model;
    InitRunParameters(model);
    EXPECT_EQ(model.r, (Vector2{0.03, 0.03}));
    EXPECT_EQ(model.K, (Vector2{0.9, 0.9}));
}

TEST(CompetitionModel, StartPointDrawsBothOffDiagonalCoefficients) {
    ProcessRandom().seed = 0;
    ModelState model;
    SetUpTrial(model, Scenario::StartPoint);
    EXPECT_EQ(model.N, (Vector2{0.5, 0.5}));
    EXPECT_EQ(model.A[0][0], 1.0);
    EXPECT_EQ(model.A[1][1], 1.0);
    EXPECT_EQ(model.A[0][1], 3.0 / 4294967296.0);
    EXPECT_NEAR(model.A[1][0], 0.0941398, 1e-7);
    EXPECT_EQ(ProcessRandom().seed, 134775814U);  // exactly two draws
}

TEST(CompetitionModel, RandomStartScenariosDrawBothDensities) {
    struct Case {
        Scenario scenario;
        double offDiagonal;
    };
    for (const Case c : {Case{Scenario::CompSevere, 1.5}, Case{Scenario::CompMild, 0.8},
                         Case{Scenario::ReversedGrowth, 1.5}}) {
        ProcessRandom().seed = 0;
        ModelState model;
        SetUpTrial(model, c.scenario);
        EXPECT_EQ(model.N[0], 0.8 / 4294967296.0);
        EXPECT_EQ(model.N[1], 134775814.0 / 4294967296.0 * 0.8);
        EXPECT_EQ(model.A, (Matrix2{Vector2{1.0, c.offDiagonal}, Vector2{c.offDiagonal, 1.0}}));
        EXPECT_EQ(ProcessRandom().seed, 134775814U);
    }
}

TEST(CompetitionModel, MatVec2IsRowTimesVector) {
    const Vector2 product =
        MatVec2(Matrix2{Vector2{1.0, 2.0}, Vector2{3.0, 4.0}}, Vector2{5.0, 7.0});
    EXPECT_EQ(product, (Vector2{19.0, 43.0}));
}

TEST(CompetitionModel, FirstStepsOfSeedZeroStartPoint) {
    ProcessRandom().seed = 0;
    ModelState model;
    InitRunParameters(model);
    SetUpTrial(model, Scenario::StartPoint);
    const Vector2 expected[] = {
        {0.5066667, 0.5058822}, {0.5133096, 0.5117238}, {0.5199260, 0.5175225}};
    for (const Vector2& after : expected) {
        Step(model, Scenario::StartPoint);
        EXPECT_NEAR(model.N[0], after[0], 5e-8);
        EXPECT_NEAR(model.N[1], after[1], 5e-8);
    }
}

TEST(CompetitionModel, ReversedGrowthShrinksSpeciesTwoBelowItsCapacity) {
    ModelState forward = StateWith(0.1, 0.1);
    forward.A = {Vector2{1.0, 1.5}, Vector2{1.5, 1.0}};
    ModelState reversed = forward;
    Step(forward, Scenario::CompSevere);
    Step(reversed, Scenario::ReversedGrowth);
    EXPECT_EQ(forward.N[0], reversed.N[0]);
    EXPECT_GT(forward.N[1], 0.1);
    EXPECT_LT(reversed.N[1], 0.1);
    EXPECT_DOUBLE_EQ(forward.N[1] - 0.1, 0.1 - reversed.N[1]);
}

TEST(CompetitionModel, ExtinctionIsStrictlyBelowTheLevel) {
    EXPECT_FALSE(AnyExtinct(StateWith(0.01, 0.01)));
    EXPECT_TRUE(AnyExtinct(StateWith(0.0099999, 0.5)));
    EXPECT_TRUE(AnyExtinct(StateWith(0.5, 0.0099999)));
}

TEST(CompetitionModel, StopRulesAtTheirEdges) {
    struct Case {
        const char* what;
        double n1, n2;
        int steps;
        bool stops;
    };
    const Case cases[] = {
        {"both inside", 0.5, 0.5, 1, false},
        {"exactly the extinction level", 0.01, 0.01, 1, false},
        {"just below the extinction level", 0.5, 0.0099, 1, true},
        {"exactly the capacity of species 1", 0.9, 0.5, 1, true},
        {"exactly the capacity of species 2", 0.5, 0.9, 1, true},
        {"just below the capacity", 0.8999999, 0.8999999, 1, false},
        {"step 999 goes on", 0.5, 0.5, 999, false},
        {"the 1000th step is the last", 0.5, 0.5, 1000, true},
        {"beyond the limit", 0.5, 0.5, 1001, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShouldStop(StateWith(c.n1, c.n2), c.steps), c.stops) << c.what;
}

TEST(CompetitionModel, ExtinctWinsWhenCapacityIsReachedAtTheSameTime) {
    const ModelState model = StateWith(0.005, 0.95);
    EXPECT_TRUE(ShouldStop(model, 1));
    EXPECT_TRUE(AnyExtinct(model));
}

TEST(CompetitionModel, ScenarioItemsOutsideTheGroupFallBackToTheFirst) {
    EXPECT_EQ(ScenarioFromItem(3), Scenario::ReversedGrowth);
    EXPECT_EQ(ScenarioFromItem(-1), Scenario::StartPoint);
    EXPECT_EQ(ScenarioFromItem(4), Scenario::StartPoint);
}

}  // namespace
}  // namespace morvanta

namespace morvanta {
namespace {

struct ReferenceTrial {
    std::uint32_t seed;
    Scenario scenario;
    Vector2 start;
    int steps;
    Vector2 end;
    bool extinct;
    double tolerance;
};

TEST(CompetitionModel, ReferenceTrialsStartEndAndStepCount) {
    const ReferenceTrial trials[] = {
        {0, Scenario::StartPoint, {0.5, 0.5}, 1000, {0.8999999994, 0.8152742}, false, 5e-8},
        {43200000,
         Scenario::CompSevere,
         {0.3018542, 0.3424806},
         675,
         {0.0099037, 0.8729449},
         true,
         5e-8},
        {86399999,
         Scenario::ReversedGrowth,
         {0.5786045, 0.7961224},
         5,
         {0.0, 0.9015543},
         false,
         5e-8},
        {0, Scenario::CompMild, {1.86e-10, 0.0251040}, 1, {0.0, 0.0}, true, 5e-8},
    };
    for (const ReferenceTrial& t : trials) {
        ProcessRandom().seed = t.seed;
        ModelState model;
        InitRunParameters(model);
        SetUpTrial(model, t.scenario);
        EXPECT_NEAR(model.N[0], t.start[0], t.tolerance) << "seed " << t.seed;
        EXPECT_NEAR(model.N[1], t.start[1], t.tolerance) << "seed " << t.seed;
        int steps = 0;
        do {
            Step(model, t.scenario);
            ++steps;
        } while (!ShouldStop(model, steps));
        EXPECT_EQ(steps, t.steps) << "seed " << t.seed;
        EXPECT_EQ(AnyExtinct(model), t.extinct) << "seed " << t.seed;
        // Only the densities the reference gives are compared (0 means "not given").
        for (std::size_t i = 0; i < 2; ++i) {
            if (t.end[i] != 0.0) {
                EXPECT_NEAR(model.N[i], t.end[i], t.tolerance) << "seed " << t.seed;
            }
        }
    }
}

TEST(CompetitionModel, SeedZeroStartPointEndsJustBelowCapacity) {
    ProcessRandom().seed = 0;
    ModelState model;
    InitRunParameters(model);
    SetUpTrial(model, Scenario::StartPoint);
    for (int step = 1; step <= 1000; ++step) Step(model, Scenario::StartPoint);
    EXPECT_NEAR(model.N[0], 0.8999999994, 5e-11);
    EXPECT_LT(model.N[0], 0.9);
}

}  // namespace
}  // namespace morvanta
