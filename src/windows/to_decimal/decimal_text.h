#pragma once

#include "windows/common/working_steps.h"

#include <QString>

#include <optional>

namespace radixon {

// The steps to the exact decimal value of `digits` in the system of the to-decimal window's list at
// `systemIndex` (binary, octal, hexadecimal), as typed, or why there are none: a character
// that is not a digit of the system, too many digits, or an index that names no system.
Working toDecimalWorking(int systemIndex, const QString &digits);
// The base of the system at `systemIndex` of that list, or none.
std::optional<std::uint8_t> systemBase(int systemIndex);

} // namespace radixon
