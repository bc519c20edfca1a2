#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/driver/run_driver.h"
#include "core/driver/step_pace.h"
#include "session/link_setup.h"
#include "session/plot_session.h"
#include "ui/web/web_plot.h"

namespace morvanta {

// The two number boxes and the log as the page shows them: the numbers are kept here and put
// on the page once a frame; a log line goes to the page at once.
class PageOutlets : public RunOutlets {
public:
    void ShowTrialNumber(int n) override { trial = n; }
    void ShowStepNumber(int n) override { step = n; }
    void AppendLog(const std::string& line) override;
    int trial = 0;
    int step = 0;
};

// The window's state and handlers behind the page; the page owns the controls and the
// events, and calls these.
class TForm1 {
public:
    TForm1();

    void FormCreate();
    // Clears the plot: the empty plot and what the options add to it.
    void PaintB();
    // Starts a run; the page then advances it once a frame.
    void BitBtn1Click();
    // Goes on with the run for at most budgetMs and at most maxSteps steps, and with a pace
    // set no further than the pace allows by the frame's time (ms on the page's clock);
    // whether it is over. SliceSteps() tells how many steps the last call took.
    bool AdvanceRun(double budgetMs, int maxSteps, double frameMs);
    // Ends the run where it is, as Escape does at a pace; what a screen reader says of it.
    std::string EndRunEarly();
    int SliceSteps() const { return sliceSteps_; }
    bool Running() const { return run_ != nullptr; }

    // What the link's fragment sets; the line naming what it left out, if anything.
    std::string ReadLink(const std::string& fragment);
    std::string Link() const;
    std::string PlotDescription() const { return description_; }
    std::vector<std::uint8_t> PlotPng() const;
    // The coefficients dialog's texts, read as a link's a12 and a21; empty, or why not.
    std::string SetCoefficients(const std::string& a12, const std::string& a21);
    const std::uint8_t* TimeCourseRgba();
    // The caption strip, drawn with the session's words at the zoom; its text.
    const std::uint8_t* CaptionRgba();
    std::string CaptionText() const;

    WebPlot plot;
    PageOutlets outlets;
    int trialsItem = 1;    // "10"
    int scenarioItem = 0;  // "Start Point"
    PlotSession session{plot, [this] { return scenarioItem; }};

private:
    void RunOver(bool complete);
    std::string ScenarioCaption() const;

    SessionSettings settings_{[this] { return trialsItem; }, [this] { return scenarioItem; },
                              session};
    std::unique_ptr<SteppedRun> run_;
    std::optional<std::uint32_t> linkSeed_;  // seeds the first run, when the link gave one
    std::optional<std::uint32_t> lastSeed_;
    std::string description_;
    WebPlot timeCourse_;
    WebPlot caption_;
    StepPace pace_{FullPace};
    bool paceStarted_ = false;
    int sliceSteps_ = 0;
};

}  // namespace morvanta
