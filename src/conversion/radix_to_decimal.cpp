#include "conversion/radix_to_decimal.h"

#include <gmp.h>

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

std::optional<std::string> toDecimal(std::string_view digits, int base)
{
    if (digits.size() > maxInputLength)
        return std::nullopt;
    for (const char c : digits) {
        if (!isDigitOf(c, base))
            return std::nullopt;
    }
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

} // namespace

std::optional<std::string> ConvertBinaryToDecimal(std::string_view BinVal)
{
    return toDecimal(BinVal, 2);
}

std::optional<std::string> ConvertOctalToDecimal(std::string_view BinVal)
{
    return toDecimal(BinVal, 8);
}

std::optional<std::string> ConvertHexadecimalToDecimal(std::string_view BinVal)
{
    return toDecimal(BinVal, 16);
}

int HexDigitValue(std::string_view character)
{
    if (character.size() != 1)
        return 0;
    const char c = character.front();
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

} // namespace radixon
