#include "conversion/working.h"

#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"

#include <gmpxx.h>

#include <algorithm>
#include <cmath>

namespace radixon {

namespace {

mpz_class mantissaOf(const Decimal &value)
{
    mpz_class mantissa = value.hi;
    mantissa <<= 32;
    mantissa += value.mid;
    mantissa <<= 32;
    mantissa += value.lo;
    return mantissa;
}

mpz_class tenToThe(unsigned exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

mpz_class wholePartOf(const Decimal &value) { return mantissaOf(value) / tenToThe(value.scale); }

// The fractional part is this over 10^scale.
mpz_class fractionNumerator(const Decimal &value)
{
    return mantissaOf(value) % tenToThe(value.scale);
}

// numerator / 10^scale with '.', without trailing zeros.
std::string decimalText(const mpz_class &numerator, unsigned scale)
{
    std::string text = numerator.get_str();
    if (text.size() <= scale)
        text.insert(0, scale + 1 - text.size(), '0');
    text.insert(text.size() - scale, 1, '.');
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// How many times `prime` divides `number`.
mp_bitcnt_t multiplicity(mpz_class number, unsigned prime)
{
    return mpz_remove(number.get_mpz_t(), number.get_mpz_t(), mpz_class(prime).get_mpz_t());
}

// The positional bases are powers of two, so a weight is a shift.
mpz_class shifted(unsigned value, std::size_t bits)
{
    mpz_class result = value;
    result <<= bits;
    return result;
}

constexpr std::size_t endDigits = PositionalWorking::briefDigits;

std::string lastDigits(const mpz_class &number)
{
    std::string last = std::to_string(mpz_fdiv_ui(number.get_mpz_t(), 1000000));
    static_assert(endDigits == 6, "the modulus keeps six digits");
    return last.insert(0, endDigits - last.size(), '0');
}

// Exact, and slow for long numbers: their leading digits by a division as long as they.
NumberInBrief inBriefExactly(const mpz_class &number)
{
    std::size_t length = mpz_sizeinbase(number.get_mpz_t(), 10); // or one more
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, length - 1);
    if (number < power)
        --length;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, length - endDigits);
    return {mpz_class(number / power).get_str(), lastDigits(number), length};
}

// The leading digits through a 192-bit floating quotient, which is exact unless the
// quotient lies within its rounding error of a whole number; then the slow way.
NumberInBrief inBrief(const mpz_class &number, std::size_t maxLength)
{
    maxLength = std::max(maxLength, 2 * endDigits);
    const std::size_t estimate = mpz_sizeinbase(number.get_mpz_t(), 10); // or one more
    if (estimate - 1 <= maxLength) { // at most one digit too long: written out
        std::string whole = number.get_str();
        if (whole.size() <= maxLength)
            return {whole, {}, whole.size()};
        return {whole.substr(0, endDigits), whole.substr(whole.size() - endDigits), whole.size()};
    }
    constexpr mp_bitcnt_t precision = 192;
    mpf_class quotient(number, precision), power(10, precision);
    mpf_pow_ui(power.get_mpf_t(), power.get_mpf_t(), estimate - endDigits);
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

std::vector<std::uint8_t> DivisionWorking::digitValues() const
{
    std::vector<std::uint8_t> digits(m_rowCount);
    mpz_class number = wholePartOf(m_value);
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit)
        *digit = static_cast<std::uint8_t>(
            mpz_fdiv_q_ui(number.get_mpz_t(), number.get_mpz_t(), m_base));
    return digits;
}

std::optional<FractionWorking> DivisionWorking::fraction() const
{
    return FractionWorking::of(m_value, m_base);
}

std::vector<BinaryGroup> DivisionWorking::binaryGroups() const
{
    // Binary itself has no groups.
    if (m_base == 2 || !bitsPerDigit(m_base))
        return {};
    const unsigned width = *bitsPerDigit(m_base);
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

std::optional<FractionWorking> FractionWorking::of(const Decimal &value, std::uint8_t base)
{
    if (!toRadix(value, base) || fractionNumerator(value) == 0)
        return std::nullopt;
    return FractionWorking(value, base);
}

// In lowest terms the fraction is p/q with q = 2^x·5^y. Multiplying by the base clears
// the primes the base shares with q, which takes the preperiod; what remains of q, m, is
// coprime to the base, and the digits repeat with the order of the base modulo m.
FractionWorking::FractionWorking(const Decimal &value, std::uint8_t base)
    : m_value(value), m_base(base)
{
    const mpz_class numerator = fractionNumerator(value);
    mpz_class denominator = tenToThe(value.scale);
    denominator /= gcd(numerator, denominator);
    const mpz_class b = base;
    mpz_class modulus = 1, order = 1, power;
    for (const unsigned prime : {2u, 5u}) {
        const mp_bitcnt_t inDenominator = multiplicity(denominator, prime);
        const mp_bitcnt_t inBase = multiplicity(b, prime);
        if (inBase > 0) { // each row clears inBase of them
            m_preperiodLength =
                std::max<std::size_t>(m_preperiodLength, (inDenominator + inBase - 1) / inBase);
        } else if (inDenominator > 0) {
            mpz_ui_pow_ui(power.get_mpz_t(), prime, inDenominator);
            modulus *= power;
            order *= power / prime * (prime - 1); // φ of the prime's power
        }
    }
    // order is φ(modulus), whose only primes are 2 and 5; the base's order divides it.
    for (const unsigned prime : {2u, 5u}) {
        while (mpz_divisible_ui_p(order.get_mpz_t(), prime)) {
            const mpz_class smaller = order / prime;
            mpz_powm(power.get_mpz_t(), b.get_mpz_t(), smaller.get_mpz_t(), modulus.get_mpz_t());
            if (power != 1)
                break;
            order = smaller;
        }
    }
    if (modulus == 1)
        order = 0;
    m_periodLength = order.get_str();

    const mpz_class shown = order + m_preperiodLength;
    m_periodShownWhole = shown <= maxRows;
    m_rowCount = m_periodShownWhole ? shown.get_ui() : maxRows;
}

std::string FractionWorking::fraction() const
{
    return decimalText(fractionNumerator(m_value), m_value.scale);
}

// Row i's fraction is a·b^i mod 10^s over 10^s, so any row costs one modular power.
MultiplicationRow FractionWorking::row(std::size_t index) const
{
    const mpz_class ten = tenToThe(m_value.scale);
    mpz_class fraction;
    mpz_powm_ui(fraction.get_mpz_t(), mpz_class(m_base).get_mpz_t(), index, ten.get_mpz_t());
    fraction = fraction * fractionNumerator(m_value) % ten;
    const mpz_class product = fraction * m_base;
    mpz_class digit, carried;
    mpz_fdiv_qr(digit.get_mpz_t(), carried.get_mpz_t(), product.get_mpz_t(), ten.get_mpz_t());
    const auto digitValue = static_cast<unsigned>(digit.get_ui());
    return {decimalText(fraction, m_value.scale), decimalText(product, m_value.scale), digitValue,
            radixDigit(static_cast<std::uint8_t>(digitValue)), decimalText(carried, m_value.scale)};
}

std::vector<std::uint8_t> FractionWorking::digitValues() const
{
    const mpz_class ten = tenToThe(m_value.scale);
    mpz_class fraction = fractionNumerator(m_value), digit;
    std::vector<std::uint8_t> digits;
    for (std::size_t row = 0; row < m_rowCount; ++row) {
        fraction *= m_base;
        mpz_fdiv_qr(digit.get_mpz_t(), fraction.get_mpz_t(), fraction.get_mpz_t(), ten.get_mpz_t());
        digits.push_back(static_cast<std::uint8_t>(digit.get_ui()));
    }
    return digits;
}

std::optional<PositionalWorking> PositionalWorking::of(std::string_view digits, std::uint8_t base)
{
    if (!bitsPerDigit(base) || !isRadixText(digits, base))
        return std::nullopt;
    return PositionalWorking(std::string(digits), base);
}

PositionalWorking::PositionalWorking(std::string digits, std::uint8_t base)
    : m_digits(std::move(digits)), m_base(base), m_bitsPerDigit(*bitsPerDigit(base))
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

NumberInBrief PositionalWorking::weightInBrief(std::size_t row, std::size_t maxLength) const
{
    return inBrief(shifted(1, exponent(row)), maxLength);
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
