#pragma once

#include <cstdint>

#include "core/clock_source.h"

namespace morvanta {

// The process's one pseudo-random source: a 32-bit linear congruential generator whose
// whole state is its output.
struct UniformRandom {
    std::uint32_t seed = 0;
};

inline constexpr std::uint32_t RandomMultiplier = 134775813;  // 0x08088405
inline constexpr std::uint32_t RandomIncrement = 1;

// The process-wide instance that SeedFromClock and NextUniform work on.
UniformRandom& ProcessRandom();

// Seeds the process-wide source from the clock's time of day; the date plays no part.
void SeedFromClock(const ClockSource& clock);

// The next number in [0, 1): the new seed times 2^-32.
double NextUniform();

}  // namespace morvanta
