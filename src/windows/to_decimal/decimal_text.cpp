#include "windows/to_decimal/decimal_text.h"

namespace radixon {

std::optional<std::uint8_t> systemBase(int systemIndex)
{
    constexpr std::uint8_t bases[] = {2, 8, 16};
    if (systemIndex < 0 || systemIndex >= int(std::size(bases)))
        return std::nullopt;
    return bases[systemIndex];
}

Working toDecimalWorking(int systemIndex, const QString &digits)
{
    const std::optional<std::uint8_t> base = systemBase(systemIndex);
    if (!base)
        return std::monostate();
    const std::string typed = digits.toStdString();
    if (std::optional<PositionalWorking> working = PositionalWorking::of(typed, *base))
        return *std::move(working);
    return FailedCalculation{radixTextFailure(typed, *base).value_or(ConversionFailure{}), digits,
                             *base};
}

} // namespace radixon
