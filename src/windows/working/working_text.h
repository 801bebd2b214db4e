#pragma once

#include "windows/common/language.h"
#include "windows/common/working_steps.h"

#include <QString>

namespace radixon {

// The texts around a working's tables, in a language. `point` separates whole and
// fractional digits, as the user types them.
struct WorkingLines {
    QString heading; // what is converted and how, or why nothing was
    QString reading; // the result read off the working
    QString notes;   // what the result needs said: fraction, period, digit values
};
// `inFull`: a long sum whole, as Copy gives it, rather than in brief.
WorkingLines workingLines(const Working &working, const Language &language, const QString &point,
                          bool inFull = false);

} // namespace radixon
