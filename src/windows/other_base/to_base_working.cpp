#include "windows/other_base/to_base_working.h"

#include "windows/common/typed_numbers.h"

namespace radixon {

Working toBaseWorking(const QString &number, const QString &base, const QLocale &locale)
{
    if (const std::optional<ConversionFailure> failure = baseTextFailure(base, locale))
        return FailedCalculation{*failure, base};
    return decimalTextWorking(number, *baseFromText(base, locale), locale);
}

} // namespace radixon
