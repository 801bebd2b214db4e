#pragma once

#include "conversion/working.h"

#include <QString>

#include <optional>

namespace radixon {

// The steps to the exact decimal value of `digits` in the system of the to-decimal window's list at
// `systemIndex` (binary, octal, hexadecimal), as typed; fails on a character that
// is not a digit of the system or on an index that names no system.
std::optional<PositionalWorking> toDecimalWorking(int systemIndex, const QString &digits);

} // namespace radixon
