// Doubles as text: the program's own shortest round-trip formatting and whole-word reading
// give the bytes the standard library gives where it has floating-point <charconv>, and the
// build without it (the browser's) uses them.

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace morvanta {
namespace {

struct Shortest {
    double value;
    const char* text;
};

// What std::to_chars writes on Linux today.
const Shortest ShortestTable[] = {
    {0.1, "0.1"},
    {1e-10, "1e-10"},
    {0.8729448993553466, "0.8729448993553466"},
    {1e21, "1e+21"},
    {5e-324, "5e-324"},
    {-0.25, "-0.25"},
    {-0.0, "-0"},
    {0.0, "0"},
    {1.0, "1"},
    {1e5, "1e+05"},
    {123456.0, "123456"},
    {0.0001, "1e-04"},
    {0.001, "0.001"},
    {1.2345678901234568e20, "123456789012345683968"},
    {1.7976931348623157e308, "1.7976931348623157e+308"},
    {0.3, "0.3"},
    {2.0 / 3.0, "0.6666666666666666"},
};

TEST(NumberText, ShortestTextIsWhatToCharsWrites) {
    for (const Shortest& row : ShortestTable) {
        EXPECT_EQ(ShortestText(row.value), row.text);
        EXPECT_EQ(OwnShortestText(row.value), row.text);
        EXPECT_EQ(DoubleOf(row.text), row.value) << row.text << " reads back";
        EXPECT_EQ(OwnDoubleOf(row.text), row.value) << row.text << " reads back";
    }
}

TEST(NumberText, WholeWordsOnly) {
    for (const char* word :
         {"", " 1", "+1", "1 ", "1x", ".", "e5", "1e", "0x10", "1e400", "1e-400", "--1"}) {
        EXPECT_EQ(DoubleOf(word), std::nullopt) << "'" << word << "'";
        EXPECT_EQ(OwnDoubleOf(word), std::nullopt) << "'" << word << "'";
    }
    for (const char* word : {"1.", ".5", "-3", "2E+2", "007"})
        EXPECT_EQ(OwnDoubleOf(word), DoubleOf(word)) << word;
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
// Where the standard library has them, the own versions agree with it over many doubles:
// densities and coefficients as a run makes them, and bit patterns of every magnitude.
TEST(NumberText, OwnAgreesWithTheStandardLibrary) {
    std::mt19937_64 bits(2026);
    std::uniform_real_distribution<double> density(0.0, 1.2);
    for (int i = 0; i < 20000; ++i) {
        double value = density(bits);
        if (i % 2 == 1) {
            const std::uint64_t pattern = bits();
            std::memcpy(&value, &pattern, sizeof value);
            if (!std::isfinite(value)) continue;
        }
        std::array<char, 400> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
        const std::string expected(buffer.data(), end);
        ASSERT_EQ(OwnShortestText(value), expected);
        ASSERT_EQ(OwnDoubleOf(expected), value) << expected;
    }
}
#endif

}  // namespace
}  // namespace morvanta
