// What a step costs in the window under this system: the number box the program draws
// itself, the standard edit's text change and repaint it replaces, and the plot's own
// segment (raster and SetDIBitsToDevice), each timed around its call in real runs on the
// screen. Runs of the two boxes alternate; prints medians per run and their spread.
//   wine step-cost.exe [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/driver/run_driver.h"
#include "core/system_clock.h"
#include "ui/win/tform1.h"
#include "ui/win/window_bindings.h"

namespace morvanta {
namespace {

double Now() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return double(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / ticksPerMicrosecond;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The step display as a standard edit: its text set, then repainted at once.
class EditTextOutlets : public RunOutlets {
public:
    explicit EditTextOutlets(TForm1& form) : form_(form) {}
    void ShowTrialNumber(int n) override { Show(form_.Edit1->Handle(), n); }
    void ShowStepNumber(int n) override { Show(form_.Edit2->Handle(), n); }
    void AppendLog(const std::string& line) override { AppendLine(form_.Memo1, line); }

private:
    static void Show(HWND edit, int n) {
        SetWindowTextW(edit, std::to_wstring(n).c_str());
        UpdateWindow(edit);
    }
    TForm1& form_;
};

class TimedOutlets : public RunOutlets {
public:
    TimedOutlets(RunOutlets& inner, std::vector<double>& times) : inner_(inner), times_(times) {}
    void ShowTrialNumber(int n) override { inner_.ShowTrialNumber(n); }
    void ShowStepNumber(int n) override {
        const double start = Now();
        inner_.ShowStepNumber(n);
        times_.push_back(Now() - start);
    }
    void AppendLog(const std::string& line) override { inner_.AppendLog(line); }

private:
    RunOutlets& inner_;
    std::vector<double>& times_;
};

// The window's plot, each segment timed.
class TimedSurface : public PlotSurface {
public:
    TimedSurface(PlotSurface& inner, std::vector<double>& times) : inner_(inner), times_(times) {}
    void SetPenColor(Color color) override { inner_.SetPenColor(color); }
    void SetBrushColor(Color color) override { inner_.SetBrushColor(color); }
    void SetFont(const std::string& face, int points, Color color) override {
        inner_.SetFont(face, points, color);
    }
    void MoveTo(int x, int y) override {
        inner_.MoveTo(x, y);
        at_ = {x, y};
    }
    void LineTo(int x, int y) override {
        const double start = Now();
        inner_.LineTo(x, y);
        const double took = Now() - start;
        times_.push_back(took);
        if (PlotPoint{x, y} != at_) drawing_.push_back(took);  // a segment of a pixel or more
        at_ = {x, y};
    }
    const std::vector<double>& DrawingSegments() const { return drawing_; }
    void Rectangle(int x1, int y1, int x2, int y2) override { inner_.Rectangle(x1, y1, x2, y2); }
    void Ellipse(int x1, int y1, int x2, int y2) override { inner_.Ellipse(x1, y1, x2, y2); }
    void TextOut(int x, int y, const std::string& text) override { inner_.TextOut(x, y, text); }

private:
    PlotSurface& inner_;
    std::vector<double>& times_;
    std::vector<double> drawing_;
    PlotPoint at_;
};

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values) sum += v;
    return values.empty() ? 0.0 : sum / double(values.size());
}

// Per step, the mean: a step whose segment stays within one pixel draws nothing, and most do.
struct RunCost {
    double box = 0, plot = 0, drawingSegment = 0;
};

RunCost TimedRun(TForm1& form, RunOutlets& boxes, const ClockSource& clock) {
    std::vector<double> boxTimes, plotTimes;
    TimedOutlets outlets(boxes, boxTimes);
    TimedSurface surface(form.Surface(), plotTimes);
    const RadioGroupSettings settings(*form.RadioGroup1, *form.RadioGroup2);
    const HeldDisplays held(*form.Edit1, *form.Edit2, form.Surface());  // as the window runs
    RunTrials(settings, outlets, surface, clock, 623, 610);
    return {Mean(boxTimes), Mean(plotTimes), Median(surface.DrawingSegments())};
}

void Report(const char* what, const std::vector<double>& values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("%-38s median of runs %7.2f us  (runs %.2f .. %.2f)\n", what, Median(values), *low,
                *high);
}

void ReportPercent(const char* what, const std::vector<double>& ratios) {
    std::vector<double> percent;
    for (double r : ratios) percent.push_back(r * 100);
    const auto [low, high] = std::minmax_element(percent.begin(), percent.end());
    std::printf("%-38s median of runs %7.0f %%  (runs %.0f .. %.0f)\n", what, Median(percent), *low,
                *high);
}

}  // namespace
}  // namespace morvanta

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace morvanta;
    const int rounds = __argc > 1 ? std::max(5, _wtoi(__wargv[1])) : 5;
    const FixedClock clock = FixedClock::ForSeed(0);
    TForm1::RegisterClasses(instance);
    TForm1 form(instance, clock);
    form.Show(SW_SHOWNORMAL);
    BoxOutlets drawn(*form.Edit1, *form.Edit2, form.Memo1);
    EditTextOutlets edits(form);
    std::vector<double> drawnBox, drawnPlot, drawingSegments, editBox, editPlot, ratios,
        drawingRatios;
    for (int round = 0; round < rounds; ++round) {  // the two kinds of box in turn
        const RunCost own = TimedRun(form, drawn, clock);
        const RunCost edit = TimedRun(form, edits, clock);
        drawnBox.push_back(own.box);
        drawnPlot.push_back(own.plot);
        drawingSegments.push_back(own.drawingSegment);
        editBox.push_back(edit.box);
        editPlot.push_back(edit.plot);
        ratios.push_back(own.box / own.plot);
        drawingRatios.push_back(own.box / own.drawingSegment);
    }
    std::printf("10 trials of \"Start Point\" a run, seed 0, %d runs of each box, mean per step:\n",
                rounds);
    Report("number box drawn by the program", drawnBox);
    Report("plot segment (with that box)", drawnPlot);
    Report("  a segment that draws (median)", drawingSegments);
    Report("edit: SetWindowText + UpdateWindow", editBox);
    Report("plot segment (with the edit)", editPlot);
    ReportPercent("drawn box / plot segment", ratios);
    ReportPercent("drawn box / a segment that draws", drawingRatios);
    std::fflush(stdout);
    return 0;
}
