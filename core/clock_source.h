#pragma once

#include <cstdint>

namespace morvanta {

// The UTC time of day, to the millisecond.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Where the time of day that seeds a run comes from: the system clock in the program, a
// fixed reading in tests.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual TimeOfDay NowUtc() const = 0;
};

inline constexpr std::int64_t MillisecondsPerDay = 24LL * 60 * 60 * 1000;

// Milliseconds since UTC midnight of the reading (0 .. 86,399,999).
std::uint32_t MillisecondsOfDay(const TimeOfDay& time);

// The time of day of a count of milliseconds since any UTC midnight, the epoch among them.
// Counts before that midnight (clocks before 1970) fall on the day before it: the time of day
// is always 00:00:00.000 .. 23:59:59.999.
TimeOfDay TimeOfDayFromMilliseconds(std::int64_t milliseconds);

}  // namespace morvanta
