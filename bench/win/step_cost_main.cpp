// What a step costs in the window under this system: the number boxes against the plot's own
// drawing, each with its share of the frames the run sends (a frame a refresh of the display),
// timed around their calls in real runs of the window on the screen, the timer's own cost
// (measured in the same round) taken off each call. Runs of the window (plot and boxes, as a
// click on "Start" runs it) alternate with runs of the plot alone (the boxes silent, the
// frames still paced at each number). Prints per step the medians of the rounds and their
// spread.
//   wine step-cost.exe [ROUNDS]
#include <intrin.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/driver/run_driver.h"
#include "core/system_clock.h"
#include "ui/win/display_frames.h"
#include "ui/win/tform1.h"
#include "ui/win/window_bindings.h"

namespace morvanta {
namespace {

// The processor's time-stamp counter, in microseconds: a read costs a few nanoseconds, where
// the performance counter costs Wine a system call, more than a step's drawing.
double Now() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        const unsigned long long first = __rdtsc();
        Sleep(200);
        QueryPerformanceCounter(&end);
        const double microseconds =
            double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart);
        return double(__rdtsc() - first) / microseconds;
    }();
    return double(__rdtsc()) / ticksPerMicrosecond;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Time spent in calls, and how many.
struct Spent {
    double total = 0;
    long calls = 0;
    template <class Call>
    void Time(Call call) {
        const double start = Now();
        call();
        total += Now() - start;
        ++calls;
    }
    // Less the timer's own cost of each call.
    double Net(double timerCost) const { return total - timerCost * double(calls); }
};

class TimedPart : public FramePart {
public:
    TimedPart(FramePart& inner, Spent& spent) : inner_(inner), spent_(spent) {}
    void SendChanges() override {
        spent_.Time([&] { inner_.SendChanges(); });
    }

private:
    FramePart& inner_;
    Spent& spent_;
};

// The boxes' calls timed; with no boxes, the frames' clock is asked at each number as the
// boxes would. The first trial's number first sends the empty plot the run began with, a cost
// of the run, not of its steps.
class TimedOutlets : public RunOutlets {
public:
    TimedOutlets(RunOutlets* boxes, DisplayFrames& frames, Spent& spent)
        : boxes_(boxes), frames_(frames), spent_(spent) {}
    void ShowTrialNumber(int n) override {
        if (!started) {
            frames_.Send();
            for (Spent* spent : framesSpent) *spent = Spent{};
        }
        started = true;
        spent_.Time([&] { boxes_ ? boxes_->ShowTrialNumber(n) : frames_.Tick(); });
    }
    void ShowStepNumber(int n) override {
        ++steps;
        spent_.Time([&] { boxes_ ? boxes_->ShowStepNumber(n) : frames_.Tick(); });
    }
    void AppendLog(const std::string& line) override {
        if (boxes_) boxes_->AppendLog(line);
    }
    long steps = 0;
    bool started = false;
    std::vector<Spent*> framesSpent;  // forget the empty plot's frame

private:
    RunOutlets* boxes_;
    DisplayFrames& frames_;
    Spent& spent_;
};

// The window's plot, its drawing timed once the first trial has started.
class TimedSurface : public PlotSurface {
public:
    TimedSurface(PlotSurface& inner, const TimedOutlets& run, Spent& spent)
        : inner_(inner), run_(run), spent_(spent) {}
    void SetPenColor(Color color) override { inner_.SetPenColor(color); }
    void SetBrushColor(Color color) override { inner_.SetBrushColor(color); }
    void SetFont(const std::string& face, int points, Color color) override {
        inner_.SetFont(face, points, color);
    }
    void MoveTo(int x, int y) override { inner_.MoveTo(x, y); }
    void LineTo(int x, int y) override {
        Timed([&] { inner_.LineTo(x, y); });
    }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        Timed([&] { inner_.Rectangle(x1, y1, x2, y2); });
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Timed([&] { inner_.Ellipse(x1, y1, x2, y2); });
    }
    void TextOut(int x, int y, const std::string& text) override { inner_.TextOut(x, y, text); }

private:
    template <class Call>
    void Timed(Call call) {
        if (run_.started)
            spent_.Time(call);
        else
            call();
    }
    PlotSurface& inner_;
    const TimedOutlets& run_;
    Spent& spent_;
};

// Per step, microseconds.
struct RunCost {
    double boxes = 0, plot = 0, clock = 0;
    long steps = 0, frames = 0;
};

