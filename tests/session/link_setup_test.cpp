// The window's own command line, read as the browser's link is: one parser.

#include "session/link_setup.h"

#include <gtest/gtest.h>

#include "plot/raster_surface.h"

namespace morvanta {
namespace {

struct Unseen : RasterSurface {
    void TextOut(int, int, const std::string&) override {}
};

TEST(WindowArguments, TakeWhatALinkTakesAndLeaveOutTheRestOneByOne) {
    const struct {
        std::vector<std::string> arguments;
        std::string link;  // the same setup as a link
        std::vector<std::string> ignored;
    } cases[] = {
        {{"--scenario", "comp-severe", "--a12", "1.2", "--a21=1.9", "--outcome-map", "--isoclines"},
         "#scenario=comp-severe&trials=10&a12=1.2&a21=1.9&map&isoclines",
         {}},
        {{"--a12", "0.6", "--a21", "1.4", "--scenario", "1", "--trials", "100"},
         "#scenario=comp-severe&trials=100&a12=0.6&a21=1.4",
         {}},
        {{"--a12", "-0", "--a21", "0.5", "--scenario=comp-mild", "--shapes"},
         "#scenario=comp-mild&trials=10&a12=0&a21=0.5&shapes",
         {}},
        {{"--scenario", "comp-mild", "--a12", "9", "--a21", "1", "--trials=7", "--csv", "x.csv",
          "--direction-field"},
         "#scenario=comp-mild&trials=10&direction-field",
         {"--a12=9", "--a21=1", "--trials=7", "--csv=x.csv"}},
        {{"--isoclines", "--outcome-map", "--bogus"},
         "#scenario=start-point&trials=10&isoclines",
         {"--outcome-map", "--bogus"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const std::optional<LinkSetup> setup = ReadWindowArguments(c.arguments);
        ASSERT_TRUE(setup);
        Unseen plot;
        PlotSession session(plot, [] { return 0; });
        ApplyLinkSetup(setup->options, session);
        EXPECT_EQ(LinkFragment(setup->options.scenarioItem, setup->options.trialsItem, session,
                               std::nullopt),
                  c.link);
        EXPECT_EQ(setup->ignored, c.ignored);
    }
    // The command line's own: these keep their meaning, and a line that sets nothing a
    // window takes is refused as before.
    for (const std::vector<std::string>& own : {std::vector<std::string>{"--batch", "--isoclines"},
                                                {"--help"},
                                                {"--isoclines", "x"},
                                                {"-platform", "offscreen"},
                                                {"--bogus"},
                                                {"--csv", "x.csv"}})
        EXPECT_FALSE(ReadWindowArguments(own)) << ::testing::PrintToString(own);
    EXPECT_EQ(IgnoredLine("Command line", {"--a12=9", "--bogus"}),
              "Command line: ignored --a12=9, --bogus");
}

}  // namespace
}  // namespace morvanta
