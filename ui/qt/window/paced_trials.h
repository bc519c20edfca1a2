#pragma once

#include "core/driver/run_driver.h"

namespace morvanta {

// A run at a teacher's pace, steps a second (StepPace), so that a class can follow it. It
// waits in the event loop between steps, so the display keeps up; the user's input waits for
// the run's end as in a run at full pace, except Escape, which ends the run where it is (the
// log says so). Whether the run went to its end.
bool RunTrialsAtPace(int stepsPerSecond, const RunSettings& settings, RunOutlets& outlets,
                     PlotSurface& surface, const ClockSource& clock, int windowOuterWidth,
                     int windowOuterHeight, RunObserver& observer);

}  // namespace morvanta
