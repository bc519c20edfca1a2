#include "session/plot_description.h"

#include <gtest/gtest.h>

namespace morvanta {
namespace {

constexpr const char* Axes =
    "Species 1 density across from 0 to 1.2, species 2 density up from 0 to 1.2.";
constexpr const char* Severe =
    " Isoclines: species 1's from 0.9 across to 0.6 up, species 2's from 0.6 across to 0.9 up. "
    "Equilibria: neither species at 0, 0, unstable; species 1 alone at 0.9, stable; species 2 "
    "alone at 0.9, stable; saddle at 0.36, 0.36. The system: the winner depends on the start.";

TrialRecord Trial(int number, Scenario scenario, Vector2 start, Vector2 end) {
    TrialRecord r;
    r.trial = number;
    r.scenario = scenario;
    r.a12 = r.a21 = SevereCoefficient;
    r.start = start;
    r.end = end;
    return r;
}

// The plot's description for each state of the drawing, as a screen reader reads it.
// GCC 12 at -O3 (the Windows build) takes the table's strings for uninitialised.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
TEST(PlotDescription, SaysWhatIsDrawn) {
    const auto severe = FixedSystemOf(Scenario::CompSevere);
    const auto own = FixedSystemOf(Scenario::CompSevere, {OffDiagonal{1.2, 0.7}, std::nullopt});
    const OutcomeMap severeMap(Scenario::CompSevere, SevereCoefficient, SevereCoefficient,
                               MinMapGrid);
    const OutcomeMap mildMap(Scenario::CompMild, MildCoefficient, MildCoefficient, MinMapGrid);
    const std::vector<TrialRecord> run = {Trial(1, Scenario::CompSevere, {0.2, 0.3}, {0.005, 0.9}),
                                          Trial(2, Scenario::CompSevere, {0.3, 0.2}, {0.9, 0.002})};
    const std::string runText =
        "Scenario Comp Severe, 2 trials. Species 1 died out in 1, species 2 in 1, both in 0, "
        "neither in 0.";
    const std::string severeHead = "Plot of scenario Comp Severe, no trials yet. ";
    struct Case {
        const char* state;
        PlotContent content;
        std::string expected;
    };
    const Case cases[] = {
        {"empty",
         {.scenarioCaption = "Comp Severe", .system = severe},
         "Empty plot. Species 1 density across from 0 to 1.2, species 2 density up from 0 to 1.2."},
        {"a run, no option",
         {.scenarioCaption = "Comp Severe", .system = severe, .run = &run},
         runText},
        {"start point, options that draw nothing there",
         {.scenarioCaption = "Start Point",
          .isoclines = true,
          .directionField = true,
          .outcomeMap = &severeMap},
         "Empty plot. " + std::string(Axes)},
        {"isoclines",
         {.scenarioCaption = "Comp Severe", .system = severe, .isoclines = true},
         severeHead + Axes + Severe},
        {"outcome map of two basins",
         {.scenarioCaption = "Comp Severe", .system = severe, .outcomeMap = &severeMap},
         severeHead + Axes +
             " Outcome map: most starts below the diagonal, species 1 won (80%); most above it, "
             "species 2 won (80%). The system: the winner depends on the start."},
        {"outcome map of one outcome",
         {.scenarioCaption = "Comp Mild",
          .system = FixedSystemOf(Scenario::CompMild),
          .outcomeMap = &mildMap},
         "Plot of scenario Comp Mild, no trials yet. " + std::string(Axes) +
             " Outcome map: most starts on both sides of the diagonal, both alive (81%). The "
             "system: the two species coexist."},
        {"direction field",
         {.scenarioCaption = "Comp Severe", .system = severe, .directionField = true},
         severeHead + Axes + " Direction field shown."},
        {"own coefficients, nothing drawn",
         {.scenarioCaption = "Comp Severe",
          .system = own,
          .ownCoefficients = OffDiagonal{1.2, 0.7}},
         "Empty plot. " + std::string(Axes) + " Own coefficients a12 1.2, a21 0.7."},
        {"own coefficients with isoclines",
         {.scenarioCaption = "Comp Severe",
          .system = own,
          .isoclines = true,
          .ownCoefficients = OffDiagonal{1.2, 0.7}},
         severeHead + Axes +
             " Own coefficients a12 1.2, a21 0.7. Isoclines: species 1's from 0.9 across to 0.75 "
             "up, species 2's from 1.29 across to 0.9 up. Equilibria: neither species at 0, 0, "
             "unstable; species 1 alone at 0.9, unstable; species 2 alone at 0.9, stable. The "
             "system: species 2 wins."},
        {"a run with isoclines and field",
         {.scenarioCaption = "Comp Severe",
          .system = severe,
          .isoclines = true,
          .directionField = true,
          .run = &run},
         runText + " " + Axes + Severe + " Direction field shown."},
    };
    for (const Case& c : cases) EXPECT_EQ(PlotDescription(c.content), c.expected) << c.state;
}

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

TEST(PlotDescription, AnnouncesTheRunsEndInTheTallysResults) {
    TrialRecord won = Trial(1, Scenario::CompSevere, {0.3, 0.35}, {0.005, 0.87});
    won.outcome = Outcome::Extinct;
    TrialRecord lived = Trial(2, Scenario::CompSevere, {0.36, 0.36}, {0.36, 0.36});
    lived.outcome = Outcome::Limit;
    EXPECT_EQ(RunEndAnnouncement("Comp Severe", {won, lived, won}),
              "Normal End of Job. Scenario Comp Severe, 3 trials: species 2 won 2, both alive 1.");
    EXPECT_EQ(RunEndAnnouncement("Comp Severe", {lived}, false),
              "Run ended early by Escape. Scenario Comp Severe, 1 trial: both alive 1.");
}

TEST(PlotDescription, TellsTheTimeCourseOfTheLastTrial) {
    EXPECT_EQ(TimeCourseDescription({}), "Time course: no trials yet.");
    // Replayed for the steps the run took: the severe one until species 1 died out.
    TrialRecord died = Trial(2, Scenario::CompSevere, {0.3, 0.35}, {});
    died.steps = 641;
    TrialRecord lived = Trial(1, Scenario::CompMild, {0.3, 0.35}, {});
    lived.a12 = lived.a21 = MildCoefficient;
    lived.steps = MaxSteps;
    EXPECT_EQ(TimeCourseDescription({lived, died}),
              "Time course of 2 trials, densities against the step. Last trial, number 2: species "
              "1 from 0.3 to below 0.01; species 2 from 0.35 to 0.87. Species 1 fell below 0.01 at "
              "step 641.");
    EXPECT_EQ(TimeCourseDescription({lived}),
              "Time course of 1 trial, densities against the step. Last trial, number 1: species 1 "
              "from 0.3 to 0.5; species 2 from 0.35 to 0.5. Both lived, 1000 steps.");
}

}  // namespace
}  // namespace morvanta
