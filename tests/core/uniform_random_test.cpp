#include "core/uniform_random.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/clocks.h"

namespace morvanta {
namespace {

using testkit::FixedClock;

constexpr double TwoToMinus32 = 1.0 / 4294967296.0;

TEST(UniformRandom, FirstDrawsFromSeedZero) {
    SeedFromClock(FixedClock({0, 0, 0, 0}));
    EXPECT_EQ(ProcessRandom().seed, 0U);
    EXPECT_EQ(NextUniform(), TwoToMinus32);
    EXPECT_EQ(ProcessRandom().seed, 1U);
    EXPECT_EQ(NextUniform(), 134775814.0 * TwoToMinus32);
}

TEST(UniformRandom, ProductWrapsAtThirtyTwoBits) {
    ProcessRandom().seed = 0xFFFFFFFFU;
    // (2^32 - 1) * 134775813 + 1 = -134775813 + 1 modulo 2^32.
    const double drawn = NextUniform();
    EXPECT_EQ(ProcessRandom().seed, 4294967296ULL - 134775812ULL);
    EXPECT_DOUBLE_EQ(drawn, static_cast<double>(4294967296ULL - 134775812ULL) * TwoToMinus32);
    EXPECT_LT(drawn, 1.0);
}

TEST(UniformRandom, SeedIsMillisecondsSinceUtcMidnight) {
    struct Case {
        TimeOfDay time;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, 0U},
        {{0, 0, 0, 1}, 1U},
        {{0, 0, 1, 0}, 1000U},
        {{0, 1, 0, 0}, 60000U},
        {{1, 0, 0, 0}, 3600000U},
        {{12, 0, 0, 0}, 43200000U},
        {{23, 59, 59, 999}, 86399999U},
    };
    for (const Case& c : cases) {
        SeedFromClock(FixedClock(c.time));
        EXPECT_EQ(ProcessRandom().seed, c.seed) << c.time.hour << ':' << c.time.minute << ':'
                                                << c.time.second << '.' << c.time.millisecond;
    }
}

TEST(UniformRandom, SameMillisecondDrawsTheSameNumbers) {
    const FixedClock clock({9, 41, 7, 512});
    SeedFromClock(clock);
    const double a1 = NextUniform();
    const double a2 = NextUniform();
    NextUniform();
    SeedFromClock(clock);
    EXPECT_EQ(NextUniform(), a1);
    EXPECT_EQ(NextUniform(), a2);
}

TEST(UniformRandom, TheLargestSeedDrawsJustBelowOne) {
    // 1298181734 * 134775813 + 1 = 2^32 - 1 modulo 2^32: the largest state there is, which
    // scaled by 2^-32 stays below one (scaled by 1 / (2^32 - 1) it would be one).
    ProcessRandom().seed = 1298181734U;
    const double drawn = NextUniform();
    EXPECT_EQ(ProcessRandom().seed, 0xFFFFFFFFU);
    EXPECT_EQ(drawn, 4294967295.0 * TwoToMinus32);
    EXPECT_LT(drawn, 1.0);
}

}  // namespace
}  // namespace morvanta
