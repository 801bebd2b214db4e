#include "windows/to_decimal/decimal_text.h"

#include "conversion/radix_to_decimal.h"

namespace radixon {

std::optional<QString> toDecimalText(int systemIndex, const QString &digits)
{
    const std::string text = digits.toStdString();
    std::optional<std::string> value;
    switch (static_cast<SourceSystem>(systemIndex)) {
    case SourceSystem::Binary:
        value = binaryToDecimal(text);
        break;
    case SourceSystem::Octal:
        value = octalToDecimal(text);
        break;
    case SourceSystem::Hexadecimal:
        value = hexadecimalToDecimal(text);
        break;
    }
    if (!value)
        return std::nullopt;
    return QString::fromStdString(*value);
}

} // namespace radixon
