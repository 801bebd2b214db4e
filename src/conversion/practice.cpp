#include "conversion/practice.h"

#include "conversion/to_radix.h"
#include "conversion/working.h"

#include <algorithm>
#include <memory>
#include <random>
#include <tuple>

namespace radixon {

namespace {

// After this many draws equal to the previous exercise the source is taken to be stuck,
// and the number next to the last draw is asked instead.
constexpr int maxRedraws = 64;

// A source that breaks its contract still gives a number in range.
std::uint64_t drawBelow(const RandomSource &random, std::uint64_t bound)
{
    return random(bound) % bound;
}

// whole + numerator/2^places as a decimal: numerator·5^places over 10^places needs exactly
// `places` digits, which the Decimal keeps as its scale.
Decimal fractionValue(std::uint64_t whole, unsigned places, std::uint64_t numerator)
{
    std::uint64_t scaled = whole;
    for (unsigned i = 0; i < places; ++i) {
        scaled *= 10;
        numerator *= 5;
    }
    Decimal value = decimalFromInteger(scaled + numerator);
    value.scale = static_cast<std::uint8_t>(places);
    return value;
}

Exercise exerciseOf(ExerciseKind kind, std::pair<std::uint8_t, std::uint8_t> bases,
                    const Decimal &value)
{
    Exercise exercise;
    exercise.kind = kind;
    std::tie(exercise.fromBase, exercise.toBase) = bases;
    exercise.value = value;
    // toString keeps the scale, so a fraction reads as drawn ("0.625", not "0.6250").
    exercise.question =
        exercise.fromBase == 10 ? toString(value) : *toRadix(value, exercise.fromBase);
    exercise.answer = *toRadix(value, exercise.toBase);
    if (kind == ExerciseKind::FractionToBinary) {
        exercise.answer += '.';
        for (const std::uint8_t digit : FractionWorking::of(value, 2)->digitValues())
            exercise.answer += radixDigit(digit);
    }
    return exercise;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    return -1;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The whole UTF-8 character that starts at `at`, so that a refusal can name it.
std::string characterAt(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return std::string(text.substr(at, end - at));
}

AnswerCheck refused(AnswerCheck::Refusal refusal, std::string character = {})
{
    AnswerCheck check;
    check.refusal = refusal;
    check.character = std::move(character);
    return check;
}

} // namespace

RandomSource systemRandomSource()
{
    std::random_device device;
    std::seed_seq seeds{device(), device(), device(), device()};
    auto engine = std::make_shared<std::mt19937_64>(seeds);
    return [engine](std::uint64_t bound) {
        return std::uniform_int_distribution<std::uint64_t>(0, bound - 1)(*engine);
    };
}

std::pair<std::uint8_t, std::uint8_t> exerciseBases(ExerciseKind kind, std::uint8_t base)
{
    switch (kind) {
    case ExerciseKind::DecimalToBinary:
    case ExerciseKind::FractionToBinary:
        return {10, 2};
    case ExerciseKind::DecimalToOctal:
        return {10, 8};
    case ExerciseKind::DecimalToHexadecimal:
        return {10, 16};
    case ExerciseKind::DecimalToBase:
        return {10, std::clamp(base, minExerciseBase, maxExerciseBase)};
    case ExerciseKind::BinaryToDecimal:
        return {2, 10};
    case ExerciseKind::OctalToDecimal:
        return {8, 10};
    case ExerciseKind::HexadecimalToDecimal:
        return {16, 10};
    case ExerciseKind::BinaryToOctal:
        return {2, 8};
    case ExerciseKind::BinaryToHexadecimal:
        return {2, 16};
    case ExerciseKind::OctalToBinary:
        return {8, 2};
    case ExerciseKind::HexadecimalToBinary:
        return {16, 2};
    }
    return {10, 2};
}

// The bases of each kind are written once, in exerciseBases; these look them up.
ExerciseChoice exerciseToBase(std::uint8_t base)
{
    using Kind = ExerciseKind;
    for (const Kind kind :
         {Kind::DecimalToBinary, Kind::DecimalToOctal, Kind::DecimalToHexadecimal}) {
        if (exerciseBases(kind, base).second == base)
            return {kind, base};
    }
    return {Kind::DecimalToBase, base};
}

ExerciseChoice exerciseToDecimal(std::uint8_t base)
{
    using Kind = ExerciseKind;
    for (const Kind kind : {Kind::OctalToDecimal, Kind::HexadecimalToDecimal}) {
        if (exerciseBases(kind, base).first == base)
            return {kind, base};
    }
    return {Kind::BinaryToDecimal, 2};
}

Exercise drawExercise(ExerciseKind kind, std::uint8_t base, std::size_t level,
                      const RandomSource &random, const Exercise *previous)
{
    const std::uint64_t limit = exerciseLevels[std::min(level, exerciseLevels.size() - 1)];
    const auto bases = exerciseBases(kind, base);
    const bool fraction = kind == ExerciseKind::FractionToBinary;
    // Whole numbers run from 2 to the limit, a fraction's whole part from 0 to below it.
    const std::uint64_t lowest = fraction ? 0 : 2, highest = fraction ? limit - 1 : limit;
    for (int attempt = 0;; ++attempt) {
        std::uint64_t whole = lowest + drawBelow(random, highest - lowest + 1);
        unsigned places = 0;
        std::uint64_t numerator = 0;
        if (fraction) {
            places = 1 + static_cast<unsigned>(drawBelow(random, 4));
            numerator = 2 * drawBelow(random, std::uint64_t(1) << (places - 1)) + 1;
        }
        const auto valueOf = [&] {
            return fraction ? fractionValue(whole, places, numerator) : decimalFromInteger(whole);
        };
        const Exercise exercise = exerciseOf(kind, bases, valueOf());
        if (!previous || !(exercise == *previous))
            return exercise;
        if (attempt == maxRedraws) {
            whole = whole < highest ? whole + 1 : whole - 1;
            return exerciseOf(kind, bases, valueOf());
        }
    }
}

AnswerCheck checkAnswer(const Exercise &exercise, std::string_view typed)
{
    using Refusal = AnswerCheck::Refusal;
    while (!typed.empty() && isBlank(typed.front()))
        typed.remove_prefix(1);
    while (!typed.empty() && isBlank(typed.back()))
        typed.remove_suffix(1);

    std::string whole, fraction;
    std::size_t points = 0;
    bool blankAtPoint = false;
    for (std::size_t at = 0; at < typed.size(); ++at) {
        const char c = typed[at];
        if (isBlank(c))
            continue;
        if (c == '.' || c == ',') {
            ++points;
            blankAtPoint = blankAtPoint || (at > 0 && isBlank(typed[at - 1]))
                           || (at + 1 < typed.size() && isBlank(typed[at + 1]));
            continue;
        }
        const int value = digitValue(c);
        if (value < 0 || value >= exercise.toBase)
            return refused(Refusal::NotADigit, characterAt(typed, at));
        (points == 0 ? whole : fraction) += radixDigit(static_cast<std::uint8_t>(value));
    }
    if (whole.empty() && fraction.empty())
        return refused(Refusal::Empty);
    if (points > 0 && exercise.kind != ExerciseKind::FractionToBinary)
        return refused(Refusal::PointInWhole);
    if (points > 1)
        return refused(Refusal::TwoPoints);
    if (blankAtPoint)
        return refused(Refusal::SpaceInsideGroup);

    whole.erase(0, whole.find_first_not_of('0'));
    if (whole.empty())
        whole = "0";
    fraction.erase(fraction.find_last_not_of('0') + 1);

    const std::string &answer = exercise.answer;
    const std::size_t point = std::min(answer.find('.'), answer.size());
    const std::string rightWhole = answer.substr(0, point);
    const std::string rightDigits = rightWhole + answer.substr(std::min(point + 1, answer.size()));
    const std::string digits = whole + fraction;
    AnswerCheck check;
    if (whole.size() == rightWhole.size() && digits == rightDigits) {
        check.verdict = AnswerCheck::Verdict::Right;
        return check;
    }
    // A whole part of the wrong length puts every later digit in the wrong place: the
    // mistake is sought in the whole part alone.
    const bool sameWhole = whole.size() == rightWhole.size();
    const std::string &mine = sameWhole ? digits : whole;
    const std::string &right = sameWhole ? rightDigits : rightWhole;
    const auto differ = std::mismatch(mine.begin(), mine.end(), right.begin(), right.end());
    check.verdict = AnswerCheck::Verdict::Wrong;
    check.firstWrong = static_cast<std::size_t>(differ.first - mine.begin());
    check.mistake = differ.first == mine.end()     ? AnswerCheck::Mistake::MissingDigit
                    : differ.second == right.end() ? AnswerCheck::Mistake::ExtraDigit
                                                   : AnswerCheck::Mistake::WrongDigit;
    return check;
}

WorkingStep stepOfDigit(const Exercise &exercise, std::size_t digit)
{
    using Table = WorkingStep::Table;
    const std::string &answer = exercise.answer;
    if (answer.empty())
        return {};
    const std::size_t point = std::min(answer.find('.'), answer.size());
    const std::size_t count = answer.size() - (point < answer.size() ? 1 : 0);
    digit = std::min(digit, count - 1);
    switch (exercise.kind) {
    case ExerciseKind::BinaryToDecimal:
    case ExerciseKind::OctalToDecimal:
    case ExerciseKind::HexadecimalToDecimal:
        return {Table::Sum, 0};
    case ExerciseKind::BinaryToOctal:
    case ExerciseKind::BinaryToHexadecimal:
        return {Table::Groups, digit};
    case ExerciseKind::OctalToBinary:
    case ExerciseKind::HexadecimalToBinary: {
        // The groups are padded on the left to whole groups, which shifts every bit.
        const std::size_t width = exercise.fromBase == 8 ? 3 : 4;
        const std::size_t padded = (count + width - 1) / width * width;
        return {Table::Groups, (digit + padded - count) / width};
    }
    default:
        // The division gives the last whole digit first.
        if (digit < point)
            return {Table::Division, point - 1 - digit};
        return {Table::Fraction, digit - point};
    }
}

} // namespace radixon
