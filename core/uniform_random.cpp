#include "core/uniform_random.h"

namespace morvanta {

UniformRandom& ProcessRandom() {
    static UniformRandom random;
    return random;
}

void SeedFromClock(const ClockSource& clock) {
    ProcessRandom().seed = MillisecondsOfDay(clock.NowUtc());
}

double NextUniform() {
    constexpr double TwoToMinus32 = 1.0 / 4294967296.0;
    UniformRandom& random = ProcessRandom();
    // Unsigned arithmetic wraps modulo 2^32, which is the generator's modulus.
    random.seed = random.seed * RandomMultiplier + RandomIncrement;
    return static_cast<double>(random.seed) * TwoToMinus32;
}

}  // namespace morvanta
