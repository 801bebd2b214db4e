#include "conversion/working.h"

#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"

#include <gmpxx.h>

#include <cmath>

namespace radixon {

namespace {

mpz_class wholePartOf(const Decimal &value)
{
    mpz_class mantissa = value.hi;
    mantissa <<= 32;
    mantissa += value.mid;
    mantissa <<= 32;
    mantissa += value.lo;
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, value.scale);
    return mantissa / scale;
}

// The positional bases are powers of two, so a weight is a shift.
mpz_class shifted(unsigned value, std::size_t bits)
{
    mpz_class result = value;
    result <<= bits;
    return result;
}

unsigned bitsPerDigitOf(std::uint8_t base) { return base == 2 ? 1 : base == 8 ? 3 : 4; }

constexpr std::size_t kept = PositionalWorking::briefDigits;

std::string lastDigits(const mpz_class &number)
{
    std::string last = std::to_string(mpz_fdiv_ui(number.get_mpz_t(), 1000000));
    static_assert(kept == 6, "the modulus keeps six digits");
    return last.insert(0, kept - last.size(), '0');
}

// Exact, and slow for long numbers: their leading digits by a division as long as they.
NumberInBrief inBriefExactly(const mpz_class &number)
{
    std::size_t length = mpz_sizeinbase(number.get_mpz_t(), 10); // or one more
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, length - 1);
    if (number < power)
        --length;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, length - kept);
    return {mpz_class(number / power).get_str(), lastDigits(number), length};
}

// The leading digits through a 192-bit floating quotient, which is exact unless the
// quotient lies within its rounding error of a whole number; then the slow way.
NumberInBrief inBrief(const mpz_class &number, std::size_t maxLength)
{
    const std::size_t estimate = mpz_sizeinbase(number.get_mpz_t(), 10); // or one more
    if (estimate - 1 <= maxLength) { // at most one digit too long: written out
        std::string whole = number.get_str();
        if (whole.size() <= maxLength)
            return {whole, {}, whole.size()};
        return {whole.substr(0, kept), whole.substr(whole.size() - kept), whole.size()};
    }
    constexpr mp_bitcnt_t precision = 192;
    mpf_class quotient(number, precision), power(10, precision);
    mpf_pow_ui(power.get_mpf_t(), power.get_mpf_t(), estimate - kept);
    quotient /= power;
    std::size_t length = estimate;
    if (quotient < 100000) { // the estimate was one too many
        quotient *= 10;
        --length;
    }
    const mpf_class whole = floor(quotient);
    const mpf_class fraction = quotient - whole;
    const mpf_class error = quotient / mpf_class(std::pow(2.0, 120.0), precision);
    // Near 100000, where the estimate's check above could slip, the fraction is near 0 or 1.
    if (fraction < error || fraction > 1 - error)
        return inBriefExactly(number);
    return {std::to_string(whole.get_ui()), lastDigits(number), length};
}

} // namespace

std::optional<DivisionWorking> DivisionWorking::of(const Decimal &value, std::uint8_t base)
{
    if (!toRadix(value, base))
        return std::nullopt;
    return DivisionWorking(value, base);
}

DivisionWorking::DivisionWorking(const Decimal &value, std::uint8_t base)
    : m_value(value), m_base(base)
{
    mpz_class number = wholePartOf(value);
    do {
        number /= base;
        ++m_rowCount;
    } while (number != 0);
}

DivisionRow DivisionWorking::row(std::size_t index) const
{
    mpz_class divisor;
    mpz_ui_pow_ui(divisor.get_mpz_t(), m_base, index);
    const mpz_class number = wholePartOf(m_value) / divisor;
    const mpz_class quotient = number / m_base;
    const auto remainder = static_cast<unsigned>(mpz_fdiv_ui(number.get_mpz_t(), m_base));
    return {number.get_str(), quotient.get_str(), remainder,
            radixDigit(static_cast<std::uint8_t>(remainder))};
}

std::string DivisionWorking::result() const { return *toRadix(m_value, m_base); }

std::vector<BinaryGroup> DivisionWorking::binaryGroups() const
{
    if (m_base != 8 && m_base != 16)
        return {};
    const unsigned width = bitsPerDigitOf(m_base);
    std::string bits = *toRadix(m_value, 2);
    bits.insert(0, (width - bits.size() % width) % width, '0');
    std::vector<BinaryGroup> groups;
    for (std::size_t at = 0; at < bits.size(); at += width) {
        const std::string group = bits.substr(at, width);
        const auto value = static_cast<std::uint8_t>(std::stoul(group, nullptr, 2));
        groups.push_back({group, radixDigit(value).front()});
    }
    return groups;
}

std::optional<PositionalWorking> PositionalWorking::of(std::string_view digits, std::uint8_t base)
{
    if (base != 2 && base != 8 && base != 16)
        return std::nullopt;
    if (!isRadixText(digits, base))
        return std::nullopt;
    return PositionalWorking(std::string(digits), base);
}

PositionalWorking::PositionalWorking(std::string digits, std::uint8_t base)
    : m_digits(std::move(digits)), m_base(base), m_bitsPerDigit(bitsPerDigitOf(base))
{}

unsigned PositionalWorking::value(std::size_t row) const
{
    const char c = m_digits[row];
    return c <= '9' ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
}

std::string PositionalWorking::weight(std::size_t row) const
{
    return shifted(1, exponent(row)).get_str();
}

std::string PositionalWorking::term(std::size_t row) const
{
    return shifted(value(row), exponent(row)).get_str();
}

bool PositionalWorking::weightFits(std::size_t row, std::size_t maxLength) const
{
    // 2^e has floor(e·log10 2) + 1 digits. For the exponents a 32767-digit input reaches,
    // e·log10 2 never comes within 1e-6 of a whole number, far beyond a double's error.
    return double(exponent(row)) * 0.30102999566398120 < double(maxLength);
}

NumberInBrief PositionalWorking::termInBrief(std::size_t row, std::size_t maxLength) const
{
    return inBrief(shifted(value(row), exponent(row)), maxLength);
}

NumberInBrief PositionalWorking::sumInBrief(std::size_t maxLength) const
{
    const mpz_class value(m_digits.empty() ? std::string("0") : m_digits, m_base);
    return inBrief(value, maxLength);
}

std::string PositionalWorking::sum() const { return *radixToDecimal(m_digits, m_base); }

} // namespace radixon
