#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace radixon {

// Exact decimal value, in plain digits, of a string of binary, octal or hexadecimal
// digits (UTF-8 text as typed: no trimming, sign or prefix). An empty text gives "0";
// a character that is not a digit of the base, or a text of more than 32767
// characters, fails. Hexadecimal letters count in either case.
std::optional<std::string> binaryToDecimal(std::string_view digits);
std::optional<std::string> octalToDecimal(std::string_view digits);
std::optional<std::string> hexadecimalToDecimal(std::string_view digits);
// Whether the conversion of `digits` to decimal succeeds, without converting them.
bool isRadixText(std::string_view digits, std::uint8_t base);
// The same for base 2, 8 or 16.
std::optional<std::string> radixToDecimal(std::string_view digits, std::uint8_t base);

} // namespace radixon
