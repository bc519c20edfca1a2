#pragma once

#include <windows.h>

#include <deque>

#include "core/driver/run_driver.h"
#include "ui/win/window_bindings.h"

namespace morvanta {

// The keys pressed while a paced run lets the display's messages through: taken from the
// queue and kept, each with the keyboard's state as it was, to be handled in order once the
// run is over; an Escape is taken instead.
class HeldKeys {
public:
    // Takes the keys waiting in the queue; whether one of them was Escape.
    bool TakeWaiting();
    // The next key kept, the keyboard's state set back to its own; false when none is left.
    bool Next(MSG& message);
    void Clear() { kept_.clear(); }

private:
    struct Kept {
        MSG message;
        BYTE keyboard[256];
    };
    std::deque<Kept> kept_;
};

// A run at a teacher's pace, steps a second on the display's clock (StepPace), so that a
// class can follow it. Between steps it waits, letting the display's paints through; the
// user's input waits for the run's end as in a run at full pace, except Escape, which ends
// the run where it is (the log says so). Whether the run went to its end.
bool RunTrialsAtPace(int stepsPerSecond, const RunSettings& settings, RunOutlets& outlets,
                     PlotSurface& surface, const ClockSource& clock, int windowOuterWidth,
                     int windowOuterHeight, RunObserver& observer, HeldDisplays& displays,
                     HeldKeys& keys);

}  // namespace morvanta
