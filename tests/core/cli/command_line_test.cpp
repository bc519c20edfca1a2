// The program's own command line: what it accepts, and everything else it refuses.

#include "core/cli/command_line.h"

#include <gtest/gtest.h>

#include <cmath>

namespace morvanta {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, AcceptsItsOwnOptionsInBothSpellings) {
    EXPECT_EQ(ParseCommandLine({}).action, Action::Window);
    EXPECT_EQ(ParseCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"--batch", "--version"}).action, Action::Version);

    const BatchOptions defaults = ParseCommandLine({"--batch"}).batch;
    EXPECT_EQ(defaults.scenarioItem, 0);
    EXPECT_EQ(defaults.trialsItem, 1) << "10 trials, as the window starts";
    EXPECT_FALSE(defaults.seed) << "the clock seeds a run by default";

    const CommandLine c =
        ParseCommandLine({"--scenario", "comp-mild", "--trials=100", "--batch", "--seed",
                          "86399999", "--csv=-", "--png", "p.png", "--isoclines"});
    ASSERT_EQ(c.action, Action::Batch) << c.error;
    EXPECT_EQ(c.batch.scenarioItem, 2);
    EXPECT_EQ(c.batch.trialsItem, 3);
    EXPECT_EQ(c.batch.seed, 86399999U);
    EXPECT_EQ(c.batch.csvPath, "-");
    EXPECT_EQ(c.batch.pngPath, "p.png");
    EXPECT_TRUE(c.batch.isoclines);
    EXPECT_EQ(ParseCommandLine({"--batch", "--scenario", "reversed"}).batch.scenarioItem, 3);
    EXPECT_EQ(ParseCommandLine({"--batch", "--scenario=1"}).batch.scenarioItem, 1);
}

TEST(CommandLine, RefusesAnythingElseWithAReason) {
    const std::vector<std::vector<std::string>> refused = {
        {"-reverse"},
        {"-stylesheet", "x.qss"},
        {"-platform", "offscreen"},
        {"-style=fusion"},
        {"-qwindowgeometry", "10x10"},
        {"-qwindowtitle", "x"},
        {"-h"},
        {"--"},
        {"file.csv"},
        {"--bogus"},
        {"--help=yes"},
        {"--batch=1"},
        {"--batch", "extra"},
        {"--seed", "0"},  // a batch option without --batch
        {"--batch", "--seed"},
        {"--batch", "--seed=+5"},
        {"--batch", "--seed=99999999999999999999"},
        {"--batch", "--trials=5"},
        {"--batch", "--trials=010"},
        {"--batch", "--scenario=Comp-Severe"},
        {"--batch", "--csv="},
        {"--batch", "--png"}};
    for (const auto& arguments : refused) {
        const CommandLine c = ParseCommandLine(arguments);
        EXPECT_EQ(c.action, Action::Refuse) << "accepted: " << ::testing::PrintToString(arguments);
        EXPECT_FALSE(c.error.empty()) << ::testing::PrintToString(arguments);
    }
}

TEST(CommandLine, EveryBoundIsAcceptedAndTheNextValueRefused) {
    const struct {
        std::vector<std::string> accepted, refused;
    } bounds[] = {
        {{"--seed=0"}, {"--seed=-1"}},
        {{"--seed=86399999"}, {"--seed=86400000"}},
        {{"--trials=1"}, {"--trials=0"}},
        {{"--trials=100"}, {"--trials=101"}},
        {{"--scenario=0"}, {"--scenario=-1"}},
        {{"--scenario=3"}, {"--scenario=4"}},
        {{"--scenario=1", "--grid=10"}, {"--scenario=1", "--grid=9"}},
        {{"--scenario=1", "--grid=400"}, {"--scenario=1", "--grid=401"}},
        {{"--runs=1"}, {"--runs=0"}},
        {{"--runs=100000"}, {"--runs=100001"}},
        {{"--scenario=1", "--a12=0", "--a21=0"}, {"--scenario=1", "--a12=-0.001", "--a21=0"}},
        {{"--scenario=1", "--a12=3", "--a21=3"}, {"--scenario=1", "--a12=3", "--a21=3.001"}},
        {{"--scenario=1", "--start=1e-9,1"}, {"--scenario=1", "--start=0,1"}},
        {{"--scenario=1", "--start=1,1"}, {"--scenario=1", "--start=1,1.001"}},
        {{"--scenario=1", "--outcome-map"}, {"--scenario=0", "--outcome-map"}},
        {{"--scenario=1", "--outcome-map-csv=m.csv"}, {"--scenario=0", "--outcome-map-csv=m.csv"}},
    };
    for (const auto& b : bounds) {
        std::vector<std::string> accepted{"--batch"}, refused{"--batch"};
        accepted.insert(accepted.end(), b.accepted.begin(), b.accepted.end());
        refused.insert(refused.end(), b.refused.begin(), b.refused.end());
        const CommandLine a = ParseCommandLine(accepted);
        EXPECT_EQ(a.action, Action::Batch) << ::testing::PrintToString(accepted) << ": " << a.error;
        EXPECT_EQ(ParseCommandLine(refused).action, Action::Refuse)
            << "accepted: " << ::testing::PrintToString(refused);
    }
}

TEST(CommandLine, MinusZeroIsReadAsZero) {
    const CommandLine c = ParseCommandLine(
        {"--batch", "--scenario=1", "--a12", "-0", "--a21=-0.0e3", "--seed=-0", "--runs=-00"});
    ASSERT_EQ(c.action, Action::Refuse) << "no run count is zero";
    const CommandLine d =
        ParseCommandLine({"--batch", "--scenario=1", "--a12", "-0", "--a21=-0.0e3", "--seed=-0"});
    ASSERT_EQ(d.action, Action::Batch) << d.error;
    EXPECT_FALSE(std::signbit(*d.batch.lesson.a12));
    EXPECT_FALSE(std::signbit(*d.batch.lesson.a21));
    EXPECT_EQ(d.batch.seed, 0U);
}

TEST(CommandLine, OutcomeShapesAreABatchSwitch) {
    EXPECT_FALSE(ParseCommandLine({"--batch"}).batch.outcomeShapes) << "off unless asked for";
    const CommandLine c = ParseCommandLine({"--batch", "--shapes"});
    ASSERT_EQ(c.action, CommandLine::Action::Batch) << c.error;
    EXPECT_TRUE(c.batch.outcomeShapes);
    EXPECT_EQ(ParseCommandLine({"--shapes"}).action, CommandLine::Action::Refuse);
    EXPECT_EQ(ParseCommandLine({"--batch", "--shapes=yes"}).action, CommandLine::Action::Refuse);
}

}  // namespace
}  // namespace morvanta
