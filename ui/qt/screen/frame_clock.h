#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

class QWidget;

namespace morvanta {

// Which refresh of the display it is now: a count that goes up by one each time the display
// can show a new frame. What is drawn faster than that shows nothing more.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual std::int64_t Refresh() const = 0;
};

// The refreshes of a display that reports `reportedRate` a second (60 where it reports none,
// 0 or less), counted from the clock's epoch to `now`: whole refreshes, rounded down.
std::int64_t RefreshAt(std::chrono::nanoseconds now, double reportedRate);

// The refreshes of the screen a window is on, counted on the monotonic clock at the rate the
// screen reports (screen_frame_clock.cpp; the window tests link a clock of their own instead).
std::unique_ptr<FrameClock> ScreenFrameClock(const QWidget& window);

}  // namespace morvanta
