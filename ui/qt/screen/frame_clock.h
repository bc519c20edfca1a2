#pragma once

#include <cstdint>

class QWidget;

namespace morvanta {

// Which refresh of the display it is now: a count that goes up by one each time the display
// can show a new frame. What is drawn faster than that shows nothing more.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual std::int64_t Refresh() const = 0;
};

// The refreshes of the screen a window is on, counted on the monotonic clock at the rate the
// screen reports (60 a second where it reports none).
class ScreenRefreshClock : public FrameClock {
public:
    explicit ScreenRefreshClock(const QWidget& window) : window_(window) {}
    std::int64_t Refresh() const override;

private:
    const QWidget& window_;
};

}  // namespace morvanta
