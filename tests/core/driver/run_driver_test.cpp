#include "core/driver/run_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "plot/phase_plot.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

using testkit::FixedClock;
using testkit::FixedSettings;
using testkit::Journal;
using testkit::RecordingOutlets;
using testkit::RecordingSurface;

Journal RecordRun(int trialsItem, int scenarioItem, unsigned seed) {
    Journal journal;
    RecordingOutlets outlets(journal);
    RecordingSurface surface(journal);
    RunTrials(FixedSettings(trialsItem, scenarioItem), outlets, surface, FixedClock::ForSeed(seed),
              623, 610);
    return journal;
}

std::ptrdiff_t CountOf(const Journal& journal, const std::string& prefix) {
    return std::count_if(journal.begin(), journal.end(),
                         [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
}

std::string LastOf(const Journal& journal, const std::string& prefix) {
    for (auto it = journal.rbegin(); it != journal.rend(); ++it)
        if (it->rfind(prefix, 0) == 0) return *it;
    return {};
}

// The pixels a trial passes to the plot: start dot centre, each segment's end, end dot.
struct TrialTrace {
    std::string start;
    std::vector<std::string> segments;
    std::string endBrush;
    std::string endDot;
    std::string lastStep;
};

TrialTrace TraceOfOnlyTrial(const Journal& journal) {
    TrialTrace trace;
    const auto firstTrial = std::find(journal.begin(), journal.end(), "ShowTrialNumber 1");
    for (auto it = firstTrial; it != journal.end(); ++it) {
        if (it->rfind("MoveTo", 0) == 0 && trace.start.empty()) trace.start = *it;
        if (it->rfind("LineTo", 0) == 0) trace.segments.push_back(*it);
        if (it->rfind("Ellipse", 0) == 0) trace.endDot = *it;
        if (it->rfind("SetBrushColor", 0) == 0) trace.endBrush = *it;
        if (it->rfind("ShowStepNumber", 0) == 0) trace.lastStep = *it;
    }
    return trace;
}

TEST(RunTrials, ReferenceTrialSeedZeroStartPoint) {
    const TrialTrace trace = TraceOfOnlyTrial(RecordRun(OneTrialItem, 0, 0));
    EXPECT_EQ(trace.start, "MoveTo 170 230");
    ASSERT_EQ(trace.segments.size(), 1000U);
    EXPECT_EQ(trace.segments[0], "LineTo 172 228");
    EXPECT_EQ(trace.segments[1], "LineTo 174 226");
    EXPECT_EQ(trace.segments[2], "LineTo 176 225");
    EXPECT_EQ(trace.lastStep, "ShowStepNumber 1000");
    EXPECT_EQ(trace.endBrush, "SetBrushColor 255,0,0");  // step limit: red
    EXPECT_EQ(trace.endDot, "Ellipse 287 132 293 138");  // around (290, 135)
}

TEST(RunTrials, ReferenceTrialNoonCompSevere) {
    const TrialTrace trace = TraceOfOnlyTrial(RecordRun(OneTrialItem, 1, 43200000));
    EXPECT_EQ(trace.start, "MoveTo 111 277");
    EXPECT_EQ(trace.segments.size(), 675U);
    EXPECT_EQ(trace.lastStep, "ShowStepNumber 675");
    EXPECT_EQ(trace.endBrush, "SetBrushColor 0,255,255");  // extinct: aqua
    EXPECT_EQ(trace.endDot, "Ellipse 20 115 26 121");      // around (23, 118)
}

TEST(RunTrials, ReferenceTrialLastMillisecondReversedGrowth) {
    const TrialTrace trace = TraceOfOnlyTrial(RecordRun(OneTrialItem, 3, 86399999));
    EXPECT_EQ(trace.start, "MoveTo 194 141");
    const std::vector<std::string> expected = {"LineTo 189 135", "LineTo 184 129", "LineTo 179 123",
                                               "LineTo 174 116", "LineTo 169 110"};
    EXPECT_EQ(trace.segments, expected);
    EXPECT_EQ(trace.lastStep, "ShowStepNumber 5");
    EXPECT_EQ(trace.endBrush, "SetBrushColor 255,0,0");  // capacity: red
    EXPECT_EQ(trace.endDot, "Ellipse 166 107 172 113");
}

TEST(RunTrials, ReferenceTrialSeedZeroCompMildEndsAfterOneStep) {
    const TrialTrace trace = TraceOfOnlyTrial(RecordRun(OneTrialItem, 2, 0));
    EXPECT_EQ(trace.start, "MoveTo 20 372");
    EXPECT_EQ(trace.segments, std::vector<std::string>{"LineTo 20 372"});
    EXPECT_EQ(trace.lastStep, "ShowStepNumber 1");
    EXPECT_EQ(trace.endBrush, "SetBrushColor 0,255,255");
    EXPECT_EQ(trace.endDot, "Ellipse 17 369 23 375");
}

TEST(RunTrials, DrawsTheEmptyPlotBeforeAnythingElse) {
    // What the empty plot draws is the plot's own test; here it comes first, at the window's
    // outer size, and nothing else comes before it.
    Journal emptyPlot;
    RecordingSurface plotOnly(emptyPlot);
    PlotArea(plotOnly, 623, 610);
    const Journal journal = RecordRun(OneTrialItem, 2, 0);
    ASSERT_GT(journal.size(), emptyPlot.size());
    EXPECT_TRUE(std::equal(emptyPlot.begin(), emptyPlot.end(), journal.begin()));
    EXPECT_EQ(journal[emptyPlot.size()], "ShowTrialNumber 1");
}

TEST(RunTrials, ShortTrialCallsEverythingInOrder) {
    const Journal journal = RecordRun(OneTrialItem, 2, 0);
    const auto firstTrial = std::find(journal.begin(), journal.end(), "ShowTrialNumber 1");
    const Journal afterEmptyPlot(firstTrial, journal.end());
    const Journal expected = {
        "ShowTrialNumber 1",       "MoveTo 20 372",
        "SetPenColor 255,255,255", "SetBrushColor 255,255,255",
        "Ellipse 17 369 23 375",   "ShowStepNumber 1",
        "LineTo 20 372",           "SetBrushColor 0,255,255",
        "Ellipse 17 369 23 375",   "AppendLog Normal End of Job",
    };
    EXPECT_EQ(afterEmptyPlot, expected);
}

TEST(RunTrials, CountersAreShownBeforeTheWorkTheyCount) {
    const Journal journal = RecordRun(TenTrialsItem, 0, 1234567);
    int trial = 0;
    int step = 0;
    for (std::size_t i = 0; i < journal.size(); ++i) {
        const std::string& entry = journal[i];
        if (entry.rfind("ShowTrialNumber ", 0) == 0) {
            EXPECT_EQ(entry, "ShowTrialNumber " + std::to_string(++trial));
            EXPECT_EQ(journal.at(i + 1).rfind("MoveTo", 0), 0U) << "set-up follows the number";
            step = 0;
        } else if (entry.rfind("ShowStepNumber ", 0) == 0) {
            EXPECT_EQ(entry, "ShowStepNumber " + std::to_string(++step));
            EXPECT_EQ(journal.at(i + 1).rfind("LineTo", 0), 0U) << "the step follows its number";
        }
    }
    EXPECT_EQ(trial, 10);
    EXPECT_EQ(CountOf(journal, "LineTo"), CountOf(journal, "ShowStepNumber") + 2);
    EXPECT_EQ(CountOf(journal, "Ellipse"), 20);
    EXPECT_EQ(journal.back(), "AppendLog Normal End of Job");
    EXPECT_EQ(CountOf(journal, "AppendLog"), 1);
}

TEST(RunTrials, StartPointTrialsAllStartAtTheSameDot) {
    const Journal journal = RecordRun(TenTrialsItem, 0, 777);
    EXPECT_EQ(CountOf(journal, "MoveTo 170 230"), 10);
    EXPECT_EQ(CountOf(journal, "Ellipse 167 227 173 233"), 10);
}

TEST(RunTrials, TrialsChoiceSetsTheNumberOfTrials) {
    const int expected[] = {1, 10, 50, 100};
    for (int item = 0; item < 4; ++item) {
        const Journal journal = RecordRun(item, 1, 5000);
        EXPECT_EQ(CountOf(journal, "ShowTrialNumber"), expected[item]) << "item " << item;
        EXPECT_EQ(LastOf(journal, "ShowTrialNumber"),
                  "ShowTrialNumber " + std::to_string(expected[item]));
    }
}

TEST(RunTrials, UnknownTrialsItemRunsOneTrialNotForever) {
    EXPECT_EQ(CountOf(RecordRun(-1, 0, 0), "ShowTrialNumber"), 1);
    EXPECT_EQ(CountOf(RecordRun(7, 0, 0), "ShowTrialNumber"), 1);
}

TEST(RunTrials, TrialsOfOneRunContinueOneRandomSequence) {
    const Journal journal = RecordRun(TenTrialsItem, 1, 42);
    std::vector<std::string> starts;
    for (std::size_t i = 0; i + 1 < journal.size(); ++i)
        if (journal[i].rfind("ShowTrialNumber", 0) == 0) starts.push_back(journal[i + 1]);
    ASSERT_EQ(starts.size(), 10U);
    std::sort(starts.begin(), starts.end());
    EXPECT_GT(std::unique(starts.begin(), starts.end()) - starts.begin(), 5);
}

TEST(RunTrials, TwoRunsFromTheSameMillisecondDrawTheSame) {
    EXPECT_EQ(RecordRun(TenTrialsItem, 2, 31415926), RecordRun(TenTrialsItem, 2, 31415926));
    EXPECT_NE(RecordRun(TenTrialsItem, 2, 31415926), RecordRun(TenTrialsItem, 2, 31415927));
}

// A run taken a slice at a time, pausing after every step, does and draws what the whole
// run does, in the same order, and is over only after its end-of-job line.
TEST(SteppedRun, SlicesMakeTheSameRunAsAWholeOne) {
    for (const int scenario : {0, 1, 3}) {
        testkit::Journal sliced;
        testkit::RecordingOutlets outlets(sliced);
        testkit::RecordingSurface surface(sliced);
        const testkit::FixedSettings settings(TenTrialsItem, scenario);
        SteppedRun run(settings, outlets, surface, testkit::FixedClock::ForSeed(43200000), 623,
                       610);
        long slices = 0;
        while (!run.Advance([] { return false; })) ++slices;
        EXPECT_TRUE(run.Over());
        EXPECT_EQ(sliced, RecordRun(TenTrialsItem, scenario, 43200000));
        EXPECT_EQ(slices + 1, CountOf(sliced, "ShowStepNumber")) << "one step a slice";
        EXPECT_EQ(sliced.back(), std::string("AppendLog ") + EndOfJobLine);
    }
}

}  // namespace
}  // namespace morvanta
