#include "windows/lists/number_lines.h"

#include "conversion/decimal.h"
#include "conversion/to_radix.h"

namespace radixon {

QString numberLine(int n, int base)
{
    const std::optional<std::string> digits =
        toRadix(decimalFromInteger(static_cast<std::uint64_t>(n)), static_cast<std::uint8_t>(base));
    return QString::number(n) + QStringLiteral(" = ")
           + QString::fromStdString(digits.value_or(std::string()));
}

QStringList numberLines(int base)
{
    QStringList lines;
    lines.reserve(numberLineCount);
    for (int n = 1; n <= numberLineCount; ++n)
        lines.append(numberLine(n, base));
    return lines;
}

} // namespace radixon
