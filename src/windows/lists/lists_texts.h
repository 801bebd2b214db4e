#pragma once

#include "windows/common/bilingual.h"
#include "windows/lists/lists_names.h"

#include <array>

namespace radixon::lists {

// The window's captions, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {name::binaryFrame, TextRole::Caption, {"Binary System", "Δυαδικό Σύστημα"}},
    {name::hexadecimalFrame, TextRole::Caption, {"Hexademical System", "Δεκαεξαδικό Σύστημα"}},
    {name::octalFrame, TextRole::Caption, {"Octal System", "Οκταδικό Σύστημα"}},
    {name::optionsFrame, TextRole::Caption, {"Options", "Επιλογές"}},
    {name::window,
     TextRole::Title,
     {"RX Lists:  (Double Click Item To Send To Temorary List)",
      "RX Λίστες: (Διπλό Κλικ Σε Στοιχειο Για Να Το Στείλετε Στην Προσ. Λίστα)"}},
    {name::onTopBox, TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
};

// One list per system: its base, the number of columns it shows, and the texts that
// follow the main window's language at the moment they are used.
struct NumberList {
    const char *objectName;
    int base;
    int columns;
    TextPair tipPrefix;
    TextPair sentLabel;
};

inline constexpr std::array<NumberList, 3> numberLists{{
    {name::binaryList, 2, 4, {"Binary ", "Δυαδικό "}, {"Bin: ", "Δυαδ: "}},
    {name::octalList, 8, 6, {"Octal ", "Οκταδικό "}, {"Oct: ", "Οκτ: "}},
    {name::hexadecimalList, 16, 7, {"Hexademical ", "Δεκαεξαδικό "}, {"Hex: ", "Δεκ: "}},
}};

} // namespace radixon::lists
