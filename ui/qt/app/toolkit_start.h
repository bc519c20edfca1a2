#pragma once

namespace morvanta {

// Start-up on a display the window cannot use. Left to itself the toolkit aborts, with a
// core file, when it cannot open the display, and shows a black window that crashes on a
// screen without true colour; the program instead says why in one line on the standard
// error stream and ends with status 1.

// Call before the application object is made: from then until ToolkitStartedOnUsableScreen,
// the toolkit failing to reach the window system ends the program as above, and the
// toolkit's messages are held back so that such a failure prints nothing else.
void WatchToolkitStart();

// Call once the application object is made: writes the held messages and tells whether the
// screen can show the window (on X11, 15 or more bits of colour); when not, says so.
bool ToolkitStartedOnUsableScreen();

// Call before anything else of the toolkit's in the window's start: when no thread can be
// started (a process limit, too little address space for a thread's stack), says so and
// returns false. The toolkit would start its D-Bus thread and wait for it for ever.
bool ThreadsCanStart();

// For a run without a window: the toolkit's messages are dropped, and a fatal one, or an
// error that escapes where nothing can catch it (memory running out inside the toolkit),
// ends the program with one line on the standard error stream and status 1.
void QuietToolkitForBatch();

}  // namespace morvanta
