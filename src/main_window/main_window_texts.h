#pragma once

#include "main_window/main_window_names.h"
#include "windows/common/bilingual.h"

#include <array>
#include <cstdint>

namespace radixon::main_window {

// The main window's texts, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, {"Radixon By Zendor", "Radixon Από Τον Zendor"}},
    {name::converterFrame, TextRole::Caption, {"Radixon", "Radixon"}},
    {name::optionsPanel, TextRole::Caption, {"Options", "Επιλογές"}},
    {name::systemLabel,
     TextRole::Caption,
     {"Choose Numerical System:", "Διάλεξε Αριθμητικό Σύστημα:"}},
    {name::numberLabel, TextRole::Caption, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {name::resultLabel, TextRole::Caption, {"Result:", "Αποτέλεσμα:"}},
    {name::calculateButton, TextRole::Caption, {"Calculate", "Υπολογισμός"}},
    {name::calculateButton, TextRole::ToolTip, {"Calculate", "Υπολογισμός"}},
    {name::listsBox, TextRole::Caption, {"Show Lists", "Εμφάνιση Λιστών"}},
    // The language box names the languages in the language that is not active.
    {name::languageBox, TextRole::Caption, {"Ελληνικά/Αγγλικά", "Greek/English"}},
    {name::optionsBox, TextRole::Caption, {"Options", "Επιλογές"}},
    {name::temporaryListBox, TextRole::Caption, {"Temporary List", "Προσωρινή Λίστα"}},
    {name::otherBaseBox, TextRole::Caption, {"Convertion To Other", "Μετατροπή Σε Άλλο"}},
    {name::toDecimalBox, TextRole::Caption, {"Convertion To Decimal", "Μετατροπή Σε Δεκαδικό"}},
    {name::showAllBox, TextRole::Caption, {"Show All", "Εμφάνιση Όλων"}},
    {name::numberField,
     TextRole::ToolTip,
     {"Enter number and press [Calculate] or Enter",
      "Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter"}},
    {name::onTopBox, TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
    {name::aboutPicture, TextRole::ToolTip, {"About:", "Σχετικά:"}},
    // Screen readers find the fields by the label that stands above them.
    {name::systemList,
     TextRole::AccessibleName,
     {"Choose Numerical System:", "Διάλεξε Αριθμητικό Σύστημα:"}},
    {name::numberField, TextRole::AccessibleName, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {name::resultField, TextRole::AccessibleName, {"Result:", "Αποτέλεσμα:"}},
    {name::previewField,
     TextRole::AccessibleName,
     {"Binary - Octal - Hexademical", "Δυαδικό - Οκταδικό - Δεκαεξαδικό"}},
};

// The target systems of the system list, by index: base, entry and the temporary list label.
struct NumberSystem {
    std::uint8_t base;
    TextPair entry;
    TextPair listLabel;
};

inline constexpr std::array<NumberSystem, 3> systems{{
    {2, {"Binary", "Δυαδικό"}, {"Bin: ", "Δυαδ: "}},
    {8, {"Octal", "Οκταδικό"}, {"Oct: ", "Οκτ: "}},
    {16, {"Hexademical", "Δεκαεξαδικό"}, {"Hex: ", "Δεκ: "}},
}};

} // namespace radixon::main_window

namespace radixon::main_window {

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

} // namespace radixon::main_window