RunCost TimedRun(TForm1& form, bool withBoxes, const ClockSource& clock, double timerCost) {
    Spent boxCalls, plotCalls, boxFrames, plotFrames;
    TimedPart plot(form.Surface(), plotFrames), trial(*form.Edit1, boxFrames),
        step(*form.Edit2, boxFrames);
    DisplayFrames frames({&plot, &trial, &step});
    frames.SetRefreshRate(DisplayFrames::RefreshRate(form.Handle()));
    form.Edit1->Hold(frames);
    form.Edit2->Hold(frames);
    form.Surface().Hold();
    BoxOutlets boxes(*form.Edit1, *form.Edit2, form.Memo1);
    TimedOutlets outlets(withBoxes ? &boxes : nullptr, frames, boxCalls);
    outlets.framesSpent = {&boxFrames, &plotFrames};
    TimedSurface surface(form.Surface(), outlets, plotCalls);
    const RadioGroupSettings settings(*form.RadioGroup1, *form.RadioGroup2);
    RunTrials(settings, outlets, surface, clock, 623, 610);
    // Every frame so far was sent from a number's call; the last one as the run returns.
    const double sentInNumbers = boxFrames.total + plotFrames.total;
    frames.Send();
    form.Surface().Release();
    form.Edit1->Release();
    form.Edit2->Release();
    const double steps = double(std::max(outlets.steps, 1L));
    const double numbers = boxCalls.Net(timerCost) - sentInNumbers;
    return {(numbers + boxFrames.Net(timerCost)) / steps,
            (plotCalls.Net(timerCost) + plotFrames.Net(timerCost)) / steps, numbers / steps,
            outlets.steps, plotFrames.calls};
}

// What timing an empty call costs, microseconds: the least of 20 batches' means, a batch
// that the system interrupted left out.
double TimerCost() {
    double least = 1e9;
    for (int batch = 0; batch < 20; ++batch) {
        Spent empty;
        for (int i = 0; i < 1000; ++i) empty.Time([] {});
        least = std::min(least, empty.total / double(empty.calls));
    }
    return least;
}

void Report(const char* what, const std::vector<double>& values, const char* unit) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("%-48s %8.4f %s  (rounds %.4f .. %.4f)\n", what, Median(values), unit, *low, *high);
}

}  // namespace
}  // namespace morvanta

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace morvanta;
    const int rounds = __argc > 1 ? std::max(5, _wtoi(__wargv[1])) : 5;
    const FixedClock clock = FixedClock::ForSeed(0);
    TForm1::RegisterClasses(instance);
    TForm1 form(instance, clock);
    form.RadioGroup1->Select(HundredTrialsItem);
    form.RadioGroup2->Select(2);  // "Comp Mild"
    form.Show(SW_SHOWNORMAL);
    std::vector<double> timer, boxes, plot, plotAlone, clockLooks, ratio, ratioAlone, steps, frames;
    for (int round = 0; round < rounds; ++round) {  // the window and the plot alone in turn
        const double timerCost = TimerCost();
        const RunCost window = TimedRun(form, true, clock, timerCost);
        const RunCost alone = TimedRun(form, false, clock, timerCost);
        timer.push_back(timerCost);
        boxes.push_back(window.boxes);
        plot.push_back(window.plot);
        plotAlone.push_back(alone.plot);
        clockLooks.push_back(alone.clock);
        ratio.push_back(window.boxes / window.plot);
        ratioAlone.push_back(window.boxes / alone.plot);
        steps.push_back(double(window.steps));
        frames.push_back(double(window.frames));
    }
    HDC screen = GetDC(form.Handle());
    const int reported = GetDeviceCaps(screen, VREFRESH);
    ReleaseDC(form.Handle(), screen);
    std::printf(
        "100 trials of \"Comp Mild\" a run, seed 0, %d rounds, %d refreshes a second "
        "(VREFRESH %d); per step:\n",
        rounds, DisplayFrames::RefreshRate(form.Handle()), reported);
    Report("number boxes, with their frames' share", boxes, "us");
    Report("plot's drawing, with its frames' share", plot, "us");
    Report("number boxes / plot's drawing", ratio, "x ");
    Report("plot's drawing, runs of the plot alone", plotAlone, "us");
    Report("number boxes / plot's drawing in the next run", ratioAlone, "x ");
    Report("frames' clock alone (in the boxes' figure)", clockLooks, "us");
    Report("the timer, taken off each timed call", timer, "us");
    Report("steps a run", steps, "  ");
    Report("frames a run", frames, "  ");
    std::fflush(stdout);
    return 0;
}
