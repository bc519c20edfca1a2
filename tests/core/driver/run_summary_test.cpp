#include "core/driver/run_summary.h"

#include <gtest/gtest.h>

namespace morvanta {
namespace {

TrialRecord EndingAt(double n1, double n2) {
    TrialRecord r;
    r.end = {n1, n2};
    return r;
}

// Each trial counts once: a trial in which both species died out counts under "both" only.
TEST(RunSummary, TellsTheScenarioTrialsAndOutcomes) {
    const std::vector<TrialRecord> records = {EndingAt(0.005, 0.9), EndingAt(0.9, 0.001),
                                              EndingAt(0.9, 0.002), EndingAt(0.001, 0.009),
                                              EndingAt(0.5, 0.5),   EndingAt(0.01, 0.01)};
    EXPECT_EQ(RunSummaryText("Comp Severe", records),
              "Scenario Comp Severe, 6 trials. Species 1 died out in 1, species 2 in 2, both in "
              "1, neither in 2.");
    EXPECT_EQ(RunSummaryText("?", {EndingAt(0.5, 0.5)}),
              "Scenario ?, 1 trial. Species 1 died out in 0, species 2 in 0, both in 0, neither "
              "in 1.");
}

}  // namespace
}  // namespace morvanta
