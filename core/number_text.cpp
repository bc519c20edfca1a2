#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

// The standard library says whether it has floating-point to_chars through this macro (C++17
// value 201611) only when it has the whole of <charconv>.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define MORVANTA_HAS_FLOAT_CHARCONV 1
#else
#define MORVANTA_HAS_FLOAT_CHARCONV 0
#endif

namespace morvanta {

namespace {

// The C library's correctly rounded conversions; the program never changes the "C" locale.
constexpr int MostSignificantDigits = 17;

double ReadBack(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// The significant digits and the decimal exponent of the shortest text that reads back as
// the finite, positive value: value = 0.digits x 10^(exponent + 1).
struct Decimal {
    std::string digits;
    int exponent = 0;  // of the first digit
};

Decimal ShortestDecimal(double value) {
    std::array<char, 40> buffer{};
    for (int precision = 1;; ++precision) {
        std::snprintf(buffer.data(), buffer.size(), "%.*e", precision - 1, value);
        const std::string text(buffer.data());
        if (precision < MostSignificantDigits && ReadBack(text) != value) continue;
        Decimal decimal;
        const std::size_t e = text.find('e');
        for (std::size_t i = 0; i < e; ++i)
            if (text[i] != '.') decimal.digits += text[i];
        decimal.exponent = std::atoi(text.c_str() + e + 1);
        while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
        return decimal;
    }
}

std::string Scientific(const Decimal& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {  // appended in two: GCC 12's -Wrestrict misreads "." + string
        text += '.';
        text.append(d.digits, 1);
    }
    const int magnitude = std::abs(d.exponent);
    text += d.exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) text += '0';
    return text + std::to_string(magnitude);
}

std::string Plain(const Decimal& d, double value) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    if (d.exponent + 1 >= count) {
        // An integer longer than its significant digits is written with all its digits exact,
        // as printf's %f writes it.
        std::array<char, 400> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%.0f", value);
        return buffer.data();
    }
    const auto point = static_cast<std::size_t>(d.exponent + 1);
    return d.digits.substr(0, point) + "." + d.digits.substr(point);
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool SameLetters(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((text[i] | 0x20) != lower[i]) return false;
    return true;
}

// Whether the text is what from_chars reads as a whole: digits with an optional point and
// an optional exponent, or inf, infinity or nan.
bool IsDecimalNumber(std::string_view text) {
    if (SameLetters(text, "inf") || SameLetters(text, "infinity") || SameLetters(text, "nan"))
        return true;
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    if (e != std::string_view::npos) {
        std::string_view exponent = text.substr(e + 1);
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-'))
            exponent.remove_prefix(1);
        if (!AllDigits(exponent)) return false;
    }
    const std::size_t point = mantissa.find('.');
    if (point == std::string_view::npos) return AllDigits(mantissa);
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction = mantissa.substr(point + 1);
    return (whole.empty() || AllDigits(whole)) && (fraction.empty() || AllDigits(fraction)) &&
           !(whole.empty() && fraction.empty());
}

}  // namespace

std::string OwnShortestText(double value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return sign + "inf";
    if (value == 0.0) return sign + "0";
    const Decimal decimal = ShortestDecimal(std::fabs(value));
    const std::string plain = Plain(decimal, std::fabs(value));
    const std::string scientific = Scientific(decimal);
    return sign + (plain.size() <= scientific.size() ? plain : scientific);
}

std::optional<double> OwnDoubleOf(std::string_view word) {
    std::string_view body = word;
    if (!body.empty() && body[0] == '-') body.remove_prefix(1);
    if (!IsDecimalNumber(body)) return std::nullopt;
    const double value = ReadBack(std::string(word));
    // from_chars refuses what overflows or underflows to zero.
    if (std::isinf(value) && !(body[0] == 'i' || body[0] == 'I')) return std::nullopt;
    if (value == 0.0 && body.find_first_of("123456789") < body.find_first_of("eE"))
        return std::nullopt;
    return value;
}

#if MORVANTA_HAS_FLOAT_CHARCONV

std::string ShortestText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> DoubleOf(std::string_view word) {
    double value = 0.0;
    if (word.empty()) return std::nullopt;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size()) return std::nullopt;
    return value;
}

#else

std::string ShortestText(double value) { return OwnShortestText(value); }
std::optional<double> DoubleOf(std::string_view word) { return OwnDoubleOf(word); }

#endif

}  // namespace morvanta
