#include "core/system_clock.h"

#include <chrono>

namespace morvanta {

TimeOfDay SystemClock::NowUtc() const {
    using namespace std::chrono;
    // The system clock counts UTC without leap seconds, so days are whole multiples.
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    return TimeOfDayFromMilliseconds(sinceEpoch.count());
}

}  // namespace morvanta
