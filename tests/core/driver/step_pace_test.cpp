// A run at a teacher's pace: how many steps it may have taken by a time, and a run that the
// user ends early.

#include "core/driver/step_pace.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/driver/run_driver.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

using std::chrono::milliseconds;

// Asks for steps at the time until the pace says no; how many it allowed.
int StepsAt(StepPace& pace, milliseconds now) {
    int steps = 0;
    while (steps < 100'000 && pace.MayStep(now)) ++steps;
    return steps;
}

TEST(StepPace, AllowsOneStepAtOnceThenOneEveryPaceInterval) {
    const struct {
        int pace;
        int atMs;
        int newSteps;  // allowed at this time, after those before it
    } rows[] = {
        {SlowPace, 0, 1},      {SlowPace, 4, 0},     {SlowPace, 5, 1},
        {SlowPace, 1000, 199}, {SlowPace, 1000, 0},  {FastPace, 0, 1},
        {FastPace, 1, 2},      {FastPace, 500, 998}, {FullPace, 0, 100'000},
    };
    StepPace pace(rows[0].pace);
    pace.Start(milliseconds(0));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        if (i > 0 && rows[i].pace != rows[i - 1].pace) {
            pace = StepPace(rows[i].pace);
            pace.Start(milliseconds(0));
        }
        EXPECT_EQ(StepsAt(pace, milliseconds(rows[i].atMs)), rows[i].newSteps)
            << "pace " << rows[i].pace << " at " << rows[i].atMs << " ms";
    }
}

TEST(StepPace, EscapeEndsAPacedRunWhereItIsAndSaysSo) {
    testkit::Journal journal;
    testkit::RecordingOutlets outlets(journal);
    testkit::RecordingSurface surface(journal);
    const testkit::FixedSettings settings(OneTrialItem, 0);
    SteppedRun run(settings, outlets, surface, testkit::FixedClock::ForSeed(0), 623, 610);
    StepPace pace(SlowPace);
    pace.Start(milliseconds(0));
    // Three frames 5 ms apart: a step each, then the user presses Escape.
    for (const int frameMs : {0, 5, 10}) {
        const milliseconds now(frameMs);
        if (pace.MayStep(now)) run.Advance([&] { return pace.MayStep(now); });
    }
    run.EndEarly(EndedByEscapeLine);
    EXPECT_TRUE(run.Over());
    const auto count = [&](const std::string& prefix) {
        return std::count_if(journal.begin(), journal.end(),
                             [&](const std::string& op) { return op.starts_with(prefix); });
    };
    EXPECT_EQ(count("ShowStepNumber"), 3);
    EXPECT_EQ(count("Ellipse"), 2) << "a start dot and an end dot where the run stopped";
    EXPECT_EQ(journal.back(), std::string("AppendLog ") + EndedByEscapeLine);
    EXPECT_EQ(count("AppendLog " + std::string(EndOfJobLine)), 0);
}

}  // namespace
}  // namespace morvanta
