// Memory over a long session: consecutive 100-trial runs through the window's own "Start"
// handler, the four scenarios in turn, each run seeded one millisecond later than the one
// before. Prints the resident memory once the first runs have warmed every cache, after the
// last run, and the growth between the two, with the number of lines the log then holds
// (the log keeps one line a run, so it grows with them by design):
//   soak [RUNS]   (default 300, at least 10)
//   -> rss_run10_kb=... rss_run300_kb=... growth_kb=... log_lines=... total_s=...
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another; progress goes to
// stderr every 50 runs.

#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/support/clocks.h"
#include "ui/qt/app/application.h"
#include "ui/qt/app/platform_choice.h"
#include "ui/qt/window/tform1.h"

namespace {

constexpr int DefaultRuns = 300;
constexpr int WarmRuns = 10;

// VmRSS from /proc/self/status, in kB, or -1 if it cannot be read.
long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc >= 2 ? std::atoi(argv[1]) : DefaultRuns;
    if (runs < WarmRuns) {
        std::fprintf(stderr, "usage: %s [RUNS]   (RUNS at least %d, default %d)\n", argv[0],
                     WarmRuns, DefaultRuns);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    morvanta::PrepareToolkitEnvironment();

    morvanta::Application application(argc, argv);
    morvanta::TForm1 Form1;
    Form1.show();
    while (!Form1.windowHandle() || !Form1.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();

    const morvanta::testkit::AdvancingClock clock(43200000);
    Form1.SetClock(clock);
    Form1.RadioGroup1->SetItemIndex(morvanta::HundredTrialsItem);

    long warmKb = -1;
    const auto start = std::chrono::steady_clock::now();
    for (int run = 1; run <= runs; ++run) {
        Form1.RadioGroup2->SetItemIndex((run - 1) % morvanta::ScenarioCount);
        Form1.BitBtn1Click();
        // What the event loop does between two clicks: pending paints, deferred deletes.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (run == WarmRuns) warmKb = ResidentKilobytes();
        if (run % 50 == 0) std::fprintf(stderr, "run=%d rss_kb=%ld\n", run, ResidentKilobytes());
    }
    const long lastKb = ResidentKilobytes();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("rss_run%d_kb=%ld rss_run%d_kb=%ld growth_kb=%ld log_lines=%d total_s=%.1f\n",
                WarmRuns, warmKb, runs, lastKb, lastKb - warmKb,
                Form1.Memo1->document()->blockCount(), elapsed.count());
    return warmKb < 0 || lastKb < 0 ? 1 : 0;
}
