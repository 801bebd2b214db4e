#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace radixon {

// Why a conversion gives no result, for telling a learner.
struct ConversionFailure {
    enum class Reason { NotANumber, Negative, TooLarge, NotADigit, BaseOutOfRange, TooLong };
    Reason reason = Reason::NotANumber;
    // NotADigit: the first character that is not a digit of the base, one whole UTF-8
    // code point.
    std::string character;
};

// Why a decimal number as typed does not convert (parseDecimal, then toRadix of the
// value): NotANumber, Negative (below zero; "-0" is zero and converts), or TooLarge (a
// number's form, of any sign, beyond Decimal::maxMagnitude). nullopt when it converts.
std::optional<ConversionFailure> decimalFailure(std::string_view text,
                                                std::string_view decimalSeparator);
// BaseOutOfRange unless parseBase reads the text as 2..255; nullopt when it does.
std::optional<ConversionFailure> baseFailure(std::string_view text,
                                             std::string_view decimalSeparator);
// Why radixToDecimal fails on `digits` in base 2, 8 or 16: TooLong past its length
// limit, else NotADigit. nullopt when it converts.
std::optional<ConversionFailure> radixTextFailure(std::string_view digits, std::uint8_t base);

} // namespace radixon
