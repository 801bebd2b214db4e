#include "windows/other_base/to_base.h"

#include "windows/common/number_text.h"

namespace radixon {

std::optional<DivisionWorking> toBaseWorking(const QString &number, const QString &base,
                                             const QLocale &locale)
{
    const std::optional<std::uint8_t> radix = baseFromText(base, locale);
    return radix ? decimalTextWorking(number, *radix, locale) : std::nullopt;
}

} // namespace radixon
