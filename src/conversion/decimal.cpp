#include "conversion/decimal.h"

#include <gmpxx.h>

#include <algorithm>

namespace radixon {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

const mpz_class &maxMantissa()
{
    static const mpz_class max(std::string(Decimal::maxMagnitude), 10);
    return max;
}

mpz_class mantissaOf(const Decimal &value)
{
    const std::uint32_t words[3] = {value.lo, value.mid, value.hi};
    mpz_class m;
    mpz_import(m.get_mpz_t(), 3, -1, sizeof(std::uint32_t), 0, 0, words);
    return m;
}

// `m` must not exceed the maximum mantissa.
Decimal decimalOf(const mpz_class &m, int scale, bool negative)
{
    std::uint32_t words[3] = {0, 0, 0};
    mpz_export(words, nullptr, -1, sizeof(std::uint32_t), 0, 0, m.get_mpz_t());
    Decimal d;
    d.lo = words[0];
    d.mid = words[1];
    d.hi = words[2];
    d.scale = static_cast<std::uint8_t>(scale);
    d.negative = negative && sgn(m) != 0;
    return d;
}

mpz_class digitsValue(std::string_view digits)
{
    mpz_class m;
    if (!digits.empty())
        mpz_set_str(m.get_mpz_t(), std::string(digits).c_str(), 10);
    return m;
}

// The sign and the digits on either side of the separator, before any check of size.
struct NumberForm {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

std::optional<NumberForm> numberForm(std::string_view text, std::string_view decimalSeparator)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    NumberForm form;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        form.negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::size_t pos = 0;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    form.whole = text.substr(0, pos);
    if (pos < text.size()) {
        if (decimalSeparator.empty()
            || text.substr(pos, decimalSeparator.size()) != decimalSeparator)
            return std::nullopt;
        pos += decimalSeparator.size();
        const std::size_t start = pos;
        while (pos < text.size() && isDigit(text[pos]))
            ++pos;
        form.fraction = text.substr(start, pos - start);
    }
    if (pos != text.size() || (form.whole.empty() && form.fraction.empty()))
        return std::nullopt;
    return form;
}

} // namespace

bool hasNumberForm(std::string_view text, std::string_view decimalSeparator)
{
    return numberForm(text, decimalSeparator).has_value();
}

Decimal decimalFromInteger(std::uint64_t magnitude, bool negative)
{
    Decimal d;
    d.lo = static_cast<std::uint32_t>(magnitude);
    d.mid = static_cast<std::uint32_t>(magnitude >> 32);
    d.negative = negative && magnitude != 0;
    return d;
}

std::optional<Decimal> parseDecimal(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<NumberForm> form = numberForm(text, decimalSeparator);
    if (!form)
        return std::nullopt;
    std::string_view whole = form->whole;
    const std::string_view fraction = form->fraction;
    const bool negative = form->negative;

    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > Decimal::maxMagnitude.size())
        return std::nullopt;
    const mpz_class wholeValue = digitsValue(whole);
    if (wholeValue > maxMantissa())
        return std::nullopt;

    // Keep as many fraction digits as fit (at most 28, fewer for a large whole
    // part); the first dropped digit and whatever follows it decide the rounding.
    const std::size_t lastNonZero = fraction.find_last_not_of('0');
    std::size_t scale = std::min<std::size_t>(fraction.size(), Decimal::maxScale);
    mpz_class m;
    mpz_ui_pow_ui(m.get_mpz_t(), 10, scale);
    m = wholeValue * m + digitsValue(fraction.substr(0, scale));
    for (;;) {
        mpz_class rounded = m;
        if (scale < fraction.size()) {
            const int next = fraction[scale] - '0';
            const bool sticky = lastNonZero != std::string_view::npos && lastNonZero > scale;
            if (next > 5 || (next == 5 && (sticky || mpz_odd_p(m.get_mpz_t()))))
                ++rounded;
        }
        if (rounded <= maxMantissa())
            return decimalOf(rounded, static_cast<int>(scale), negative);
        if (scale == 0)
            return std::nullopt;
        --scale;
        mpz_tdiv_q_ui(m.get_mpz_t(), m.get_mpz_t(), 10);
    }
}

std::optional<std::uint8_t> parseBase(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<Decimal> value = parseDecimal(text, decimalSeparator);
    if (!value)
        return std::nullopt;

    mpz_class divisor;
    mpz_ui_pow_ui(divisor.get_mpz_t(), 10, value->scale);
    mpz_class whole;
    mpz_class rest;
    mpz_tdiv_qr(whole.get_mpz_t(), rest.get_mpz_t(), mantissaOf(*value).get_mpz_t(),
                divisor.get_mpz_t());
    const int half = cmp(mpz_class(rest * 2), divisor);
    if (half > 0 || (half == 0 && mpz_odd_p(whole.get_mpz_t())))
        ++whole;

    // A negative number that rounds to zero is a base of 0.
    if (sgn(whole) == 0)
        return std::uint8_t{0};
    if (value->negative || whole > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(whole.get_ui());
}

std::string toString(const Decimal &value)
{
    std::string digits = mantissaOf(value).get_str();
    if (value.scale > 0) {
        if (digits.size() <= value.scale)
            digits.insert(0, value.scale + 1 - digits.size(), '0');
        digits.insert(digits.size() - value.scale, 1, '.');
    }
    if (value.negative)
        digits.insert(0, 1, '-');
    return digits;
}

} // namespace radixon
