#include "windows/form5/to_decimal.h"

#include "conversion/radix_to_decimal.h"

namespace radixon {

std::optional<QString> toDecimalText(int systemIndex, const QString &digits)
{
    const std::string text = digits.toStdString();
    std::optional<std::string> value;
    switch (static_cast<SourceSystem>(systemIndex)) {
    case SourceSystem::Binary: value = ConvertBinaryToDecimal(text); break;
    case SourceSystem::Octal: value = ConvertOctalToDecimal(text); break;
    case SourceSystem::Hexadecimal: value = ConvertHexadecimalToDecimal(text); break;
    }
    if (!value)
        return std::nullopt;
    return QString::fromStdString(*value);
}

} // namespace radixon
