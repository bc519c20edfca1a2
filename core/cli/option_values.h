#pragma once

// What the option parsers share: a number is the whole word or none (no leading space, sign
// or trailing text that a plain reading would stop at; doubles through DoubleOf), and the one
// scenario whose trials draw their own coefficients and start.

#include <charconv>
#include <optional>
#include <string_view>
#include <type_traits>

#include "core/number_text.h"

namespace morvanta {

// Minus zero ("-0", "-0.0", "-00") is read as zero, so that it is written back as "0".
template <class Number>
std::optional<Number> NumberOf(std::string_view word) {
    if constexpr (std::is_floating_point_v<Number>) {
        std::optional<double> value = DoubleOf(word);
        if (value && *value == 0.0) value = 0.0;
        return value;
    } else {
        if (word.size() > 1 && word[0] == '-' && word.find_first_not_of('0', 1) == word.npos)
            word.remove_prefix(1);
        Number value{};
        if (word.empty()) return std::nullopt;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc{} || end != word.data() + word.size()) return std::nullopt;
        return value;
    }
}

// The "Fixed" group's "Start Point": options that fix what its trials draw refuse it.
inline constexpr int StartPointItem = 0;

}  // namespace morvanta
