#pragma once

#include "windows/common/bilingual.h"

#include <array>

namespace radixon::form_numeric {

// The main window's texts, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {"Form_Numeric", TextRole::Title, {"Radixon By Zendor", "Radixon Από Τον Zendor"}},
    {"Frame1", TextRole::Caption, {"Radixon", "Radixon"}},
    {"Frame3", TextRole::Caption, {"Options", "Επιλογές"}},
    {"Label1", TextRole::Caption, {"Choose Numerical System:", "Διάλεξε Αριθμητικό Σύστημα:"}},
    {"Label3", TextRole::Caption, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {"Label4", TextRole::Caption, {"Result:", "Αποτέλεσμα:"}},
    {"Command2", TextRole::Caption, {"Calculate", "Υπολογισμός"}},
    {"Command2", TextRole::ToolTip, {"Calculate", "Υπολογισμός"}},
    {"Check3", TextRole::Caption, {"Show Lists", "Εμφάνιση Λιστών"}},
    // The language box names the languages in the language that is not active.
    {"Check4", TextRole::Caption, {"Ελληνικά/Αγγλικά", "Greek/English"}},
    {"Check5", TextRole::Caption, {"Options", "Επιλογές"}},
    {"Check1", TextRole::Caption, {"Temporary List", "Προσωρινή Λίστα"}},
    {"Check11", TextRole::Caption, {"Convertion To Other", "Μετατροπή Σε Άλλο"}},
    {"Check12", TextRole::Caption, {"Convertion To Decimal", "Μετατροπή Σε Δεκαδικό"}},
    {"Check13", TextRole::Caption, {"Show All", "Εμφάνιση Όλων"}},
    {"Text1", TextRole::ToolTip,
     {"Enter number and press [Calculate] or Enter",
      "Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter"}},
    {"Check8", TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
    {"Image1", TextRole::ToolTip, {"About:", "Σχετικά:"}},
    // Screen readers find the fields by the label that stands above them.
    {"Combo1", TextRole::AccessibleName, {"Choose Numerical System:", "Διάλεξε Αριθμητικό Σύστημα:"}},
    {"Text1", TextRole::AccessibleName, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {"Text2", TextRole::AccessibleName, {"Result:", "Αποτέλεσμα:"}},
    {"Text3", TextRole::AccessibleName,
     {"Binary - Octal - Hexademical", "Δυαδικό - Οκταδικό - Δεκαεξαδικό"}},
};

// The target systems of Combo1, by index: base, entry and the temporary list label.
struct NumberSystem {
    int base;
    TextPair entry;
    TextPair listLabel;
};

inline constexpr std::array<NumberSystem, 3> systems{{
    {2, {"Binary", "Δυαδικό"}, {"Bin: ", "Δυαδ: "}},
    {8, {"Octal", "Οκταδικό"}, {"Oct: ", "Οκτ: "}},
    {16, {"Hexademical", "Δεκαεξαδικό"}, {"Hex: ", "Δεκ: "}},
}};

} // namespace radixon::form_numeric

namespace radixon::form_numeric {

// Asked before any language is chosen, so in both at once.
inline constexpr const char *anotherCopyTitle = "Radixon";
inline constexpr const char *anotherCopyQuestion = "Το πρόγραμμα είναι ανοιχτό.\n"
                                                   "Θέλετε να ξεκινήσετε ένα καινούργιο ;\n"
                                                   "Program is already open.\n"
                                                   "Want to start a new one ?";

inline constexpr const char *farewellTitle = "Radixon";
inline constexpr TextPair farewell{"Thank you for using my program!",
                                   "Ευχαριστώ που χρησιμοποιείτε το πρόγραμμά μου!"};
inline constexpr const char *author = "Zendor";

} // namespace radixon::form_numeric
