#pragma once

// Clocks for tests and benchmarks: a fixed reading, and one that moves on at every reading.

#include <cstdint>

#include "core/clock_source.h"

namespace morvanta::testkit {

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
