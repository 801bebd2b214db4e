#pragma once

#include "conversion/decimal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radixon {

// The steps behind a conversion, as a learner works them on paper. Every number is
// exact; a row is worked out only when it is asked for, so a long working costs
// nothing until it is shown.

// One step of the repeated division: number = quotient × base + remainder.
struct DivisionRow {
    std::string number;
    std::string quotient;
    unsigned remainder = 0;
    std::string digit; // the remainder as toRadix writes it ("B" for 11, "35" for 35)
};

// A group of binary digits with the octal or hexadecimal digit it makes.
struct BinaryGroup {
    std::string bits; // padded with leading zeros to the group's width
    char digit = '0';
};

// How toRadix reaches its digits: the whole part divided by the base until nothing is
// left; the remainders, read from the last to the first, are the result.
class FractionWorking;

class DivisionWorking {
public:
    // Fails where toRadix fails.
    static std::optional<DivisionWorking> of(const Decimal &value, std::uint8_t base);

    const Decimal &value() const { return m_value; }
    std::uint8_t base() const { return m_base; }
    std::size_t rowCount() const { return m_rowCount; }
    DivisionRow row(std::size_t index) const; // index < rowCount()
    std::string result() const;
    // The values of result()'s digits, most significant first: from base 23 on, the
    // run-together figures do not say where one digit ends.
    std::vector<std::uint8_t> digitValues() const;
    // The working of the value's fractional part in the same base; none for a whole number.
    std::optional<FractionWorking> fraction() const;
    // For bases 8 and 16, the shortcut: binary digits grouped from the right by three
    // or four. Empty for other bases.
    std::vector<BinaryGroup> binaryGroups() const;

private:
    DivisionWorking(const Decimal &value, std::uint8_t base);

    Decimal m_value;
    std::uint8_t m_base;
    std::size_t m_rowCount = 0;
};

// One step of the repeated multiplication: fraction × base = product; the product's
// whole part is the next digit and its fraction goes on to the next row. Numbers are
// exact decimal text with '.' and no trailing zeros ("0.75", "1.5", a whole "1").
struct MultiplicationRow {
    std::string fraction;
    std::string product;
    unsigned digit = 0;    // the product's whole part
    std::string digitText; // as radixDigit writes it
    std::string carried;   // the product's fraction, the next row's fraction ("0" at the end)
};

// How the fractional part of a value is written in a base: multiplied by the base
// again and again. The fraction is a/10^s, so it ends or, from some row on, repeats.
class FractionWorking {
public:
    static constexpr std::size_t maxRows = 128; // rows shown at most

    // Fails where toRadix fails, and for a value without a fractional part (12 or 12.00).
    static std::optional<FractionWorking> of(const Decimal &value, std::uint8_t base);

    std::uint8_t base() const { return m_base; }
    std::string fraction() const; // the value's fractional part, as a row writes it
    // Rows shown: until the fraction is 0, or through the first whole period (the last
    // row's carried fraction is then the fraction of row preperiodLength()); at most maxRows.
    std::size_t rowCount() const { return m_rowCount; }
    MultiplicationRow row(std::size_t index) const; // any index, also past rowCount()
    // The digits of the rows shown, without the texts of their numbers.
    std::vector<std::uint8_t> digitValues() const;
    // Digits before the repeating part; all of them when the fraction ends.
    std::size_t preperiodLength() const { return m_preperiodLength; }
    bool repeats() const { return m_periodLength != "0"; }
    // In decimal figures, "0" when the fraction ends: 10^-28 in binary repeats every
    // 4·5^27 digits, beyond 64 bits.
    std::string periodLength() const { return m_periodLength; }
    // Whether rowCount() covers the preperiod and one whole period.
    bool periodShownWhole() const { return m_periodShownWhole; }

private:
    FractionWorking(const Decimal &value, std::uint8_t base);

    Decimal m_value;
    std::uint8_t m_base;
    std::size_t m_preperiodLength = 0;
    std::string m_periodLength;
    std::size_t m_rowCount = 0;
    bool m_periodShownWhole = true;
};

// A number shown in a narrow place: whole when it has at most the digits asked for,
// else by its first and last digits and its length. Below 2 × briefDigits a brief form
// would be no shorter, so a smaller limit counts as that.
struct NumberInBrief {
    std::string first; // the whole number when `last` is empty
    std::string last;
    std::size_t length = 0; // in decimal digits
};

// How radixToDecimal reaches its value: each digit times the base to the power of its
// position, summed.
class PositionalWorking {
public:
    static constexpr std::size_t briefDigits = 6; // kept at each end of a long number

    // For bases 2, 8 and 16; fails where the conversion to decimal fails.
    static std::optional<PositionalWorking> of(std::string_view digits, std::uint8_t base);

    std::uint8_t base() const { return m_base; }
    const std::string &digits() const { return m_digits; } // as typed
    // One row a digit, most significant first.
    std::size_t rowCount() const { return m_digits.size(); }
    char digit(std::size_t row) const { return m_digits[row]; } // as typed
    unsigned value(std::size_t row) const;
    std::size_t position(std::size_t row) const { return m_digits.size() - 1 - row; }
    // base^position and value × base^position, in full or in brief.
    std::string weight(std::size_t row) const;
    std::string term(std::size_t row) const;
    NumberInBrief weightInBrief(std::size_t row, std::size_t maxLength) const;
    NumberInBrief termInBrief(std::size_t row, std::size_t maxLength) const;
    std::string sum() const;
    NumberInBrief sumInBrief(std::size_t maxLength) const;

private:
    PositionalWorking(std::string digits, std::uint8_t base);
    std::size_t exponent(std::size_t row) const { return position(row) * m_bitsPerDigit; }

    std::string m_digits;
    std::uint8_t m_base;
    unsigned m_bitsPerDigit;
};

} // namespace radixon
