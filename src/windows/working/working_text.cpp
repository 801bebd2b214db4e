#include "windows/working/working_text.h"

#include "conversion/to_radix.h"
#include "windows/common/number_systems.h"
#include "windows/working/working_model.h"
#include "windows/working/working_texts.h"

#include <QStringList>

#include <algorithm>
#include <bitset>

namespace radixon {

namespace {

// A reading line longer than this is shown in brief.
constexpr std::size_t lineDigits = 200;
// What was typed, quoted back: longer inputs are shown by their ends.
constexpr int quotedLength = 40;
// From this base on, a digit may take two figures ("22").
constexpr int firstSpacedBase = 23;

QString text(const std::string &s) { return QString::fromStdString(s); }

// The digit values a working writes, for the legend.
using DigitSet = std::bitset<256>;

struct Writer {
    const Language &language;
    const QString &point;

    QString tr(const char *source) const { return language.text(working::context, source); }
    QString ofSystem(const char *source) const
    {
        return language.text(numberSystemContext, source);
    }
    QString decimal(const std::string &number) const { return decimalText(number, point); }
    QString quoted(const QString &typed) const
    {
        if (typed.size() <= quotedLength)
            return typed;
        return briefText(
            {typed.left(6).toStdString(), typed.right(6).toStdString(), std::size_t(typed.size())},
            language);
    }
};

// The digits of a base run together, or spaced where a digit may take several figures.
QString joinedDigits(const std::vector<std::uint8_t> &digits, std::uint8_t base)
{
    QStringList written;
    for (const std::uint8_t digit : digits)
        written << text(radixDigit(digit));
    return written.join(base >= firstSpacedBase ? QStringLiteral(" ") : QString());
}

// "0 and 1", "0 to 7", "0 to 9 and A to F".
QString digitsOf(const Writer &w, int base)
{
    if (base == 2)
        return w.tr(working::twoDigits);
    if (base <= 10)
        return w.tr(working::figuresTo).arg(base - 1);
    return w.tr(working::figuresAndLettersTo).arg(text(radixDigit(std::uint8_t(base - 1))));
}

QString failureText(const Writer &w, const FailedCalculation &failed)
{
    using Reason = ConversionFailure::Reason;
    const ConversionFailure &failure = failed.failure;
    const QString why = w.tr(working::failures[int(failure.reason)]);
    QString said;
    switch (failure.reason) {
    case Reason::TooLarge:
        said = why.arg(w.quoted(failed.input), text(std::string(Decimal::maxMagnitude)));
        break;
    case Reason::NotADigit: {
        said = why.arg(text(failure.character)).arg(failed.base).arg(digitsOf(w, failed.base));
        break;
    }
    case Reason::TooLong:
        said = why.arg(failed.input.size());
        break;
    default:
        said = why.arg(w.quoted(failed.input));
    }
    return w.tr(working::noResult) + QLatin1Char('\n') + said;
}

// The letters among the digits, each with its value: "A = 10, E = 14".
QString legend(const Writer &w, const DigitSet &used)
{
    QStringList values;
    for (std::uint8_t digit = 10; digit < 22; ++digit) {
        if (used[digit])
            values << text(radixDigit(digit)) + QLatin1String(" = ") + QString::number(digit);
    }
    return values.isEmpty() ? QString()
                            : w.tr(working::digitValues).arg(values.join(QLatin1String(", ")));
}

WorkingLines divisionLines(const Writer &w, const DivisionWorking &division)
{
    const int base = division.base();
    const QString number = w.decimal(toString(division.value()));
    const NumberSystem *system = numberSystemOf(base);
    WorkingLines lines;
    lines.heading = (system ? w.ofSystem(system->toBaseHeading).arg(number)
                            : w.tr(working::toOtherBase).arg(number).arg(base))
                    + QLatin1Char('\n') + w.tr(working::divideMethod).arg(base);
    const std::vector<std::uint8_t> whole = division.digitValues();
    DigitSet used;
    for (const std::uint8_t digit : whole)
        used.set(digit);
    QStringList notes;
    const std::optional<FractionWorking> fraction = division.fraction();
    if (!fraction) {
        lines.reading = w.tr(working::readUpwards) + joinedDigits(whole, division.base());
    } else {
        lines.heading +=
            QLatin1Char('\n')
            + w.tr(working::multiplyMethod).arg(w.decimal(fraction->fraction())).arg(base);
        std::vector<std::uint8_t> before = fraction->digitValues();
        for (const std::uint8_t digit : before)
            used.set(digit);
        const auto preperiod = std::ptrdiff_t(std::min(fraction->preperiodLength(), before.size()));
        const std::vector<std::uint8_t> repeating(before.begin() + preperiod, before.end());
        before.resize(std::size_t(preperiod));
        QString digits = joinedDigits(before, division.base());
        if (!repeating.empty()) {
            const QString period = joinedDigits(repeating, division.base());
            const QString space =
                base >= firstSpacedBase && !before.empty() ? QStringLiteral(" ") : QString();
            digits += fraction->periodShownWhole()
                          ? space + QLatin1Char('(') + period + QLatin1Char(')')
                          : space + period + QStringLiteral("…");
        }
        lines.reading = w.tr(working::readWithFraction) + joinedDigits(whole, division.base())
                        + w.point + digits;
        notes << w.tr(working::wholePartOnly);
        if (fraction->repeats()) {
            notes << (fraction->periodShownWhole()
                          ? w.tr(working::periodShown)
                                .arg(w.decimal(fraction->row(fraction->preperiodLength()).fraction),
                                     text(fraction->periodLength()))
                          : w.tr(working::periodLonger)
                                .arg(text(fraction->periodLength()))
                                .arg(FractionWorking::maxRows));
        }
    }
    notes << legend(w, used);
    if (base >= firstSpacedBase)
        notes << w.tr(working::spacedDigits).arg(base);
    notes.removeAll(QString());
    lines.notes = notes.join(QLatin1Char('\n'));
    return lines;
}

WorkingLines positionalLines(const Writer &w, const PositionalWorking &positional, bool inFull)
{
    const QString digits = text(positional.digits());
    WorkingLines lines;
    // The engine works positionally in the named systems alone.
    lines.heading =
        w.ofSystem(numberSystemOf(positional.base())->fromBaseHeading).arg(w.quoted(digits))
        + QLatin1Char('\n') + w.tr(working::positionalMethod).arg(positional.base());
    const NumberInBrief sum = positional.sumInBrief(inFull ? SIZE_MAX : lineDigits);
    lines.reading = w.tr(working::sum) + QLatin1String(": ") + briefText(sum, w.language);
    if (!sum.last.empty())
        lines.reading += QLatin1Char(' ') + w.tr(working::copyGivesAll);
    // Thousands of digits: looked at once each, for the six letters they can hold.
    DigitSet used;
    for (const char digit : positional.digits()) {
        if (digit > '9')
            used.set(std::size_t((digit | 0x20) - 'a' + 10));
    }
    lines.notes = legend(w, used);
    return lines;
}

} // namespace

WorkingLines workingLines(const Working &working, const Language &language, const QString &point,
                          bool inFull)
{
    const Writer w{language, point};
    if (const auto *division = std::get_if<DivisionWorking>(&working))
        return divisionLines(w, *division);
    if (const auto *positional = std::get_if<PositionalWorking>(&working))
        return positionalLines(w, *positional, inFull);
    if (const auto *failed = std::get_if<FailedCalculation>(&working))
        return {failureText(w, *failed), {}, {}};
    return {w.tr(working::calculateFirst), {}, {}};
}

} // namespace radixon
