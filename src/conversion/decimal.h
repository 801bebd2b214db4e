#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace radixon {

// The 96-bit decimal value the calculator works with: a sign, an unsigned
// 96-bit integer and a power-of-ten scale. value = (-1)^negative * mantissa / 10^scale.
struct Decimal {
    static constexpr int maxScale = 28;
    // 2^96 - 1
    static constexpr std::string_view maxMagnitude = "79228162514264337593543950335";

    std::uint32_t lo = 0;
    std::uint32_t mid = 0;
    std::uint32_t hi = 0;
    std::uint8_t scale = 0;
    bool negative = false;

    bool isZero() const { return lo == 0 && mid == 0 && hi == 0; }
};

// Builds a value from a whole number (scale 0).
Decimal decimalFromInteger(std::uint64_t magnitude, bool negative = false);

// Reads the text the user typed: optional surrounding spaces or tabs, an optional
// sign, digits and an optional fraction after `decimalSeparator` (the user's locale
// separator, UTF-8; no other separator is taken). Either side of the separator may
// be empty (".5", "5."), not both. Fractions beyond what the type holds are rounded
// half to even; zero is never negative. Fails on an empty text, anything that is
// not such a number, or a magnitude beyond Decimal::maxMagnitude.
std::optional<Decimal> parseDecimal(std::string_view text, std::string_view decimalSeparator);

// Whether the text is a number as parseDecimal reads it, whatever its magnitude.
bool hasNumberForm(std::string_view text, std::string_view decimalSeparator);

// Reads a base as typed: a number as for parseDecimal, rounded to a whole number
// half to even, that must lie in 0..255.
std::optional<std::uint8_t> parseBase(std::string_view text, std::string_view decimalSeparator);

// Plain decimal text of the value ("-12.50" keeps its scale), for tests and diagnostics.
std::string toString(const Decimal &value);

} // namespace radixon
