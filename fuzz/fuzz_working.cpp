// The working a learner reads, against GMP: every division, multiplication and
// positional row holds as arithmetic, and the rows give the engine's own result.
// Input: byte 0 chooses the working (even: division and fraction of a Decimal; odd:
// positional sum).
//   Division: lo, mid, hi (4 bytes each, little-endian), scale (modulo 29), base.
//   Positional: base (2, 8 or 16 by the byte modulo 3), the width a brief number gets
//   (the byte modulo 40), then the digits: bytes below 128 pick from 0-9a-fA-F,
//   others stay as they are.
#include "conversion/radix_to_decimal.h"
#include "conversion/to_radix.h"
#include "conversion/working.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstring>
#include <optional>

using namespace radixon;
using namespace radixon::fuzz;

namespace {

// A row's exact decimal text ("0.75", "1.5", "3") as a fraction.
mpq_class exactValue(const std::string &text)
{
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return mpq_class(mpz_class(text, 10));
    const std::string figures = text.substr(0, point) + text.substr(point + 1);
    mpq_class value(mpz_class(figures, 10), tenToThe(text.size() - point - 1));
    value.canonicalize();
    return value;
}

// The fraction's text as the working writes it: '.' and no trailing zeros, "0" for none.
void checkExactText(const std::string &text)
{
    const std::size_t point = text.find('.');
    FUZZ_CHECK(point == std::string::npos || (text.back() != '0' && text.back() != '.'),
               "\"%s\" is not written shortest", text.c_str());
}

void checkBrief(const NumberInBrief &brief, const mpz_class &number, std::size_t maxLength)
{
    const std::string whole = number.get_str();
    const std::size_t kept = PositionalWorking::briefDigits;
    if (whole.size() <= std::max(maxLength, 2 * kept)) {
        FUZZ_CHECK(brief.first == whole && brief.last.empty() && brief.length == whole.size(),
                   "%s at most %zu digits is briefed as %s…%s", whole.c_str(), maxLength,
                   brief.first.c_str(), brief.last.c_str());
        return;
    }
    FUZZ_CHECK(brief.first == whole.substr(0, kept)
                   && brief.last == whole.substr(whole.size() - kept)
                   && brief.length == whole.size(),
               "%zu digits (%s…%s) briefed as %s…%s, %zu digits", whole.size(),
               whole.substr(0, kept).c_str(), whole.substr(whole.size() - kept).c_str(),
               brief.first.c_str(), brief.last.c_str(), brief.length);
}

void checkFraction(const Decimal &value, unsigned base, const mpz_class &numerator,
                   const mpz_class &denominator)
{
    const std::optional<FractionWorking> working =
        FractionWorking::of(value, static_cast<std::uint8_t>(base));
    FUZZ_CHECK(working.has_value() == (numerator != 0), "%s: fraction working %s",
               toString(value).c_str(), working ? "given" : "refused");
    if (!working)
        return;

    mpq_class fraction(numerator, denominator);
    fraction.canonicalize();
    FUZZ_CHECK(exactValue(working->fraction()) == fraction, "%s: the fraction is written %s",
               toString(value).c_str(), working->fraction().c_str());
    const std::size_t rows = working->rowCount();
    FUZZ_CHECK(rows >= 1 && rows <= FractionWorking::maxRows, "%zu rows", rows);

    // Each row multiplies the fraction by the base, which in lowest terms divides its
    // denominator by what it shares with the base: once nothing is shared, the digits
    // end (denominator 1) or repeat.
    mpz_class rest = fraction.get_den();
    std::size_t preperiod = 0;
    for (mpz_class shared = gcd(rest, mpz_class(base)); shared != 1;
         shared = gcd(rest, mpz_class(base))) {
        rest /= shared;
        ++preperiod;
    }
    FUZZ_CHECK(working->preperiodLength() == preperiod && working->repeats() == (rest != 1),
               "%s in base %u: %zu digits before %s, expected %zu before %s",
               toString(value).c_str(), base, working->preperiodLength(),
               working->repeats() ? "a period" : "the end", preperiod,
               rest != 1 ? "a period" : "the end");

    const std::vector<std::uint8_t> digits = working->digitValues();
    FUZZ_CHECK(digits.size() == rows, "%zu digit values for %zu rows", digits.size(), rows);
    mpq_class current = fraction;
    for (std::size_t i = 0; i < rows; ++i) {
        const MultiplicationRow row = working->row(i);
        checkExactText(row.fraction);
        checkExactText(row.product);
        checkExactText(row.carried);
        const mpq_class product = current * base;
        const mpz_class digit = product.get_num() / product.get_den();
        FUZZ_CHECK(exactValue(row.fraction) == current && exactValue(row.product) == product
                       && digit == row.digit && digits[i] == row.digit
                       && row.digitText == radixDigit(static_cast<std::uint8_t>(row.digit))
                       && exactValue(row.carried) == product - digit,
                   "%s in base %u, row %zu: %s × %u = %s gives %u and %s", toString(value).c_str(),
                   base, i, row.fraction.c_str(), base, row.product.c_str(), row.digit,
                   row.carried.c_str());
        current = product - digit;
    }
    if (!working->repeats()) {
        FUZZ_CHECK(current == 0 && working->preperiodLength() == rows
                       && working->periodShownWhole(),
                   "%s in base %u ends after %zu rows, not %zu", toString(value).c_str(), base,
                   rows, working->preperiodLength());
    } else if (working->periodShownWhole()) {
        FUZZ_CHECK(working->preperiodLength() < rows
                       && exactValue(working->row(working->preperiodLength()).fraction) == current,
                   "%s in base %u: the last row does not come back to row %zu",
                   toString(value).c_str(), base, working->preperiodLength());
    } else {
        FUZZ_CHECK(rows == FractionWorking::maxRows, "%s in base %u: period cut at %zu rows",
                   toString(value).c_str(), base, rows);
    }
}

void checkDivision(const std::uint8_t *bytes)
{
    Decimal value;
    std::memcpy(&value.lo, bytes, 4);
    std::memcpy(&value.mid, bytes + 4, 4);
    std::memcpy(&value.hi, bytes + 8, 4);
    value.scale = static_cast<std::uint8_t>(bytes[12] % (Decimal::maxScale + 1));
    const unsigned base = bytes[13];

    const std::optional<DivisionWorking> working =
        DivisionWorking::of(value, static_cast<std::uint8_t>(base));
    FUZZ_CHECK(working.has_value() == (base >= 2), "%s in base %u: working %s",
               toString(value).c_str(), base, working ? "given" : "refused");
    if (!working)
        return;

    const mpz_class scale = tenToThe(value.scale);
    const mpz_class whole = mantissaOf(value) / scale;
    const std::string result = *toRadix(value, static_cast<std::uint8_t>(base));
    FUZZ_CHECK(working->result() == result, "%s in base %u: the working gives %s, not %s",
               toString(value).c_str(), base, working->result().c_str(), result.c_str());

    mpz_class number = whole;
    const std::vector<std::uint8_t> digits = working->digitValues();
    FUZZ_CHECK(digits.size() == working->rowCount(), "%zu digit values for %zu rows", digits.size(),
               working->rowCount());
    for (std::size_t i = 0; i < working->rowCount(); ++i) {
        const DivisionRow row = working->row(i);
        FUZZ_CHECK(row.number == number.get_str()
                       && mpz_class(row.quotient, 10) * base + row.remainder == number
                       && row.remainder < base && digits[digits.size() - 1 - i] == row.remainder
                       && row.digit == radixDigit(static_cast<std::uint8_t>(row.remainder)),
                   "%s in base %u, row %zu: %s = %s × %u + %u (%s)", toString(value).c_str(), base,
                   i, row.number.c_str(), row.quotient.c_str(), base, row.remainder,
                   row.digit.c_str());
        number = mpz_class(row.quotient, 10);
    }
    FUZZ_CHECK(number == 0, "%s in base %u: the division stops at %s", toString(value).c_str(),
               base, number.get_str().c_str());

    const std::vector<BinaryGroup> groups = working->binaryGroups();
    if (base == 8 || base == 16) {
        const std::size_t width = base == 8 ? 3 : 4;
        std::string bits, grouped;
        for (const BinaryGroup &group : groups) {
            FUZZ_CHECK(group.bits.size() == width, "group %s", group.bits.c_str());
            bits += group.bits;
            grouped += group.digit;
            FUZZ_CHECK(std::string(1, group.digit)
                           == mpz_class(group.bits, 2).get_str(-static_cast<int>(base)),
                       "group %s gives %c in base %u", group.bits.c_str(), group.digit, base);
        }
        FUZZ_CHECK(mpz_class(bits, 2) == whole && grouped == result
                       && bits.size() < whole.get_str(2).size() + width,
                   "%s in base %u: groups %s give %s", toString(value).c_str(), base, bits.c_str(),
                   grouped.c_str());
    } else {
        FUZZ_CHECK(groups.empty(), "base %u has %zu binary groups", base, groups.size());
    }

    checkFraction(value, base, mantissaOf(value) % scale, scale);
}

void checkPositional(const std::uint8_t *data, std::size_t size)
{
    static constexpr char alphabet[] = "0123456789abcdefABCDEF";
    static constexpr unsigned bases[] = {2, 8, 16};
    const unsigned base = bases[data[0] % 3];
    const std::size_t maxLength = data[1] % 40;
    std::string digits;
    for (std::size_t i = 2; i < size; ++i)
        digits += data[i] < 128 ? alphabet[data[i] % (sizeof alphabet - 1)] : char(data[i]);

    const std::optional<std::string> decimal =
        radixToDecimal(digits, static_cast<std::uint8_t>(base));
    const std::optional<PositionalWorking> working =
        PositionalWorking::of(digits, static_cast<std::uint8_t>(base));
    FUZZ_CHECK(working.has_value() == decimal.has_value(), "\"%s\" in base %u: working %s",
               digits.c_str(), base, working ? "given" : "refused");
    if (!working)
        return;

    FUZZ_CHECK(working->sum() == *decimal, "%s in base %u sums to %s, not %s", digits.c_str(), base,
               working->sum().c_str(), decimal->c_str());
    checkBrief(working->sumInBrief(maxLength), mpz_class(*decimal, 10), maxLength);

    // Every term of a short number; the two ends and the middle of a long one.
    const std::size_t rows = working->rowCount();
    mpz_class sum = 0;
    for (std::size_t row = 0; row < rows; ++row) {
        if (rows > 64 && row > 2 && row != rows / 2 && row + 3 < rows)
            continue;
        mpz_class weight;
        mpz_ui_pow_ui(weight.get_mpz_t(), base, working->position(row));
        const mpz_class term = weight * working->value(row);
        FUZZ_CHECK(working->digit(row) == digits[row]
                       && mpz_class(std::string(1, digits[row]), static_cast<int>(base))
                              == working->value(row)
                       && working->weight(row) == weight.get_str()
                       && working->term(row) == term.get_str(),
                   "%s in base %u, row %zu: %c = %u × %s = %s", digits.c_str(), base, row,
                   working->digit(row), working->value(row), working->weight(row).c_str(),
                   working->term(row).c_str());
        checkBrief(working->weightInBrief(row, maxLength), weight, maxLength);
        checkBrief(working->termInBrief(row, maxLength), term, maxLength);
        sum += term;
    }
    FUZZ_CHECK(rows > 64 || sum == mpz_class(*decimal, 10), "the terms of %s add up to %s",
               digits.c_str(), sum.get_str().c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] % 2 == 0) {
        std::uint8_t bytes[14] = {};
        std::memcpy(bytes, data + 1, std::min(size - 1, sizeof bytes));
        checkDivision(bytes);
    } else if (size >= 3) {
        checkPositional(data + 1, size - 1);
    }
    return 0;
}
