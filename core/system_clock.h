#pragma once

#include <cstdint>

#include "core/clock_source.h"

namespace morvanta {

// The system clock's UTC time of day: what seeds the window's runs.
class SystemClock : public ClockSource {
public:
    TimeOfDay NowUtc() const override;
};

// Always the same reading: what seeds a run given its seed (the batch mode, tests).
class FixedClock : public ClockSource {
public:
    explicit FixedClock(TimeOfDay time) : time_(time) {}
    // The reading whose milliseconds since midnight are the given seed.
    static FixedClock ForSeed(std::uint32_t seed) {
        return FixedClock(TimeOfDayFromMilliseconds(seed));
    }
    TimeOfDay NowUtc() const override { return time_; }

private:
    TimeOfDay time_;
};

}  // namespace morvanta
