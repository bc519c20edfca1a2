#include "tests/ui/qt/stepped_frames.h"

#include <utility>

#include "ui/qt/screen/frame_clock.h"

namespace morvanta {
namespace {

std::int64_t refresh = 0;
std::function<void()> refreshAsked;

class SteppedFrameClock : public FrameClock {
public:
    std::int64_t Refresh() const override {
        // A copy: the watcher may give way to another while it runs.
        const std::function<void()> watcher = refreshAsked;
        if (watcher) watcher();
        return refresh;
    }
};

}  // namespace

std::unique_ptr<FrameClock> ScreenFrameClock(const QWidget&) {
    return std::make_unique<SteppedFrameClock>();
}

void testkit::NextRefresh() { ++refresh; }

void testkit::WhenRefreshAsked(std::function<void()> watcher) { refreshAsked = std::move(watcher); }

}  // namespace morvanta
