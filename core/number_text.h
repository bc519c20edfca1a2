#pragma once

// Doubles as text, the same bytes on every platform: where the standard library has the
// floating-point std::to_chars and std::from_chars these are they, elsewhere (libc++ before
// 17, as in the browser build) the program's own equivalent.

#include <optional>
#include <string>
#include <string_view>

namespace morvanta {

// The shortest decimal text that reads back as the same double, as std::to_chars(first,
// last, value) writes it: plain decimal or scientific ("1e+21"), whichever is shorter,
// plain on a tie.
std::string ShortestText(double value);

// The double a whole word spells, read as std::from_chars reads it (no leading space or
// "+", no trailing text, no hexadecimal); none when the word is not such a number or lies
// beyond the range of a double.
std::optional<double> DoubleOf(std::string_view word);

// The program's own versions of the two, built everywhere so that they are checked against
// the standard library's where it has them.
std::string OwnShortestText(double value);
std::optional<double> OwnDoubleOf(std::string_view word);

}  // namespace morvanta
