#pragma once

#include "windows/common/bilingual.h"

#include <array>

namespace radixon::form2 {

// The window's captions, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {"Frame1", TextRole::Caption, {"Binary System", "Δυαδικό Σύστημα"}},
    {"Frame3", TextRole::Caption, {"Hexademical System", "Δεκαεξαδικό Σύστημα"}},
    {"Frame2", TextRole::Caption, {"Octal System", "Οκταδικό Σύστημα"}},
    {"Frame4", TextRole::Caption, {"Options", "Επιλογές"}},
    {"Form2", TextRole::Title,
     {"RX Lists:  (Double Click Item To Send To Temorary List)",
      "RX Λίστες: (Διπλό Κλικ Σε Στοιχειο Για Να Το Στείλετε Στην Προσ. Λίστα)"}},
    {"Check2", TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
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

inline constexpr std::array<NumberList, 3> lists{{
    {"List1", 2, 4, {"Binary ", "Δυαδικό "}, {"Bin: ", "Δυαδ: "}},
    {"List2", 8, 6, {"Octal ", "Οκταδικό "}, {"Oct: ", "Οκτ: "}},
    {"List3", 16, 7, {"Hexademical ", "Δεκαεξαδικό "}, {"Hex: ", "Δεκ: "}},
}};

} // namespace radixon::form2
