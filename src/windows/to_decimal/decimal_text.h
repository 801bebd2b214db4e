#pragma once

#include <QString>

#include <optional>

namespace radixon {

// The number systems of the conversion-to-decimal window, in the order of its list.
enum class SourceSystem { Binary = 0, Octal = 1, Hexadecimal = 2 };

// Exact decimal value of `digits` in `system`, as typed; fails on a character that
// is not a digit of the system or on an index that names no system.
std::optional<QString> toDecimalText(int systemIndex, const QString &digits);

} // namespace radixon
