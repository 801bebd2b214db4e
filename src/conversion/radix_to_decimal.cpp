#include "conversion/radix_to_decimal.h"

#include <gmp.h>

#include <algorithm>
#include <cstring>

namespace radixon {

namespace {

constexpr std::size_t maxInputLength = 32767;

bool isDigitOf(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0' < base;
    return base == 16 && ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'));
}

} // namespace

bool isRadixText(std::string_view digits, std::uint8_t base)
{
    return digits.size() <= maxInputLength
           && std::all_of(digits.begin(), digits.end(),
                          [base](char c) { return isDigitOf(c, base); });
}

std::optional<std::string> radixToDecimal(std::string_view digits, std::uint8_t base)
{
    if (!isRadixText(digits, base))
        return std::nullopt;
    if (digits.empty())
        return std::string("0");

    // mpz_set_str wants a terminated string and would skip blanks itself;
    // the check above has already refused them.
    const std::string terminated(digits);
    mpz_t value;
    mpz_init(value);
    std::optional<std::string> result;
    if (mpz_set_str(value, terminated.c_str(), base) == 0) {
        std::string text(mpz_sizeinbase(value, 10) + 1, '\0');
        mpz_get_str(text.data(), 10, value);
        text.resize(std::strlen(text.c_str()));
        result = std::move(text);
    }
    mpz_clear(value);
    return result;
}

std::optional<std::string> binaryToDecimal(std::string_view digits)
{
    return radixToDecimal(digits, 2);
}

std::optional<std::string> octalToDecimal(std::string_view digits)
{
    return radixToDecimal(digits, 8);
}

std::optional<std::string> hexadecimalToDecimal(std::string_view digits)
{
    return radixToDecimal(digits, 16);
}

} // namespace radixon
