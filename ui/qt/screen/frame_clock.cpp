#include "ui/qt/screen/frame_clock.h"

namespace morvanta {
namespace {
constexpr double FallbackRefreshRate = 60;
}

std::int64_t RefreshAt(std::chrono::nanoseconds now, double reportedRate) {
    const double rate = reportedRate > 0 ? reportedRate : FallbackRefreshRate;
    const std::chrono::duration<double> seconds = now;
    return static_cast<std::int64_t>(seconds.count() * rate);
}

}  // namespace morvanta
