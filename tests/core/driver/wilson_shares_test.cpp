// How often each outcome happens, with its 95 % Wilson interval.

#include <gtest/gtest.h>

#include "core/driver/outcome_shares.h"
#include "core/driver/trial_table.h"

namespace morvanta {
namespace {

TEST(WilsonShare, KnownIntervals) {
    // Worked from the score formula with z = 1.959964: 0 of 10 reaches 0.2775 and n of n
    // comes down as far; 50 of 100 is 0.4038 .. 0.5962; 1 of 3 is 0.0615 .. 0.7923.
    const struct {
        long long count, trials;
        double share, low, high;
    } cases[] = {
        {0, 10, 0.0, 0.0, 0.2775328},
        {10, 10, 1.0, 0.7224672, 1.0},
        {50, 100, 0.5, 0.4038315, 0.5961685},
        {1, 3, 1.0 / 3.0, 0.0614919, 0.7923404},
    };
    for (const auto& c : cases) {
        const Share s = WilsonShare(c.count, c.trials);
        EXPECT_DOUBLE_EQ(s.share, c.share) << c.count << " of " << c.trials;
        EXPECT_NEAR(s.low95, c.low, 1e-7) << c.count << " of " << c.trials;
        EXPECT_NEAR(s.high95, c.high, 1e-7) << c.count << " of " << c.trials;
    }
    const Share none = WilsonShare(0, 0);
    EXPECT_EQ(none.low95, 0.0);
    EXPECT_EQ(none.high95, 1.0);
}

TEST(EndCounts, EachTrialCountsOnceAndBothExtinctIsItsOwn) {
    const Vector2 ends[] = {{0.5, 0.005}, {0.005, 0.5}, {0.005, 0.009}, {0.01, 0.9}, {0.5, 0.001}};
    std::vector<TrialRecord> records;
    for (const Vector2& end : ends) records.push_back(TrialRecord{.end = end});
    EndCounts counts;
    counts.Add(records);
    EXPECT_EQ(counts.Trials(), 5);
    EXPECT_EQ(counts.Of(EndState::Species2Extinct), 2);
    EXPECT_EQ(counts.Of(EndState::Species1Extinct), 1);
    EXPECT_EQ(counts.Of(EndState::BothExtinct), 1);
    EXPECT_EQ(counts.Of(EndState::Neither), 1) << "0.01 is not below the extinction level";
    EXPECT_DOUBLE_EQ(counts.ShareOf(EndState::Species2Extinct).share, 0.4);
}

TEST(SessionCounts, EachSystemAddsUpItsOwnRunsAsOneLine) {
    std::vector<TrialRecord> run(20, TrialRecord{.end = {0.5, 0.005}});
    run.resize(40, TrialRecord{.end = {0.005, 0.5}});
    SessionCounts session;
    session.Add(Scenario::CompSevere, 1.5, 1.5, run);
    session.Add(Scenario::CompSevere, 0.6, 1.4, {TrialRecord{.end = {0.5, 0.5}}});
    const EndCounts severe = session.Add(Scenario::CompSevere, 1.5, 1.5, run);
    EXPECT_EQ(severe.Trials(), 80) << "the other coefficients are counted apart";
    EXPECT_EQ(session.Add(Scenario::CompSevere, 1.4, 0.6, run).Trials(), 40)
        << "a12 and a21 swapped are another system";
    EXPECT_EQ(session.Add(Scenario::ReversedGrowth, 1.5, 1.5, run).Trials(), 40)
        << "another scenario with the same coefficients is another system";
    // 40 of 80 is 39.3% .. 60.7%; 0 of 80 reaches 4.6%.
    EXPECT_EQ(SharesLine(severe),
              "Shares (80 trials): sp.2 50% (39-61), sp.1 50% (39-61), both 0% (0-5), "
              "neither 0% (0-5)");
}

}  // namespace
}  // namespace morvanta
