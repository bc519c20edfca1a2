// The four cases of competition and how a trial ended, in the lesson's words.

#include "core/driver/lesson_outcomes.h"

#include <gtest/gtest.h>

#include "core/driver/outcome_shares.h"

namespace morvanta {
namespace {

CompetitionSystem System(double a12, double a21, double g2 = GrowthRate) {
    return {a12, a21, CarryingCapacity, CarryingCapacity, GrowthRate, g2};
}

TEST(LessonOutcomes, EachSystemIsNamedByItsCase) {
    const struct {
        CompetitionSystem system;
        SystemCase expected;
    } cases[] = {
        {System(0.8, 1.5), SystemCase::Species1Wins},  // species 1's isocline lies outside
        {System(1.5, 0.8), SystemCase::Species2Wins},
        {System(0.8, 0.8), SystemCase::Coexist},         // Comp Mild
        {System(1.5, 1.5), SystemCase::DependsOnStart},  // Comp Severe: a saddle at 0.36
        {System(1.2, 1.9), SystemCase::DependsOnStart},
        {System(1.5, 1.5, -GrowthRate), SystemCase::NoStableState},  // "?"
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaseOf(c.system), c.expected) << c.system.a12 << ", " << c.system.a21;
    EXPECT_EQ(SystemLine(Scenario::CompSevere, {}), "Comp Severe: the winner depends on the start");
    EXPECT_EQ(SystemLine(Scenario::CompSevere, {OffDiagonal{0.8, 1.5}, {}}),
              "Comp Severe: species 1 wins");
    EXPECT_EQ(SystemLine(Scenario::CompMild, {}), "Comp Mild: the two species coexist");
    EXPECT_EQ(SystemLine(Scenario::StartPoint, {}),
              "Start Point: each trial draws its own coefficients");
}

TEST(LessonOutcomes, TrialsEndInTheLessonsWordsWithTheStartsThatEndAtOnceKeptApart) {
    const struct {
        Vector2 start, end;
        Outcome outcome;
        TrialResult expected;
    } cases[] = {
        {{0.3, 0.3}, {0.87, 0.0099}, Outcome::Extinct, TrialResult::Species1Won},
        {{0.3, 0.3}, {0.0099, 0.87}, Outcome::Extinct, TrialResult::Species2Won},
        {{0.4, 0.4}, {0.5, 0.5}, Outcome::Limit, TrialResult::BothAlive},
        {{0.5, 0.79}, {0.2, 0.9}, Outcome::Capacity, TrialResult::ReachedCapacity},
        {{0.01, 0.89}, {0.0103, 0.8901}, Outcome::Limit, TrialResult::BothAlive},  // on the edges
        {{0.005, 0.5}, {0.00515, 0.5}, Outcome::Extinct, TrialResult::StartedExtinct},
        {{0.005, 0.009}, {0.00515, 0.0092}, Outcome::Extinct, TrialResult::StartedExtinct},
        {{0.5, 0.0099}, {0.51, 0.0101}, Outcome::Limit, TrialResult::StartedExtinct},
        {{0.95, 0.3}, {0.96, 0.29}, Outcome::Capacity, TrialResult::StartedAtCapacity},
        {{0.3, 0.9}, {0.3, 0.9}, Outcome::Capacity, TrialResult::StartedAtCapacity},
    };
    std::vector<TrialRecord> records;
    for (const auto& c : cases) {
        EXPECT_EQ(ResultOf(c.start, c.end, c.outcome), c.expected)
            << c.start[0] << ", " << c.start[1];
        records.push_back({.start = c.start, .end = c.end, .outcome = c.outcome});
    }
    EXPECT_EQ(ResultsTallyLine(records),
              "Results: sp.1 won 1, sp.2 won 1, both alive 2, reached 0.9 1, start <0.01 3, "
              "start >=0.9 2");
    EndCounts counts;
    counts.Add(records);
    EXPECT_EQ(ResultsSharesLine(counts),
              "Shares (10 trials): sp.1 won 10% (2-40), sp.2 won 10% (2-40), both alive 20% "
              "(6-51), reached 0.9 10% (2-40), start <0.01 30% (11-60), start >=0.9 20% (6-51)");
}

}  // namespace
}  // namespace morvanta
