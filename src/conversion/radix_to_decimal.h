#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace radixon {

constexpr std::size_t maxRadixTextLength = 32767;

// The bases radixToDecimal reads, and how many binary digits one digit of each stands
// for; none for any other base.
constexpr std::optional<unsigned> bitsPerDigit(std::uint8_t base)
{
    switch (base) {
    case 2:
        return 1;
    case 8:
        return 3;
    case 16:
        return 4;
    default:
        return std::nullopt;
    }
}

// Exact decimal value, in plain digits, of a string of digits in base 2, 8 or 16
// (UTF-8 text as typed: no trimming, sign or prefix). An empty text gives "0"; a
// character that is not a digit of the base, or a text of more than 32767 characters,
// fails. Hexadecimal letters count in either case.
std::optional<std::string> radixToDecimal(std::string_view digits, std::uint8_t base);
// Whether radixToDecimal succeeds, without converting.
bool isRadixText(std::string_view digits, std::uint8_t base);

} // namespace radixon
