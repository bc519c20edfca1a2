#include "core/clock_source.h"

namespace morvanta {

std::uint32_t MillisecondsOfDay(const TimeOfDay& time) {
    const auto seconds =
        static_cast<std::uint32_t>((time.hour * 60 + time.minute) * 60 + time.second);
    return seconds * 1000U + static_cast<std::uint32_t>(time.millisecond);
}

TimeOfDay TimeOfDayFromMilliseconds(std::int64_t milliseconds) {
    // C++'s % keeps the sign of the dividend; the time of day never has one.
    std::int64_t ms = milliseconds % MillisecondsPerDay;
    if (ms < 0) ms += MillisecondsPerDay;
    const auto of = [ms](std::int64_t unit, std::int64_t count) {
        return static_cast<int>(ms / unit % count);
    };
    return {of(3'600'000, 24), of(60'000, 60), of(1'000, 60), of(1, 1'000)};
}

}  // namespace morvanta
