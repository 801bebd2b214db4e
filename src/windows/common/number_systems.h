#pragma once

#include "conversion/radix_to_decimal.h"

#include <QtGlobal>

#include <array>
#include <cstdint>

namespace radixon {

// The catalogues' context of every text below.
inline constexpr char numberSystemContext[] = "NumberSystem";

// A number system the windows offer by name.
struct NumberSystem {
    std::uint8_t base;
    const char *name;            // an entry of a system list
    const char *listTitle;       // the lists window's frame around its numbers
    const char *listTip;         // before a number of the lists window, in its tooltip
    const char *sentLabel;       // before a number sent to the temporary list
    const char *toBaseHeading;   // the working's heading; %1 the decimal number
    const char *fromBaseHeading; // the working's heading; %1 the digits
};

// In the order every list of them shows: the system lists of the main and to-decimal
// windows, the lists window, the main window's live line.
inline constexpr std::array<NumberSystem, 3> numberSystems{{
    {2, QT_TRANSLATE_NOOP("NumberSystem", "Binary"),
     QT_TRANSLATE_NOOP("NumberSystem", "Binary System"),
     QT_TRANSLATE_NOOP("NumberSystem", "Binary "), QT_TRANSLATE_NOOP("NumberSystem", "Bin: "),
     QT_TRANSLATE_NOOP("NumberSystem", "%1 from decimal to binary (base 2)"),
     QT_TRANSLATE_NOOP("NumberSystem", "%1 from binary (base 2) to decimal")},
    {8, QT_TRANSLATE_NOOP("NumberSystem", "Octal"),
     QT_TRANSLATE_NOOP("NumberSystem", "Octal System"), QT_TRANSLATE_NOOP("NumberSystem", "Octal "),
     QT_TRANSLATE_NOOP("NumberSystem", "Oct: "),
     QT_TRANSLATE_NOOP("NumberSystem", "%1 from decimal to octal (base 8)"),
     QT_TRANSLATE_NOOP("NumberSystem", "%1 from octal (base 8) to decimal")},
    {16, QT_TRANSLATE_NOOP("NumberSystem", "Hexademical"),
     QT_TRANSLATE_NOOP("NumberSystem", "Hexademical System"),
     QT_TRANSLATE_NOOP("NumberSystem", "Hexademical "), QT_TRANSLATE_NOOP("NumberSystem", "Hex: "),
     QT_TRANSLATE_NOOP("NumberSystem", "%1 from decimal to hexadecimal (base 16)"),
     QT_TRANSLATE_NOOP("NumberSystem", "%1 from hexadecimal (base 16) to decimal")},
}};

static_assert(
    [] {
        for (const NumberSystem &system : numberSystems) {
            if (!bitsPerDigit(system.base))
                return false;
        }
        return true;
    }(),
    "each system is one the engine converts to decimal");

// The system at `index` of a list of them, or none for an index outside it.
inline const NumberSystem *numberSystemAt(int index)
{
    return index >= 0 && index < int(numberSystems.size()) ? &numberSystems[std::size_t(index)]
                                                           : nullptr;
}

// The system of `base`, or none for a base without a name of its own.
inline const NumberSystem *numberSystemOf(int base)
{
    for (const NumberSystem &system : numberSystems) {
        if (system.base == base)
            return &system;
    }
    return nullptr;
}

} // namespace radixon
