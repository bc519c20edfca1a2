#include "ui/qt/screen/frame_clock.h"

#include <QScreen>
#include <QWidget>
#include <chrono>

namespace morvanta {

namespace {
constexpr double FallbackRefreshRate = 60;
}

std::int64_t ScreenRefreshClock::Refresh() const {
    const QScreen* screen = window_.screen();
    const double rate = screen != nullptr && screen->refreshRate() > 0 ? screen->refreshRate()
                                                                       : FallbackRefreshRate;
    const std::chrono::duration<double> now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::int64_t>(now.count() * rate);
}

}  // namespace morvanta
