#pragma once

// The window's frame clock in the tests that link stepped_frames.cpp (in place of the
// screen's own, ui/qt/screen/screen_frame_clock.cpp): the display's refreshes come when the
// test says, never with time, and the test sees each time a window asks which refresh it
// is, which a run does at every change it hands to the screen (every step's number).

#include <functional>

namespace morvanta::testkit {

// The display can show a new frame.
void NextRefresh();
// Called each time a window asks which refresh it is (nothing when empty); what it raises
// reaches the part that changed.
void WhenRefreshAsked(std::function<void()> watcher);

}  // namespace morvanta::testkit
