// The isoclines and equilibria of the fixed-coefficient scenarios, as drawing operations.

#include "plot/isoclines.h"

#include <gtest/gtest.h>

#include <set>

#include "core/driver/scenario_isoclines.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

using testkit::Journal;
using testkit::RecordingSurface;
using testkit::ToText;

Journal Draw(Scenario scenario) {
    Journal journal;
    RecordingSurface surface(journal);
    DrawScenarioIsoclines(surface, scenario, TrialOverrides{});
    return journal;
}

TEST(Isoclines, SevereLinesRunBetweenTheirAxisCrossingsWithFilledAndHollowMarks) {
    const std::string muted = ToText(IsoclineColor);
    const std::string navy = ToText(Navy);
    // Species 1: N1 + 1.5 N2 = 0.9 crosses the axes at (0.9, 0) -> (290, 380) and
    // (0, 0.6) -> (20, 200); species 2 at (0.6, 0) -> (200, 380) and (0, 0.9) -> (20, 110).
    const Journal expected = {
        "SetPenColor " + muted,    "MoveTo 20 200",           "LineTo 290 380",
        "LineTo 291 380",          "MoveTo 20 110",           "LineTo 200 380",
        "LineTo 201 380",          "SetBrushColor " + navy,
        "Ellipse 16 376 25 385",                               // origin, hollow
        "SetBrushColor " + muted,  "Ellipse 286 376 295 385",  // (0.9, 0), filled
        "SetBrushColor " + muted,  "Ellipse 16 106 25 115",    // (0, 0.9), filled
        "SetBrushColor " + navy,   "Ellipse 124 268 133 277",  // saddle (0.36, 0.36), hollow
        "SetPenColor 255,255,255", "SetBrushColor " + navy,    // as the empty plot leaves them
    };
    EXPECT_EQ(Draw(Scenario::CompSevere), expected);
}

TEST(Isoclines, ALineBeyondThePlotIsClippedAtItsEdge) {
    // N1 + 0.25 N2 = 0.9 would reach N2 = 3.6: it leaves the plot at its top, N2 = 1.2.
    Journal journal;
    RecordingSurface surface(journal);
    DrawSystemIsoclines(surface, {0.25, 10.0, 0.9, 0.9, 0.03, 0.03});
    ASSERT_GE(journal.size(), 3U);
    const std::set<std::string> ends{journal[1].substr(7), journal[2].substr(7)};
    EXPECT_EQ(ends, (std::set<std::string>{"200 20", "290 380"}));
}

TEST(Isoclines, NothingForTheScenarioWithNewCoefficientsEveryTrial) {
    EXPECT_TRUE(Draw(Scenario::StartPoint).empty());
}

}  // namespace
}  // namespace morvanta
