#include "ui/window_bindings.h"

#include <chrono>

namespace morvanta {

void EditOutlets::AppendLog(const std::string& line) {
    log_.appendPlainText(QString::fromStdString(line));
}

TimeOfDay SystemClock::NowUtc() const {
    using namespace std::chrono;
    // The system clock counts UTC without leap seconds, so days are whole multiples.
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    return TimeOfDayFromMilliseconds(sinceEpoch.count());
}

}  // namespace morvanta
