#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace radixon {

// Exact decimal value, in plain digits, of a string of binary, octal or hexadecimal
// digits (UTF-8 text as typed: no trimming, sign or prefix). An empty text gives "0";
// a character that is not a digit of the base, or a text of more than 32767
// characters, fails. Hexadecimal letters count in either case.
std::optional<std::string> ConvertBinaryToDecimal(std::string_view BinVal);
std::optional<std::string> ConvertOctalToDecimal(std::string_view BinVal);
std::optional<std::string> ConvertHexadecimalToDecimal(std::string_view BinVal);

// Value of one hexadecimal digit character: "0"-"9", "A"-"F", "a"-"f"; anything else 0.
int HexDigitValue(std::string_view character);

} // namespace radixon
