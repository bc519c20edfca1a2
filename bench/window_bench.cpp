// The real window, with its real bindings, on a real display.
//   window_bench run SCENARIO [TRIALS-ITEM]
//                               a 100-trial run (or another "Trials" item) from a fixed
//                               clock; SCENARIO is startpoint, compsevere, compmild,
//                               reversed or 0..3: us_per_step=... bytes_per_step=...
//                               The clock stops after a round trip to the X server, so the
//                               server has done all the drawing; the bytes are what the
//                               process wrote (to the X server: it writes nothing else) over
//                               the run.
//   window_bench startup        process start to the window's first frame: startup_ms=...
// The start-up mode builds the program exactly as main() does, so it measures the same work.

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "bench/process_clock.h"
#include "bench/process_io.h"
#include "tests/support/recording_fakes.h"
#include "ui/qt/app/application.h"
#include "ui/qt/app/platform_choice.h"
#include "ui/qt/widgets/plot_image.h"
#include "ui/qt/window/tform1.h"

namespace {

int ScenarioItem(const char* name) {
    const char* names[] = {"startpoint", "compsevere", "compmild", "reversed"};
    for (int item = 0; item < 4; ++item)
        if (std::strcmp(name, names[item]) == 0) return item;
    return std::atoi(name);
}

void WaitUntilExposed(morvanta::TForm1& form) {
    while (!form.windowHandle() || !form.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
}

// Waits until the display server has carried out every request sent so far.
void RoundTrip() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection != nullptr)
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Counts the steps of a run.
class StepCounter : public morvanta::RunOutlets {
public:
    void ShowTrialNumber(int) override {}
    void ShowStepNumber(int) override { ++steps; }
    void AppendLog(const std::string&) override {}
    long steps = 0;
};

int MeasureRun(morvanta::TForm1& form, int scenario, int trialsItem) {
    const auto clock = morvanta::testkit::FixedClock::ForSeed(43200000);
    form.SetClock(clock);
    form.RadioGroup1->SetItemIndex(trialsItem);
    form.RadioGroup2->SetItemIndex(scenario);
    // The same run without a window, for its number of steps.
    StepCounter counter;
    morvanta::PlotImage image;
    morvanta::RunTrials(morvanta::testkit::FixedSettings(trialsItem, scenario), counter, image,
                        clock, 0, 0);
    const long steps = counter.steps;
    RoundTrip();
    const long long bytesBefore = morvanta::bench::BytesWritten();
    const auto start = std::chrono::steady_clock::now();
    form.BitBtn1Click();
    RoundTrip();
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    const long long bytes = morvanta::bench::BytesWritten() - bytesBefore;
    std::printf(
        "platform=%s scenario=%d steps=%ld total_s=%.3f us_per_step=%.2f "
        "bytes_per_step=%.1f\n",
        qPrintable(QGuiApplication::platformName()), scenario, steps, elapsed.count() / 1e6,
        elapsed.count() / static_cast<double>(steps),
        static_cast<double>(bytes) / static_cast<double>(steps));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool startup = argc >= 2 && std::strcmp(argv[1], "startup") == 0;
    const bool run = argc >= 3 && std::strcmp(argv[1], "run") == 0;
    if (!startup && !run) {
        std::fprintf(stderr, "usage: %s run SCENARIO | startup\n", argv[0]);
        return 2;
    }
    morvanta::PrepareToolkitEnvironment();
    morvanta::Application application(argc, argv);
    morvanta::TForm1 Form1;
    Form1.show();
    if (startup) {
        // The first frame is on the screen once the window is exposed, the event that painted
        // it has been handled and the X server has carried out what the paint sent (as
        // minimal_qt does).
        WaitUntilExposed(Form1);
        RoundTrip();
        std::printf("startup_ms=%.1f\n", morvanta::bench::MillisecondsSinceProcessStart());
        return 0;
    }
    WaitUntilExposed(Form1);
    return MeasureRun(Form1, ScenarioItem(argv[2]),
                      argc >= 4 ? std::atoi(argv[3]) : morvanta::HundredTrialsItem);
}
