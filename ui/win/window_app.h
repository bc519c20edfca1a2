#pragma once

#include <windows.h>

#include "core/clock_source.h"

namespace morvanta {

// Opens the window with runs seeded from the clock and runs the message loop until the
// window closes. Returns the process's exit status.
int RunWindow(HINSTANCE instance, const ClockSource& clock, int showCommand);

}  // namespace morvanta
