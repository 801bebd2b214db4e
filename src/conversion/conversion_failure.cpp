#include "conversion/conversion_failure.h"

#include "conversion/decimal.h"
#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"

namespace radixon {

namespace {

// Bytes of the UTF-8 code point that `lead` starts; a stray byte counts as one.
std::size_t codePointLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

ConversionFailure failure(ConversionFailure::Reason reason) { return {reason, {}}; }

} // namespace

std::optional<ConversionFailure> decimalFailure(std::string_view text,
                                                std::string_view decimalSeparator)
{
    using Reason = ConversionFailure::Reason;
    const std::optional<Decimal> value = parseDecimal(text, decimalSeparator);
    if (!value)
        return failure(hasNumberForm(text, decimalSeparator) ? Reason::TooLarge
                                                             : Reason::NotANumber);
    if (!toRadix(*value, 2))
        return failure(Reason::Negative);
    return std::nullopt;
}

std::optional<ConversionFailure> baseFailure(std::string_view text,
                                             std::string_view decimalSeparator)
{
    const std::optional<std::uint8_t> base = parseBase(text, decimalSeparator);
    if (base && *base >= 2)
        return std::nullopt;
    return failure(ConversionFailure::Reason::BaseOutOfRange);
}

std::optional<ConversionFailure> radixTextFailure(std::string_view digits, std::uint8_t base)
{
    if (isRadixText(digits, base))
        return std::nullopt;
    if (digits.size() > maxRadixTextLength)
        return failure(ConversionFailure::Reason::TooLong);
    std::size_t at = 0;
    while (isRadixText(digits.substr(at, 1), base))
        ++at;
    const auto length = codePointLength(static_cast<unsigned char>(digits[at]));
    return ConversionFailure{ConversionFailure::Reason::NotADigit,
                             std::string(digits.substr(at, length))};
}

} // namespace radixon
