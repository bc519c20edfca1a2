#pragma once

// Clocks for tests and benchmarks: the program's fixed reading, and one that moves on at
// every reading.

#include <cstdint>

#include "core/system_clock.h"

namespace morvanta::testkit {

using morvanta::FixedClock;

// Each reading is one millisecond after the one before: consecutive runs draw different
// trials, yet a whole session is the same on every replay.
class AdvancingClock : public ClockSource {
public:
    explicit AdvancingClock(std::int64_t startMs, std::int64_t stepMs = 1)
        : next_(startMs), step_(stepMs) {}
    TimeOfDay NowUtc() const override {
        const TimeOfDay now = TimeOfDayFromMilliseconds(next_);
        next_ += step_;
        return now;
    }

private:
    mutable std::int64_t next_;
    std::int64_t step_;
};

}  // namespace morvanta::testkit
