#pragma once

#include "windows/common/bilingual.h"

#include <array>

namespace radixon::form5 {

// The window's texts, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {"Form5", TextRole::Title, {"Radixon By Zendor", "Radixon Από Τον Zendor"}},
    {"Frame1", TextRole::Caption, {"Conversion To Decimal", "Μετατροπή Σε Δεκαδικό"}},
    {"Frame2", TextRole::Caption, {"Options", "Επιλογές"}},
    {"Label1", TextRole::Caption, {"Choose Numerical System:", "Διάλεξε Αριθμητικό Σύστημα:"}},
    {"Label3", TextRole::Caption, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {"Label4", TextRole::Caption, {"Decimal Result:", "Δεκαδικό Αποτέλεσμα:"}},
    {"Command2", TextRole::Caption, {"Calculate", "Υπολογισμός"}},
    {"Command2", TextRole::ToolTip, {"Calculate", "Υπολογισμός"}},
    {"Check5", TextRole::Caption, {"Options", "Επιλογές"}},
    {"Check3", TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
    {"Check2", TextRole::Caption, {"Dock", "Καρφίτσωμα"}},
    // The language box names the languages in the language that is not shown.
    {"Check1", TextRole::Caption, {"Ελληνικά/Αγγλικά", "Greek/English"}},
    {"Text1", TextRole::ToolTip,
     {"Enter number and press [Calculate] or Enter",
      "Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter"}},
};

// The entries of Combo1, by index; the index chooses the conversion.
inline constexpr std::array<TextPair, 3> systems{{
    {"Binary", "Δυαδικό"},
    {"Octal", "Οκταδικό"},
    {"Hexademical", "Δεκαεξαδικό"},
}};

} // namespace radixon::form5
