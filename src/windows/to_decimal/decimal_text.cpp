#include "windows/to_decimal/decimal_text.h"

namespace radixon {

std::optional<PositionalWorking> toDecimalWorking(int systemIndex, const QString &digits)
{
    constexpr std::uint8_t bases[] = {2, 8, 16};
    if (systemIndex < 0 || systemIndex >= int(std::size(bases)))
        return std::nullopt;
    return PositionalWorking::of(digits.toStdString(), bases[systemIndex]);
}

} // namespace radixon
