// toRadix on any Decimal the bytes can build, against GMP's digits of the whole part.
// Input: lo, mid, hi (4 bytes each, little-endian), scale, flags, base; missing bytes are 0.
// Flags: bit 0 negative; bit 1 takes the scale byte as it is (else modulo 29).
#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstring>
#include <optional>

using namespace radixon;
using namespace radixon::fuzz;

namespace {

constexpr unsigned firstFigureDigit = 22;

// One digit as the calculator writes it: 0-9, A-L, then decimal figures.
std::string digitText(unsigned long digit)
{
    if (digit < 10)
        return std::string(1, static_cast<char>('0' + digit));
    if (digit < firstFigureDigit)
        return std::string(1, static_cast<char>('A' + digit - 10));
    return std::to_string(digit);
}

std::string expectedDigits(const mpz_class &whole, unsigned base)
{
    std::string text;
    if (base <= 36) {
        // Upper-case digits from GMP's own conversion, figures from 22 on.
        for (const char c : whole.get_str(-static_cast<int>(base)))
            text += digitText(c <= '9' ? static_cast<unsigned long>(c - '0')
                                       : static_cast<unsigned long>(c - 'A' + 10));
        return text;
    }
    mpz_class rest = whole;
    std::string reversed;
    do {
        const unsigned long digit = mpz_fdiv_q_ui(rest.get_mpz_t(), rest.get_mpz_t(), base);
        std::string figures = digitText(digit);
        reversed.append(figures.rbegin(), figures.rend());
    } while (rest != 0);
    return std::string(reversed.rbegin(), reversed.rend());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::uint8_t bytes[15] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));

    Decimal value;
    std::memcpy(&value.lo, bytes, 4);
    std::memcpy(&value.mid, bytes + 4, 4);
    std::memcpy(&value.hi, bytes + 8, 4);
    const std::uint8_t flags = bytes[13];
    value.scale = (flags & 2) ? bytes[12] : static_cast<std::uint8_t>(bytes[12] % 29);
    value.negative = flags & 1;
    const unsigned base = bytes[14];

    const std::optional<std::string> digits = toRadix(value, static_cast<std::uint8_t>(base));
    const bool refused =
        base < 2 || value.scale > Decimal::maxScale || (value.negative && !value.isZero());
    FUZZ_CHECK(digits.has_value() == !refused, "%s in base %u: %s", toString(value).c_str(), base,
               digits ? digits->c_str() : "(failure)");
    if (!digits)
        return 0;

    const mpz_class whole = mantissaOf(value) / tenToThe(value.scale);
    const std::string expected = expectedDigits(whole, base);
    FUZZ_CHECK(*digits == expected, "%s in base %u: %s, expected %s", toString(value).c_str(), base,
               digits->c_str(), expected.c_str());

    // Stated properties, apart from the comparison above.
    FUZZ_CHECK(std::all_of(digits->begin(), digits->end(),
                           [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'L'); }),
               "%s has a character outside 0-9A-L", digits->c_str());
    FUZZ_CHECK(!digits->empty() && ((*digits)[0] != '0' || *digits == "0"),
               "leading zero in \"%s\"", digits->c_str());
    FUZZ_CHECK(digits->size() <= 3 * mpz_sizeinbase(whole.get_mpz_t(), static_cast<int>(base)),
               "%zu characters for %s in base %u", digits->size(), whole.get_str().c_str(), base);

    if (base == 2 || base == 8 || base == 16) {
        const std::optional<std::string> back =
            radixToDecimal(*digits, static_cast<std::uint8_t>(base));
        FUZZ_CHECK(back && *back == whole.get_str(), "%s in base %u reads back as %s, not %s",
                   digits->c_str(), base, back ? back->c_str() : "(failure)",
                   whole.get_str().c_str());
    }
    return 0;
}
