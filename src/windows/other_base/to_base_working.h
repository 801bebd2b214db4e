#pragma once

#include "windows/common/working_steps.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace radixon {

// The steps to the digits of the decimal number `number` in the base typed as `base` (read in the
// locale, rounded half to even), or why there are none: unless both are numbers, the number
// is not negative and the base lies in 2 to 255.
Working toBaseWorking(const QString &number, const QString &base,
                      const QLocale &locale = QLocale());

} // namespace radixon
