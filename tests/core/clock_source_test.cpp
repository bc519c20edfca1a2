#include "core/clock_source.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace morvanta {
namespace {

// Milliseconds since 1970-01-01 00:00:00 UTC, as the system clock counts them.
constexpr std::int64_t Day = MillisecondsPerDay;

TEST(ClockSource, TimeOfDayOfAnyCountIsWithinTheDay) {
    struct Case {
        const char* when;
        std::int64_t sinceEpoch;
        std::uint32_t ofDay;
    };
    const Case cases[] = {
        {"1970-01-01 00:00:00.000", 0, 0},
        {"1970-01-01 23:59:59.999", Day - 1, 86'399'999},
        {"2026-12-08 12:00:00.000", 20'795 * Day + Day / 2, 43'200'000},
        {"1969-12-31 12:00:00.000", -Day / 2, 43'200'000},
        {"1969-12-31 23:59:59.999", -1, 86'399'999},
        {"1969-12-31 00:00:00.000", -Day, 0},
        {"1900-01-01 00:00:00.001", -25'567 * Day + 1, 1},
    };
    for (const Case& c : cases) {
        const TimeOfDay time = TimeOfDayFromMilliseconds(c.sinceEpoch);
        EXPECT_EQ(MillisecondsOfDay(time), c.ofDay) << c.when;
        EXPECT_TRUE(time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60 &&
                    time.second >= 0 && time.second < 60 && time.millisecond >= 0 &&
                    time.millisecond < 1000)
            << c.when;
    }
}

}  // namespace
}  // namespace morvanta
