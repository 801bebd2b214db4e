#include "windows/common/typed_numbers.h"

#include "windows/common/number_systems.h"

#include "conversion/decimal.h"
#include "conversion/to_radix.h"

namespace radixon {

namespace {

std::string separatorOf(const QLocale &locale) { return locale.decimalPoint().toStdString(); }

} // namespace

Working decimalTextWorking(const QString &text, std::uint8_t base, const QLocale &locale)
{
    const std::string typed = text.toStdString(), separator = separatorOf(locale);
    if (const std::optional<Decimal> value = parseDecimal(typed, separator)) {
        if (std::optional<DivisionWorking> working = DivisionWorking::of(*value, base))
            return *std::move(working);
    }
    return FailedCalculation{decimalFailure(typed, separator).value_or(ConversionFailure{}), text};
}

std::optional<std::uint8_t> baseFromText(const QString &text, const QLocale &locale)
{
    return parseBase(text.toStdString(), separatorOf(locale));
}

std::optional<ConversionFailure> baseTextFailure(const QString &text, const QLocale &locale)
{
    return baseFailure(text.toStdString(), separatorOf(locale));
}

QString previewLine(const QString &text, const QLocale &locale)
{
    // Parsed once rather than per base: the result is the same and typing stays cheap.
    const std::optional<Decimal> value = parseDecimal(text.toStdString(), separatorOf(locale));
    QString line;
    for (const NumberSystem &system : numberSystems) {
        if (&system != &numberSystems.front())
            line += QLatin1String(" - ");
        if (!value)
            continue;
        if (const std::optional<std::string> digits = toRadix(*value, system.base))
            line += QString::fromStdString(*digits);
    }
    return line;
}

} // namespace radixon
