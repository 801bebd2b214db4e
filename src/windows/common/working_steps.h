#pragma once

#include "conversion/conversion_failure.h"
#include "conversion/working.h"

#include <QString>

#include <variant>

namespace radixon {

// A calculation that gave no result: why, and what was typed where it went wrong.
struct FailedCalculation {
    ConversionFailure failure;
    QString input;
    int base = 0; // whose digits were expected, for a character that is none of them
};

// A converting window's last calculation: none yet, its steps, or why there are none.
using Working = std::variant<std::monostate, DivisionWorking, PositionalWorking, FailedCalculation>;

// What the result field shows for it: the converted number, or nothing.
inline QString resultOf(const Working &working)
{
    if (const auto *division = std::get_if<DivisionWorking>(&working))
        return QString::fromStdString(division->result());
    if (const auto *positional = std::get_if<PositionalWorking>(&working))
        return QString::fromStdString(positional->sum());
    return {};
}

} // namespace radixon
