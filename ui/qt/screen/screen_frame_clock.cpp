// The program's own frame clock, alone in this file so that a test can link another in its
// place.

#include <QScreen>
#include <QWidget>

#include "ui/qt/screen/frame_clock.h"

namespace morvanta {
namespace {

class ScreenRefreshClock : public FrameClock {
public:
    explicit ScreenRefreshClock(const QWidget& window) : window_(window) {}
    std::int64_t Refresh() const override {
        const QScreen* screen = window_.screen();
        return RefreshAt(std::chrono::steady_clock::now().time_since_epoch(),
                         screen != nullptr ? screen->refreshRate() : 0);
    }

private:
    const QWidget& window_;
};

}  // namespace

std::unique_ptr<FrameClock> ScreenFrameClock(const QWidget& window) {
    return std::make_unique<ScreenRefreshClock>(window);
}

}  // namespace morvanta
