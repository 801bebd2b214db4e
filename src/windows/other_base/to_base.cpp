#include "windows/other_base/to_base.h"

#include "windows/common/number_text.h"

namespace radixon {

Working toBaseWorking(const QString &number, const QString &base, const QLocale &locale)
{
    const std::string separator = locale.decimalPoint().toStdString();
    if (const std::optional<ConversionFailure> failure = baseFailure(base.toStdString(), separator))
        return FailedCalculation{*failure, base};
    return decimalTextWorking(number, *baseFromText(base, locale), locale);
}

} // namespace radixon
