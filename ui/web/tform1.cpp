#include "ui/web/tform1.h"

#include <emscripten.h>

#include <array>
#include <chrono>

#include "core/driver/time_course.h"
#include "core/system_clock.h"
#include "plot/caption_strip.h"
#include "plot/phase_plot.h"
#include "session/plot_caption.h"
#include "session/plot_description.h"
#include "session/png_file.h"
#include "session/png_texts.h"

EM_JS(void, morvanta_append_log, (const char* line), { Module.appendLog(UTF8ToString(line)); });

namespace morvanta {
namespace {

// The designed window's outer size, which the empty plot's background rectangle covers.
constexpr int OuterWidth = 623;
constexpr int OuterHeight = 610;
constexpr std::array<const char*, 4> ScenarioCaptions{"Start Point", "Comp Severe", "Comp Mild",
                                                      "?"};

}  // namespace

void PageOutlets::AppendLog(const std::string& line) { morvanta_append_log(line.c_str()); }

TForm1::TForm1() = default;

void TForm1::FormCreate() { PaintB(); }

void TForm1::PaintB() {
    PlotArea(plot, OuterWidth, OuterHeight);
    session.DrawOverEmptyPlot();
    description_ = session.Description(ScenarioCaption());
}

std::string TForm1::ScenarioCaption() const {
    return ScenarioCaptions[static_cast<std::size_t>(scenarioItem & 3)];
}

void TForm1::BitBtn1Click() {
    if (run_) return;
    const SystemClock systemClock;
    const FixedClock linkClock = FixedClock::ForSeed(linkSeed_.value_or(0));
    const ClockSource& clock = linkSeed_ ? static_cast<const ClockSource&>(linkClock) : systemClock;
    linkSeed_.reset();
    run_ = std::make_unique<SteppedRun>(settings_, outlets, plot, clock, OuterWidth, OuterHeight,
                                        &session.Observer());
    pace_ = StepPace(session.options.pace);
    paceStarted_ = false;
}

bool TForm1::AdvanceRun(double budgetMs, int maxSteps, double frameMs) {
    sliceSteps_ = 0;
    if (!run_) return true;
    const std::chrono::nanoseconds frame(static_cast<std::int64_t>(frameMs * 1e6));
    if (!paceStarted_) pace_.Start(frame);
    paceStarted_ = true;
    if (!pace_.MayStep(frame)) return false;
    // The clock is read every few steps only: a step takes well under a microsecond.
    constexpr int StepsPerClockReading = 64;
    const double deadline = emscripten_get_now() + budgetMs;
    const bool over = run_->Advance([&] {
        ++sliceSteps_;
        return sliceSteps_ < maxSteps &&
               (sliceSteps_ % StepsPerClockReading != 0 || emscripten_get_now() < deadline) &&
               pace_.MayStep(frame);
    });
    if (!over) return false;
    RunOver(true);
    return true;
}

std::string TForm1::EndRunEarly() {
    if (!run_) return {};
    run_->EndEarly(EndedByEscapeLine);
    RunOver(false);
    return RunEndAnnouncement(ScenarioCaption(), session.Records(), false);
}

void TForm1::RunOver(bool complete) {
    run_.reset();
    session.RunFinished(outlets, complete);
    if (!session.Records().empty()) lastSeed_ = session.Records().front().seed;
    description_ = session.Description(ScenarioCaption());
}

std::string TForm1::ReadLink(const std::string& fragment) {
    const LinkSetup setup = ReadLinkSetup(fragment);
    scenarioItem = setup.options.scenarioItem;
    trialsItem = setup.options.trialsItem;
    linkSeed_ = setup.options.seed;
    ApplyLinkSetup(setup, session);
    return IgnoredLine("Link", setup.ignored);
}

std::string TForm1::Link() const {
    return LinkFragment(scenarioItem, trialsItem, session, std::nullopt);
}

std::string TForm1::SetCoefficients(const std::string& a12, const std::string& a21) {
    const std::string refused = "Each coefficient is a number from 0 to 3.";
    if ((a12 + a21).find_first_of("&=#%") != std::string::npos) return refused;
    const LinkSetup setup = ReadLinkSetup("scenario=comp-severe&a12=" + a12 + "&a21=" + a21);
    if (!setup.ignored.empty()) return refused;
    session.overrides.coefficients =
        OffDiagonal{*setup.options.lesson.a12, *setup.options.lesson.a21};
    return {};
}

const std::uint8_t* TForm1::TimeCourseRgba() {
    DrawTimeCourses(timeCourse_, TimeCoursesOf(session.Records()));
    return timeCourse_.ZoomedRgba(MapHeight, session.options.zoom);
}

std::string TForm1::CaptionText() const { return PlotCaptionText(session); }

const std::uint8_t* TForm1::CaptionRgba() {
    DrawCaptionStrip(caption_, CaptionText());
    return caption_.ZoomedRgba(CaptionStripHeight, session.options.zoom);
}

std::vector<std::uint8_t> TForm1::PlotPng() const {
    std::vector<PngText> texts = PlotPngTexts(session, ScenarioFromItem(scenarioItem));
    texts.emplace_back("Description", description_);
    return PngBytes({plot.Bits(), MapWidth, MapHeight}, texts);
}

}  // namespace morvanta
