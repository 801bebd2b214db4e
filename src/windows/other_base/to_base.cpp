#include "windows/other_base/to_base.h"

#include "windows/common/number_text.h"

namespace radixon {

std::optional<QString> toBaseText(const QString &number, const QString &base, const QLocale &locale)
{
    const std::optional<std::uint8_t> radix = baseFromText(base, locale);
    if (!radix)
        return std::nullopt;
    return decimalTextToRadix(number, *radix, locale);
}

} // namespace radixon
