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
              "trial,seed,scenario,a12,a21,n1_start,n2_start,n1_end,n2_end,steps,outcome\n"
              "1,43200000,1,1.5,1.5,0.3018542291596532,0.34248056523501874,"
              "0.009903705796592758,0.8729448993553466,675,extinct\n");
}

TEST(TrialTable, DoublesAreWrittenShortestAndReadBackExactly) {
    for (double value : {0.1, 1.0 / 3.0, 6.984919309616089e-10, 0.8999999994304941, 1e-300})
        EXPECT_EQ(std::stod(ShortestText(value)), value) << ShortestText(value);
    EXPECT_EQ(ShortestText(0.5), "0.5");
    EXPECT_EQ(ShortestText(0.1), "0.1");
}

}  // namespace
}  // namespace morvanta
