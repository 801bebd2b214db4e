#include "windows/to_decimal/to_decimal_working.h"

#include "windows/common/number_systems.h"

namespace radixon {

Working toDecimalWorking(int systemIndex, const QString &digits)
{
    const NumberSystem *system = numberSystemAt(systemIndex);
    if (!system)
        return std::monostate();
    const std::string typed = digits.toStdString();
    if (std::optional<PositionalWorking> working = PositionalWorking::of(typed, system->base))
        return *std::move(working);
    return FailedCalculation{radixTextFailure(typed, system->base).value_or(ConversionFailure{}),
                             digits, system->base};
}

} // namespace radixon
