// The trials a run reports, as the saved table shows them.

#include "core/driver/trial_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/driver/run_driver.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

using testkit::FixedClock;
using testkit::FixedSettings;
using testkit::Journal;
using testkit::RecordingOutlets;
using testkit::RecordingSurface;

TEST(TrialTable, WatchingARunChangesNothingItDoesAndEachRunStartsAFreshTable) {
    Journal watched, plain;
    RecordingOutlets watchedOutlets(watched), plainOutlets(plain);
    RecordingSurface watchedSurface(watched), plainSurface(plain);
    TrialTable table;
    RunTrials(FixedSettings(TenTrialsItem, ItemOf(Scenario::CompSevere)), watchedOutlets,
              watchedSurface, FixedClock::ForSeed(777), 623, 610, table);
    RunTrials(FixedSettings(TenTrialsItem, ItemOf(Scenario::CompSevere)), plainOutlets,
              plainSurface, FixedClock::ForSeed(777), 623, 610);
    EXPECT_EQ(watched, plain);
    EXPECT_EQ(table.Records().size(), 10U);

    RunTrials(FixedSettings(OneTrialItem, ItemOf(Scenario::CompSevere)), plainOutlets, plainSurface,
              FixedClock::ForSeed(43'200'000), 623, 610, table);
    ASSERT_EQ(table.Records().size(), 1U);
    std::ostringstream csv;
    WriteTrialsCsv(csv, table.Records());
    EXPECT_EQ(csv.str(),
              "trial,seed,scenario,a12,a21,n1_start,n2_start,n1_end,n2_end,steps,outcome,"
              "extinct,scenario_name\n"
              "1,43200000,1,1.5,1.5,0.3018542291596532,0.34248056523501874,"
              "0.009903705796592758,0.8729448993553466,675,extinct,1,comp-severe\n");
}

TEST(TrialTable, EachCoefficientColumnHoldsItsOwnDraw) {
    // "Start Point" draws a12 and then a21 from the generator, so they differ. From seed
    // 43200000: 43200000 * 134775813 + 1 = 1620567553 (mod 2^32), times 2^-32 times 3; then
    // 1620567553 * 134775813 + 1 = 1838678534 (mod 2^32) for a21.
    Journal journal;
    RecordingOutlets outlets(journal);
    RecordingSurface surface(journal);
    TrialTable table;
    RunTrials(FixedSettings(OneTrialItem, ItemOf(Scenario::StartPoint)), outlets, surface,
              FixedClock::ForSeed(43'200'000), 623, 610, table);
    ASSERT_EQ(table.Records().size(), 1U);
    constexpr double TwoToMinus32 = 1.0 / 4294967296.0;
    EXPECT_EQ(table.Records()[0].a12, 1620567553.0 * TwoToMinus32 * 3.0);
    EXPECT_EQ(table.Records()[0].a21, 1838678534.0 * TwoToMinus32 * 3.0);
    std::ostringstream csv;
    WriteTrialsCsv(csv, table.Records());
    EXPECT_NE(csv.str().find("\n1,43200000,0,1.1319533593486995,1.2843021196313202,0.5,0.5,"),
              std::string::npos)
        << csv.str();
}

TEST(TrialTable, TallyCountsEachSpeciesLostAndTrialsThatLostNeither) {
    // Extinct is strictly below 0.01; each trial counts once, one that lost both under "both".
    const struct {
        Vector2 end;
        const char* tally;
    } cases[] = {
        {{0.5, 0.005}, "Extinct: sp.2 1, sp.1 0, both 0, neither 0"},
        {{0.005, 0.5}, "Extinct: sp.2 0, sp.1 1, both 0, neither 0"},
        {{0.005, 0.009}, "Extinct: sp.2 0, sp.1 0, both 1, neither 0"},
        {{0.01, 0.9}, "Extinct: sp.2 0, sp.1 0, both 0, neither 1"},
    };
    for (const auto& c : cases) {
        TrialRecord record;
        record.end = c.end;
        EXPECT_EQ(TallyLine({record}), c.tally) << c.end[0] << ", " << c.end[1];
    }
    EXPECT_EQ(TallyLine({}), "Extinct: sp.2 0, sp.1 0, both 0, neither 0");
}

TEST(TrialTable, DoublesAreWrittenShortestAndReadBackExactly) {
    for (double value : {0.1, 1.0 / 3.0, 6.984919309616089e-10, 0.8999999994304941, 1e-300})
        EXPECT_EQ(std::stod(ShortestText(value)), value) << ShortestText(value);
    EXPECT_EQ(ShortestText(0.5), "0.5");
    EXPECT_EQ(ShortestText(0.1), "0.1");
}

}  // namespace
}  // namespace morvanta
