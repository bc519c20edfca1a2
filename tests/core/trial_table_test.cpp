// The trials a run reports, as the table and the tally show them.

#include "core/trial_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/run_driver.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

using testing::FixedClock;
using testing::FixedSettings;
using testing::Journal;
using testing::RecordingOutlets;
using testing::RecordingSurface;

constexpr int TrialsOne = 0;
constexpr int TrialsHundred = 3;

std::vector<TrialRecord> Trials(int trialsItem, int scenarioItem, unsigned seed) {
    testing::NullOutlets outlets;
    testing::NullSurface surface;
    TrialTable table;
    RunTrials(FixedSettings(trialsItem, scenarioItem), outlets, surface, FixedClock::ForSeed(seed),
              623, 610, table);
    return table.Records();
}

TEST(TrialTable, WatchingARunChangesNothingItDoes) {
    Journal watched, plain;
    RecordingOutlets watchedOutlets(watched), plainOutlets(plain);
    RecordingSurface watchedSurface(watched), plainSurface(plain);
    TrialTable table;
    RunTrials(FixedSettings(1, 1), watchedOutlets, watchedSurface, FixedClock::ForSeed(777), 623,
              610, table);
    RunTrials(FixedSettings(1, 1), plainOutlets, plainSurface, FixedClock::ForSeed(777), 623, 610);
    EXPECT_EQ(watched, plain);
    EXPECT_EQ(table.Records().size(), 10U);
}

TEST(TrialTable, RecordsTheReferenceTrials) {
    const auto severe = Trials(TrialsOne, 1, 43'200'000);
    ASSERT_EQ(severe.size(), 1U);
    EXPECT_EQ(severe[0].seed, 43'200'000U);
    EXPECT_NEAR(severe[0].start[0], 0.3018542, 1e-7);
    EXPECT_NEAR(severe[0].end[0], 0.0099037, 1e-7);
    EXPECT_EQ(severe[0].steps, 675);
    EXPECT_EQ(severe[0].outcome, Outcome::Extinct);

    const auto reversed = Trials(TrialsOne, 3, 86'399'999);
    EXPECT_EQ(reversed[0].steps, 5);
    EXPECT_EQ(reversed[0].outcome, Outcome::Capacity);
    const auto start = Trials(TrialsOne, 0, 0);
    EXPECT_EQ(start[0].steps, 1000);
    EXPECT_EQ(start[0].outcome, Outcome::Limit);
    EXPECT_NEAR(start[0].a21, 0.0941398, 1e-7);
}

TEST(TrialTable, TheNextRunStartsANewTable) {
    testing::NullOutlets outlets;
    testing::NullSurface surface;
    TrialTable table;
    RunTrials(FixedSettings(TrialsHundred, 2), outlets, surface, FixedClock::ForSeed(1), 623, 610,
              table);
    RunTrials(FixedSettings(TrialsOne, 2), outlets, surface, FixedClock::ForSeed(2), 623, 610,
              table);
    ASSERT_EQ(table.Records().size(), 1U);
    EXPECT_EQ(table.Records()[0].seed, 2U);
}

TEST(TrialTable, CsvDoublesReadBackExactly) {
    const double awkward[] = {0.1,    1.0 / 3.0, 6.984919309616089e-10, 0.8999999994304941,
                              1e-300, 0.9};
    for (double value : awkward) EXPECT_EQ(std::stod(ShortestText(value)), value);
    EXPECT_EQ(ShortestText(0.5), "0.5");

    std::ostringstream csv;
    WriteTrialsCsv(csv, Trials(TrialsOne, 1, 43'200'000));
    EXPECT_EQ(csv.str(),
              "trial,seed,scenario,a12,a21,n1_start,n2_start,n1_end,n2_end,steps,outcome\n"
              "1,43200000,1,1.5,1.5," +
                  ShortestText(0.3018542291596532) + "," + ShortestText(0.34248056523501874) + "," +
                  ShortestText(0.009903705796592758) + "," + ShortestText(0.8729448993553466) +
                  ",675,extinct\n");
}

TEST(TrialTable, TallyCountsEachSpeciesLossAndNeither) {
    const auto trials = Trials(TrialsHundred, 1, 43'200'000);
    int lost1 = 0, lost2 = 0, neither = 0;
    for (const TrialRecord& r : trials) {
        lost1 += r.end[0] < ExtinctionLevel;
        lost2 += r.end[1] < ExtinctionLevel;
        neither += r.end[0] >= ExtinctionLevel && r.end[1] >= ExtinctionLevel;
    }
    EXPECT_GT(lost1, 0);
    EXPECT_GT(lost2, 0);
    EXPECT_EQ(TallyLine(trials), "Extinct: sp.2 " + std::to_string(lost2) + ", sp.1 " +
                                     std::to_string(lost1) + ", neither " +
                                     std::to_string(neither));
    EXPECT_LE(TallyLine(trials).size(), 40U) << "fits the log's width in a line or two";
}

}  // namespace
}  // namespace morvanta
