#pragma once

#include "windows/common/working_steps.h"

#include <QString>

namespace radixon {

// The steps to the exact decimal value of `digits`, as typed, in the system at `systemIndex` of
// numberSystems, or why there are none: a character that is not a digit of the system, too
// many digits, or an index that names no system.
Working toDecimalWorking(int systemIndex, const QString &digits);

} // namespace radixon
