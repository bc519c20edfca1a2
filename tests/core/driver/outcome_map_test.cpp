// Where each start leads, against the model's own trial from the same start.

#include "core/driver/outcome_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace morvanta {
namespace {

// The model's trial from a start, as the run driver steps it.
MapCell ModelTrial(Scenario scenario, double a12, double a21, double n1, double n2) {
    ModelState model;
    InitRunParameters(model);
    model.A = {{{DiagonalCoefficient, a12}, {a21, DiagonalCoefficient}}};
    model.N = {n1, n2};
    int steps = 0;
    do {
        Step(model, scenario);
        ++steps;
    } while (!ShouldStop(model, steps));
    return {n1, n2, steps, OutcomeOf(model), EndStateOf(model.N)};
}

TEST(OutcomeMap, EveryStartEndsAsTheModelsOwnTrial) {
    // Severe competition is bistable (the winner depends on the start); a12 0.6, a21 1.4 has
    // one winner, species 1, wherever both start; the reversed scenario ends every way.
    const struct {
        Scenario scenario;
        double a12, a21;
    } systems[] = {{Scenario::CompSevere, 1.5, 1.5},
                   {Scenario::CompSevere, 0.6, 1.4},
                   {Scenario::ReversedGrowth, 1.5, 1.5}};
    for (const auto& s : systems) {
        const OutcomeMap map(s.scenario, s.a12, s.a21, 12);
        ASSERT_EQ(map.Cells().size(), 144U);
        for (int j = 0; j < 12; ++j) {
            for (int i = 0; i < 12; ++i) {
                const MapCell& got = map.At(i, j);
                EXPECT_EQ(got.n1, (i + 0.5) / 12.0);
                EXPECT_EQ(got.n2, (j + 0.5) / 12.0);
                const MapCell want = ModelTrial(s.scenario, s.a12, s.a21, got.n1, got.n2);
                EXPECT_EQ(got.steps, want.steps) << i << ", " << j;
                EXPECT_EQ(got.outcome, want.outcome) << i << ", " << j;
                EXPECT_EQ(got.ends, want.ends) << i << ", " << j;
            }
        }
    }
}

TEST(OutcomeMap, SevereCompetitionSplitsAtTheDiagonalAndOneWinnerTakesAll) {
    const OutcomeMap severe(Scenario::CompSevere, 1.5, 1.5, 10);
    EXPECT_EQ(severe.At(7, 2).ends, EndState::Species2Extinct) << "species 1 ahead wins";
    EXPECT_EQ(severe.At(2, 7).ends, EndState::Species1Extinct) << "species 2 ahead wins";
    const OutcomeMap oneWinner(Scenario::CompSevere, 0.6, 1.4, 10);
    for (const MapCell& m : oneWinner.Cells()) {
        if (m.n1 > 0.1 && m.n2 > 0.1 && m.outcome == Outcome::Extinct) {
            EXPECT_EQ(m.ends, EndState::Species2Extinct) << m.n1 << ", " << m.n2;
        }
    }
}

TEST(OutcomeMap, TheTableHasARowPerStart) {
    std::ostringstream csv;
    WriteOutcomeMapCsv(csv, OutcomeMap(Scenario::CompMild, 0.8, 0.8, 10));
    const std::string text = csv.str();
    EXPECT_EQ(text.rfind("n1_start,n2_start,steps,outcome,extinct\n0.05,0.05,", 0), 0U) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 101);
    EXPECT_NE(text.find("\n0.45,0.45,1000,limit,none\n"), std::string::npos)
        << "mild competition: both stay";
}

}  // namespace
}  // namespace morvanta
