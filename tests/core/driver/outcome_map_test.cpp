// Where each start leads, against the model's own trial from the same start.

#include "core/driver/outcome_map.h"

#include "core/competition_system.h"
#include "core/direction_field.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

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

// How far from `to` the model's step takes a start in so many steps, its stop rules aside.
double DistanceAfter(int steps, Scenario scenario, const CompetitionSystem& s, Vector2 from,
                     Vector2 to) {
    ModelState model;
    InitRunParameters(model);
    model.A = {{{DiagonalCoefficient, s.a12}, {s.a21, DiagonalCoefficient}}};
    model.N = from;
    for (int step = 0; step < steps; ++step) Step(model, scenario);
    return std::hypot(model.N[0] - to[0], model.N[1] - to[1]);
}

// Everything that steps the model, against the model's own trajectories: the outcome map's
// trials, the direction field's arrows, and the equilibria with their stability (from the
// step's derivatives).
TEST(OneStep, EveryCallerFollowsTheModelsTrajectories) {
    // Severe competition is bistable (the winner depends on the start); a12 0.6, a21 1.4 has
    // one winner, species 1, wherever both start; a12 0.5, a21 0.7 coexist off the diagonal;
    // the reversed scenario ends every way.
    const struct {
        Scenario scenario;
        double a12, a21;
    } systems[] = {{Scenario::CompSevere, 1.5, 1.5},
                   {Scenario::CompSevere, 0.6, 1.4},
                   {Scenario::CompMild, 0.5, 0.7},
                   {Scenario::ReversedGrowth, 1.5, 1.5}};
    constexpr int Grid = 12;
    for (const auto& s : systems) {
        const std::string system = std::to_string(s.a12) + ", " + std::to_string(s.a21);
        const OutcomeMap map(s.scenario, s.a12, s.a21, Grid);
        ASSERT_EQ(map.Cells().size(), static_cast<std::size_t>(Grid * Grid));
        for (int j = 0; j < Grid; ++j) {
            for (int i = 0; i < Grid; ++i) {
                const MapCell& got = map.At(i, j);
                EXPECT_EQ(got.n1, (i + 0.5) / Grid);
                EXPECT_EQ(got.n2, (j + 0.5) / Grid);
                const MapCell want = ModelTrial(s.scenario, s.a12, s.a21, got.n1, got.n2);
                EXPECT_EQ(got.steps, want.steps) << system << " at " << i << ", " << j;
                EXPECT_EQ(got.outcome, want.outcome) << system << " at " << i << ", " << j;
                EXPECT_EQ(got.ends, want.ends) << system << " at " << i << ", " << j;
            }
        }

        CompetitionSystem own = *FixedSystemOf(s.scenario);
        own.a12 = s.a12;
        own.a21 = s.a21;
        const std::vector<FieldSample> field = DirectionField(own, 1.0, 5);
        ASSERT_EQ(field.size(), 25U);
        EXPECT_DOUBLE_EQ(field[6].n1, 0.3) << "row by row, at the centres of the cells";
        EXPECT_DOUBLE_EQ(field[6].n2, 0.3);
        for (const FieldSample& f : field) {
            ModelState model;
            InitRunParameters(model);
            model.A = {{{DiagonalCoefficient, s.a12}, {s.a21, DiagonalCoefficient}}};
            model.N = {f.n1, f.n2};
            Step(model, s.scenario);
            EXPECT_EQ(f.n1 + f.d1, model.N[0]) << system << " at " << f.n1 << ", " << f.n2;
            EXPECT_EQ(f.n2 + f.d2, model.N[1]) << system << " at " << f.n1 << ", " << f.n2;
        }

        // An equilibrium stays where it is; from beside a stable one every trajectory closes
        // in, and from beside an unstable one some trajectory moves away.
        constexpr double Nudge = 1e-3;
        const Vector2 nudges[] = {{Nudge, 0.0},  {0.0, Nudge},    {-Nudge, 0.0},
                                  {0.0, -Nudge}, {Nudge, -Nudge}, {-Nudge, Nudge}};
        for (const Equilibrium& e : EquilibriaInQuadrant(own)) {
            const std::string at =
                system + " equilibrium " + std::to_string(e.n1) + ", " + std::to_string(e.n2);
            EXPECT_LT(DistanceAfter(1, s.scenario, own, {e.n1, e.n2}, {e.n1, e.n2}), 1e-15) << at;
            bool anyAway = false;
            for (const Vector2& d : nudges) {
                const Vector2 from{e.n1 + d[0], e.n2 + d[1]};
                if (from[0] < 0.0 || from[1] < 0.0) continue;
                constexpr int Steps = 3000;  // past a blow-up the distance is no number: away
                if (!(DistanceAfter(Steps, s.scenario, own, from, {e.n1, e.n2}) <
                      std::hypot(d[0], d[1])))
                    anyAway = true;
            }
            EXPECT_EQ(e.stable, !anyAway) << at;
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
    EXPECT_EQ(text.rfind("n1_start,n2_start,steps,outcome,extinct,result\n0.05,0.05,", 0), 0U)
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 101);
    EXPECT_NE(text.find("\n0.45,0.45,1000,limit,none,both alive\n"), std::string::npos)
        << "mild competition: both stay";
    EXPECT_NE(text.find("\n0.95,0.45,1,capacity,none,started at 0.9 or above\n"), std::string::npos)
        << "a start at 0.9 or above is kept apart";
}

}  // namespace
}  // namespace morvanta
