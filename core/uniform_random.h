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

// The process's one pseudo-random source: a 32-bit linear congruential generator whose
// whole state is its output.
struct UniformRandom {
    std::uint32_t seed = 0;
};

inline constexpr std::uint32_t RandomMultiplier = 134775813;  // 0x08088405
inline constexpr std::uint32_t RandomIncrement = 1;

// The process-wide instance that SeedFromClock and NextUniform work on.
UniformRandom& ProcessRandom();

// Milliseconds since UTC midnight of the reading (0 .. 86,399,999).
std::uint32_t MillisecondsOfDay(const TimeOfDay& time);

// Seeds the process-wide source from the clock's time of day; the date plays no part.
void SeedFromClock(const ClockSource& clock);

// The next number in [0, 1): the new seed times 2^-32.
double NextUniform();

}  // namespace morvanta
