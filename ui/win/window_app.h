#pragma once

#include <windows.h>

#include <functional>

#include "core/clock_source.h"
#include "session/link_setup.h"

namespace morvanta {

class TForm1;

// Called after each message the loop handled: where tests watch the window from inside.
using AfterMessage = std::function<void(const TForm1& form)>;

// Opens the window with runs seeded from the clock, set up as the command line asked if it
// did, and runs the message loop until the window closes. Returns the process's exit status.
int RunWindow(HINSTANCE instance, const ClockSource& clock, int showCommand,
              const AfterMessage& afterMessage = {}, const LinkSetup* setup = nullptr);

}  // namespace morvanta
