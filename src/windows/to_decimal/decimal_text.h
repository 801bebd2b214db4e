#pragma once

#include "conversion/working.h"

#include <QString>

#include <optional>

namespace radixon {

// Exact decimal value of `digits` in the system of the to-decimal window's list at
// `systemIndex` (binary, octal, hexadecimal), as typed; fails on a character that
// is not a digit of the system or on an index that names no system.
std::optional<QString> toDecimalText(int systemIndex, const QString &digits);
// The same as the steps that reach the value.
std::optional<PositionalWorking> toDecimalWorking(int systemIndex, const QString &digits);

} // namespace radixon
