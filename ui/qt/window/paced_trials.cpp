#include "ui/qt/window/paced_trials.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "core/driver/step_pace.h"

namespace morvanta {
namespace {

// Holds the user's input from the windows while it is installed and hands it back, in order,
// when it goes; an Escape key is taken instead.
class InputHold : public QObject {
public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override {
        QCoreApplication::instance()->removeEventFilter(this);
        for (auto& [window, event] : held_)
            if (window) QCoreApplication::postEvent(window, event.release());
    }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    bool Escaped() const { return escaped_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Input reaches a window first, which hands it to its widgets: held there, it is
        // handed back to the same window as if it came now.
        if (!watched->isWindowType() || !IsInput(event->type())) return false;
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            escaped_ = true;
            return true;
        }
        held_.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
        return true;
    }

private:
    static bool IsInput(QEvent::Type type) {
        switch (type) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::ContextMenu:
                return true;
            default:
                return false;
        }
    }

    bool escaped_ = false;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

// Lets the event loop run until the time is due, or at once where it is past.
void WaitUntil(const QElapsedTimer& clock, std::chrono::nanoseconds due) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(
        due - std::chrono::nanoseconds(clock.nsecsElapsed()));
    QEventLoop loop;
    QTimer::singleShot(std::max<std::chrono::milliseconds::rep>(left.count(), 0), Qt::PreciseTimer,
                       &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

bool RunTrialsAtPace(int stepsPerSecond, const RunSettings& settings, RunOutlets& outlets,
                     PlotSurface& surface, const ClockSource& clock, int windowOuterWidth,
                     int windowOuterHeight, RunObserver& observer) {
    const InputHold hold;
    QElapsedTimer frameClock;
    frameClock.start();
    const auto now = [&] { return std::chrono::nanoseconds(frameClock.nsecsElapsed()); };
    SteppedRun run(settings, outlets, surface, clock, windowOuterWidth, windowOuterHeight,
                   &observer);
    StepPace pace(stepsPerSecond);
    pace.Start(now());
    // The longest wait for the next step: one step's share of a second.
    const std::chrono::nanoseconds interval = std::chrono::seconds(1) / std::max(stepsPerSecond, 1);
    while (!run.Over()) {
        if (hold.Escaped()) {
            run.EndEarly(EndedByEscapeLine);
            return false;
        }
        if (pace.MayStep(now()))
            run.Advance([&] { return !hold.Escaped() && pace.MayStep(now()); });
        else
            WaitUntil(frameClock, now() + interval);
    }
    return true;
}

}  // namespace morvanta
