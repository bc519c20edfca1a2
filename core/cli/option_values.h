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

template <class Number>
std::optional<Number> NumberOf(std::string_view word) {
    if constexpr (std::is_floating_point_v<Number>) {
        return DoubleOf(word);
    } else {
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
