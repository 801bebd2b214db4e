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
class DivisionWorking {
public:
    // Fails where toRadix fails.
    static std::optional<DivisionWorking> of(const Decimal &value, std::uint8_t base);

    std::uint8_t base() const { return m_base; }
    std::size_t rowCount() const { return m_rowCount; }
    DivisionRow row(std::size_t index) const; // index < rowCount()
    std::string result() const;
    // For bases 8 and 16, the shortcut: binary digits grouped from the right by three
    // or four. Empty for other bases.
    std::vector<BinaryGroup> binaryGroups() const;

private:
    DivisionWorking(const Decimal &value, std::uint8_t base);

    Decimal m_value;
    std::uint8_t m_base;
    std::size_t m_rowCount = 0;
};

// A number shown in a narrow place: whole when it has at most the digits asked for,
// else by its first and last digits and its length.
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
    // One row a digit, most significant first.
    std::size_t rowCount() const { return m_digits.size(); }
    char digit(std::size_t row) const { return m_digits[row]; } // as typed
    unsigned value(std::size_t row) const;
    std::size_t position(std::size_t row) const { return m_digits.size() - 1 - row; }
    // base^position and value × base^position, in full or in brief.
    std::string weight(std::size_t row) const;
    std::string term(std::size_t row) const;
    // Whether the weight has at most `maxLength` digits; known without working it out.
    bool weightFits(std::size_t row, std::size_t maxLength) const;
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
