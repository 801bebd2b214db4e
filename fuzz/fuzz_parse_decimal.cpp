// parseDecimal against an exact reading of the same text with GMP.
// Input: one byte choosing the separator, then the text.
#include "fuzz_support.h"

#include <algorithm>
#include <optional>

using namespace radixon;
using namespace radixon::fuzz;

namespace {

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

mpz_class digitsValue(std::string_view digits)
{
    mpz_class value;
    if (!digits.empty())
        value.set_str(std::string(digits), 10);
    return value;
}

// What the text should give: split at the separator, round the exact value half to
// even at up to 28 fraction digits, fewer when the whole part leaves less room.
std::optional<Decimal> expectedValue(std::string_view text, std::string_view separator)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::string_view whole = text;
    std::string_view fraction;
    const std::size_t at = separator.empty() ? std::string_view::npos : text.find(separator);
    if (at != std::string_view::npos) {
        whole = text.substr(0, at);
        fraction = text.substr(at + separator.size());
    }
    if (!allDigits(whole) || !allDigits(fraction) || (whole.empty() && fraction.empty()))
        return std::nullopt;

    const std::size_t digits = fraction.size();
    const mpz_class exact = digitsValue(whole) * tenToThe(digits) + digitsValue(fraction);
    for (std::size_t scale = std::min<std::size_t>(digits, Decimal::maxScale) + 1; scale-- > 0;) {
        const mpz_class m = roundHalfEven(exact, tenToThe(digits - scale));
        if (m <= maxMantissa()) {
            Decimal d;
            d.lo = static_cast<std::uint32_t>(mpz_class(m & 0xffffffffu).get_ui());
            d.mid = static_cast<std::uint32_t>(mpz_class((m >> 32) & 0xffffffffu).get_ui());
            d.hi = static_cast<std::uint32_t>(mpz_class(m >> 64).get_ui());
            d.scale = static_cast<std::uint8_t>(scale);
            d.negative = negative && m != 0;
            return d;
        }
    }
    return std::nullopt;
}

std::string replacedPoint(std::string text, std::string_view separator)
{
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view separator = separatorFor(data[0]);
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    const std::optional<Decimal> value = parseDecimal(text, separator);
    const std::optional<Decimal> expected = expectedValue(text, separator);
    FUZZ_CHECK(value == expected, "parsed %s, expected %s", described(value).c_str(),
               described(expected).c_str());
    if (!value)
        return 0;

    FUZZ_CHECK(value->scale <= Decimal::maxScale, "scale %d", value->scale);
    FUZZ_CHECK(mantissaOf(*value) <= maxMantissa(), "magnitude beyond 2^96 - 1");
    FUZZ_CHECK(!value->negative || !value->isZero(), "negative zero");

    const std::string shown = toString(*value);
    const std::optional<Decimal> again = parseDecimal(shown, ".");
    FUZZ_CHECK(again == value, "%s reads back as %s", shown.c_str(), described(again).c_str());
    if (!separator.empty()) {
        const std::string local = replacedPoint(shown, separator);
        const std::optional<Decimal> localAgain = parseDecimal(local, separator);
        FUZZ_CHECK(localAgain == value, "%s reads back as %s", local.c_str(),
                   described(localAgain).c_str());
    }
    return 0;
}
