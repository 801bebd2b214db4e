#include "windows/to_decimal/decimal_text.h"

namespace radixon {

Working toDecimalWorking(int systemIndex, const QString &digits)
{
    constexpr std::uint8_t bases[] = {2, 8, 16};
    if (systemIndex < 0 || systemIndex >= int(std::size(bases)))
        return std::monostate();
    const std::string typed = digits.toStdString();
    if (std::optional<PositionalWorking> working = PositionalWorking::of(typed, bases[systemIndex]))
        return *std::move(working);
    return FailedCalculation{
        radixTextFailure(typed, bases[systemIndex]).value_or(ConversionFailure{}), digits,
        bases[systemIndex]};
}

} // namespace radixon
