// What the plot menu's items do between runs, the same in every edition: the empty plot drawn
// again at once after a change, the shares emptied, the caption's words.

#include "session/plot_session.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "session/link_setup.h"
#include "session/plot_caption.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

using testkit::Journal;

struct Session {
    int scenarioItem = 1;  // Comp Severe
    Journal journal;
    testkit::RecordingSurface surface{journal};
    PlotSession plot{surface, [this] { return scenarioItem; }};

    // A run of one trial from the seed's clock reading; the log's lines.
    Journal Run(unsigned seed) {
        Journal log;
        testkit::RecordingOutlets outlets(log);
        const SessionSettings settings([] { return OneTrialItem; }, [this] { return scenarioItem; },
                                       plot);
        RunTrials(settings, outlets, surface, testkit::FixedClock::ForSeed(seed), 623, 610,
                  plot.Observer());
        plot.RunFinished(outlets);
        return log;
    }
};

bool Has(const Journal& journal, const std::string& op) {
    return std::find(journal.begin(), journal.end(), op) != journal.end();
}

TEST(PlotSession, AChangeBetweenRunsDrawsTheEmptyPlotAgainWhereItAltersIt) {
    const std::string emptyPlotStart = "SetPenColor " + testkit::ToText(Navy);
    const struct {
        const char* what;
        PlotOptions options;
        PlotChange change;
        bool redraws;
    } rows[] = {
        {"no option, new coefficients", {}, PlotChange::Coefficients, false},
        {"no option, another scenario", {}, PlotChange::Scenario, false},
        {"an option switched", {}, PlotChange::EmptyPlotOption, true},
        {"isoclines, new coefficients", {.isoclines = true}, PlotChange::Coefficients, true},
        {"ticks, another scenario", {.axisTicks = true}, PlotChange::Scenario, true},
        {"tally only, another scenario", {.tallyOutcomes = true}, PlotChange::Scenario, false},
    };
    for (const auto& row : rows) {
        Session s;
        s.plot.options = row.options;
        s.plot.overrides.coefficients = OffDiagonal{0.6, 1.4};
        EXPECT_EQ(s.plot.Redraw(row.change, 623, 610), row.redraws) << row.what;
        EXPECT_EQ(!s.journal.empty() && s.journal.front() == emptyPlotStart, row.redraws)
            << row.what;
    }
    // The isoclines are the new system's: species 1's N1 + 0.6 N2 = 0.9 leaves the plot's top
    // at N1 = 0.18.
    Session s;
    s.plot.options.isoclines = true;
    s.plot.overrides.coefficients = OffDiagonal{0.6, 1.4};
    s.plot.Redraw(PlotChange::Coefficients, 623, 610);
    EXPECT_TRUE(Has(s.journal, "LineTo 74 20"));
}

TEST(PlotSession, ResetSharesStartsTheCountAfresh) {
    Session s;
    s.plot.options.tallyOutcomes = true;
    const Journal first = s.Run(43'200'000);
    const Journal second = s.Run(43'200'000);
    ASSERT_EQ(first.size(), second.size());
    EXPECT_NE(first.back(), second.back()) << "the shares count both runs";
    s.plot.ResetShares();
    EXPECT_EQ(s.Run(43'200'000).back(), first.back());
}

TEST(PlotSession, TheCaptionSaysWhatThePlotShows) {
    Session s;
    s.Run(43'200'000);
    s.plot.options.isoclines = true;
    s.plot.options.outcomeMap = true;
    s.plot.options.caption = true;
    EXPECT_EQ(PlotCaptionText(s.plot),
              "Comp Severe; a12 1.5, a21 1.5; seed 43200000; isoclines, outcome map");
    s.scenarioItem = 0;
    s.plot.options = {};
    EXPECT_EQ(PlotCaptionText(s.plot),
              "Start Point; coefficients drawn every trial; seed 43200000");
}

TEST(PlotSession, TheWindowsZoomAndPaceComeFromItsLinkOrCommandLine) {
    const struct {
        const char* link;
        double zoom;
        int pace;
        std::size_t ignored;
    } rows[] = {
        {"zoom=2&pace=200&isoclines", 2.0, 200, 0},
        {"zoom=1.5&pace=full", 1.5, 0, 0},
        {"zoom=4&pace=-5", 1.0, 0, 2},
        {"zoom&pace=2000.5", 1.0, 0, 2},
    };
    for (const auto& row : rows) {
        Session s;
        const LinkSetup setup = ReadLinkSetup(row.link);
        ApplyLinkSetup(setup, s.plot);
        EXPECT_EQ(s.plot.options.zoom, row.zoom) << row.link;
        EXPECT_EQ(s.plot.options.pace, row.pace) << row.link;
        EXPECT_EQ(setup.ignored.size(), row.ignored) << row.link;
    }
    Session s;
    ApplyLinkSetup(ReadLinkSetup("zoom=2&pace=200"), s.plot);
    EXPECT_EQ(LinkFragment(1, 1, s.plot, std::nullopt),
              "#scenario=comp-severe&trials=10&zoom=2&pace=200");
}

}  // namespace
}  // namespace morvanta
