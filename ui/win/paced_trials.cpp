#include "ui/win/paced_trials.h"

#include <algorithm>
#include <chrono>

#include "core/driver/step_pace.h"

namespace morvanta {
namespace {

// Paints a wait lets through at most: a window that never stops asking cannot hold the run.
constexpr int MaxPaintsAWait = 16;

// Waits until the time has passed or a key or a paint comes, and lets the paints through.
void Wait(std::chrono::nanoseconds time, HeldDisplays& displays) {
    const auto ms =
        std::max<long long>(1, std::chrono::ceil<std::chrono::milliseconds>(time).count());
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(ms),
                                QS_KEY | QS_PAINT | QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    MSG message;
    bool painted = false;
    for (int i = 0;
         i < MaxPaintsAWait && PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
         ++i) {
        DispatchMessageW(&message);
        painted = true;
    }
    if (painted) displays.BoxesPainted();
}

}  // namespace

bool HeldKeys::TakeWaiting() {
    bool escape = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            escape = true;
            continue;
        }
        Kept& kept = kept_.emplace_back();
        kept.message = message;
        GetKeyboardState(kept.keyboard);
    }
    return escape;
}

bool HeldKeys::Next(MSG& message) {
    if (kept_.empty()) return false;
    message = kept_.front().message;
    SetKeyboardState(kept_.front().keyboard);
    kept_.pop_front();
    return true;
}

bool RunTrialsAtPace(int stepsPerSecond, const RunSettings& settings, RunOutlets& outlets,
                     PlotSurface& surface, const ClockSource& clock, int windowOuterWidth,
                     int windowOuterHeight, RunObserver& observer, HeldDisplays& displays,
                     HeldKeys& keys) {
    SteppedRun run(settings, outlets, surface, clock, windowOuterWidth, windowOuterHeight,
                   &observer);
    StepPace pace(stepsPerSecond);
    pace.Start(DisplayFrames::Now());
    // The longest wait for the next step: one step's share of a second.
    const std::chrono::nanoseconds interval = std::chrono::seconds(1) / std::max(stepsPerSecond, 1);
    while (!run.Over()) {
        if (keys.TakeWaiting()) {
            run.EndEarly(EndedByEscapeLine);
            return false;
        }
        if (pace.MayStep(DisplayFrames::Now())) {
            run.Advance([&] { return pace.MayStep(DisplayFrames::Now()); });
        } else {
            // The last step on the screen while the run waits, the boxes' texts with it.
            if (displays.Frames().Look()) displays.SyncTexts();
            Wait(interval, displays);
        }
    }
    return true;
}

}  // namespace morvanta
