#include "ui/window_bindings.h"

#include <chrono>

namespace morvanta {

void EditOutlets::AppendLog(const std::string& line) {
    step_.SyncText();
    log_.appendPlainText(QString::fromStdString(line));
}

TimeOfDay SystemClock::NowUtc() const {
    using namespace std::chrono;
    // The system clock counts UTC without leap seconds, so days are whole multiples.
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const auto ms = static_cast<int>(sinceEpoch.count() % (24LL * 60 * 60 * 1000));
    return {ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
}

}  // namespace morvanta
