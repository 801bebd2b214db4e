#include "conversion/radix_to_decimal.h"

#include <gmpxx.h>

#include <algorithm>

namespace radixon {

namespace {

bool isDigitOf(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0' < base;
    return base == 16 && ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'));
}

} // namespace

bool isRadixText(std::string_view digits, std::uint8_t base)
{
    return digits.size() <= maxRadixTextLength
           && std::all_of(digits.begin(), digits.end(),
                          [base](char c) { return isDigitOf(c, base); });
}

std::optional<std::string> radixToDecimal(std::string_view digits, std::uint8_t base)
{
    if (!isRadixText(digits, base))
        return std::nullopt;
    if (digits.empty())
        return std::string("0");
    // The check above has refused what mpz_set_str would fail on or skip (blanks).
    return mpz_class(std::string(digits), base).get_str();
}

} // namespace radixon
