// The program's own command line: what it accepts, and everything else it refuses.

#include "ui/command_line.h"

#include <gtest/gtest.h>

namespace morvanta {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, NoArgumentsOpenTheWindow) {
    EXPECT_EQ(ParseCommandLine({}).action, Action::Window);
}

TEST(CommandLine, BatchTakesValuesInBothSpellingsAndTheWindowsDefaults) {
    const CommandLine defaults = ParseCommandLine({"--batch"});
    ASSERT_EQ(defaults.action, Action::Batch);
    EXPECT_EQ(defaults.batch.scenarioItem, 0);
    EXPECT_EQ(defaults.batch.trialsItem, 1) << "10 trials, as the window starts";
    EXPECT_FALSE(defaults.batch.seed.has_value()) << "the clock seeds a run by default";

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

    const char* names[] = {"start-point", "comp-severe", "comp-mild", "reversed"};
    for (int item = 0; item < 4; ++item) {
        EXPECT_EQ(ParseCommandLine({"--batch", "--scenario", names[item]}).batch.scenarioItem,
                  item);
        EXPECT_EQ(
            ParseCommandLine({"--batch", "--scenario=" + std::to_string(item)}).batch.scenarioItem,
            item);
    }
}

TEST(CommandLine, HelpAndVersionWinOverTheRest) {
    EXPECT_EQ(ParseCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"--batch", "--version", "--seed=0"}).action, Action::Version);
}

TEST(CommandLine, RefusesAnythingElseWithAReason) {
    const std::vector<std::vector<std::string>> refused = {
        {"-reverse"},
        {"-stylesheet", "x.qss"},
        {"-platform", "offscreen"},
        {"-qwindowgeometry", "10x10"},
        {"-qwindowtitle", "x"},
        {"-style=fusion"},
        {"-h"},
        {"--"},
        {"file.csv"},
        {"--bogus"},
        {"--help=yes"},
        {"--batch=1"},
        {"--batch", "extra"},
        {"--seed", "0"},  // a batch option without --batch
        {"--batch", "--seed"},
        {"--batch", "--seed", "86400000"},
        {"--batch", "--seed=-1"},
        {"--batch", "--seed=+5"},
        {"--batch", "--seed=1e3"},
        {"--batch", "--seed="},
        {"--batch", "--seed=99999999999999999999"},
        {"--batch", "--trials=5"},
        {"--batch", "--trials=010"},
        {"--batch", "--scenario=4"},
        {"--batch", "--scenario=Comp-Severe"},
        {"--batch", "--csv="},
        {"--batch", "--png"},
    };
    for (const auto& arguments : refused) {
        const CommandLine c = ParseCommandLine(arguments);
        std::string shown;
        for (const auto& a : arguments) shown += a + ' ';
        EXPECT_EQ(c.action, Action::Refuse) << "accepted: " << shown;
        EXPECT_FALSE(c.error.empty()) << "refused without a reason: " << shown;
    }
}

}  // namespace
}  // namespace morvanta
