#pragma once

#include "conversion/decimal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace radixon {

// Exercises in the conversions the program teaches, and the checking of a learner's
// answer: which forms of a number are taken, and where a wrong one first goes wrong.

enum class ExerciseKind {
    DecimalToBinary,
    DecimalToOctal,
    DecimalToHexadecimal,
    DecimalToBase, // a chosen base from minExerciseBase to maxExerciseBase
    BinaryToDecimal,
    OctalToDecimal,
    HexadecimalToDecimal,
    BinaryToOctal, // by grouping the binary digits
    BinaryToHexadecimal,
    OctalToBinary,
    HexadecimalToBinary,
    FractionToBinary, // a decimal fraction whose binary form ends (0.625, 5.75)
};
constexpr std::size_t exerciseKindCount = 12;

// Bases in which every digit is one character of the program's alphabet (0-9, A-L).
constexpr std::uint8_t minExerciseBase = 3;
constexpr std::uint8_t maxExerciseBase = 21;

// The largest number of each level, from the easiest.
constexpr std::array<std::uint64_t, 5> exerciseLevels{15, 255, 4095, 65535, 4294967295};

// A uniform random number in [0, bound); bound > 0.
using RandomSource = std::function<std::uint64_t(std::uint64_t bound)>;
// One seeded from the system, for the program; tests give their own.
RandomSource systemRandomSource();

struct Exercise {
    ExerciseKind kind = ExerciseKind::DecimalToBinary;
    std::uint8_t fromBase = 10;
    std::uint8_t toBase = 2;
    Decimal value;        // the number, whatever base it is written in
    std::string question; // the number as the exercise writes it, in fromBase ("101101", "5.75")
    std::string answer;   // the right answer in toBase: upper case, no leading zeros

    bool operator==(const Exercise &other) const
    {
        return kind == other.kind && toBase == other.toBase && question == other.question;
    }
};

// A kind of exercise and, for DecimalToBase, its base.
struct ExerciseChoice {
    ExerciseKind kind = ExerciseKind::DecimalToBinary;
    std::uint8_t base = minExerciseBase;
};
// The exercise in writing a decimal number in `base`, and in writing a number of base 2,
// 8 or 16 in decimal.
ExerciseChoice exerciseToBase(std::uint8_t base);
ExerciseChoice exerciseToDecimal(std::uint8_t base);

// The bases of a kind; `base` is the chosen one for DecimalToBase (clamped into
// minExerciseBase..maxExerciseBase) and ignored otherwise.
std::pair<std::uint8_t, std::uint8_t> exerciseBases(ExerciseKind kind, std::uint8_t base);

// An exercise of `kind` (and `base`, for DecimalToBase) whose number lies from 2 to
// exerciseLevels[level] (a fraction: its whole part below that), never equal to `previous`.
Exercise drawExercise(ExerciseKind kind, std::uint8_t base, std::size_t level,
                      const RandomSource &random, const Exercise *previous = nullptr);

// What a typed answer is.
struct AnswerCheck {
    enum class Verdict {
        Right,
        Wrong,
        Refused, // not a number of the answer's base: not counted as an attempt
    };
    enum class Refusal {
        None,
        Empty,            // nothing but spaces
        NotADigit,        // `character` is not a digit of the answer's base, a space or a point
        PointInWhole,     // a point where a whole number is asked for
        TwoPoints,        // more than one point
        SpaceInsideGroup, // a space next to the point, which does not stand between digits
    };
    enum class Mistake {
        None,
        WrongDigit,   // the digit at `firstWrong` differs
        MissingDigit, // the answer ends (or its whole part ends) where a digit is due
        ExtraDigit,   // a digit at `firstWrong` where the right answer has none
    };

    Verdict verdict = Verdict::Refused;
    Refusal refusal = Refusal::None;
    std::string character; // UTF-8, for NotADigit
    Mistake mistake = Mistake::None;
    // For Wrong: the first wrong digit, counted from 0 at the left among the digits of
    // the answer in its accepted form (without leading zeros, spaces or point).
    std::size_t firstWrong = 0;
};

// Taken: upper or lower case, leading zeros, spaces or tabs between groups of digits,
// surrounding spaces; for FractionToBinary a point ('.' or ','), trailing zeros after
// it and an empty whole part (".101"). Of several refusals the first of these holds: the
// leftmost character that is not a digit, no digit at all, a point in a whole number, two
// points, a space at the point. Where the whole part is too short or too long, the mistake
// is sought in the whole part alone, since every digit after it stands in the wrong place.
AnswerCheck checkAnswer(const Exercise &exercise, std::string_view typed);

// The step of the working that gives the right answer's digit `digit` (counted from 0 at
// the left, point not counted; past the last digit, the last one's step):
// a row of the division (row 0 gives the last whole digit), a row of the fraction's
// multiplication, a group of the binary grouping (counted from the left; for octal and
// hexadecimal to binary the group the bit belongs to), or the sum, which gives every
// digit of a conversion to decimal.
struct WorkingStep {
    enum class Table { Division, Fraction, Groups, Sum };
    Table table = Table::Division;
    std::size_t index = 0;
};
WorkingStep stepOfDigit(const Exercise &exercise, std::size_t digit);

} // namespace radixon
