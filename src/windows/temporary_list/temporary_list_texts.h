#pragma once

#include "windows/common/bilingual.h"
#include "windows/temporary_list/temporary_list_names.h"

namespace radixon::temporary_list {

// The window's captions, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, {"RX Temporary List:", "RX Προσωρινή Λίστα:"}},
    {name::listFrame, TextRole::Caption, {"Temporary List", "Προσωρινή Λίστα"}},
    {name::optionsPanel, TextRole::Caption, {"Options", "Επιλογές"}},
    {name::saveBox, TextRole::Caption, {"Save Temporary List", "Αποθήκευση Προσωρινής Λίστας"}},
    {name::removeSelectedBox,
     TextRole::Caption,
     {"Remove Selected Item", "Αφαίρεση Επιλεγμένου Στοιχείου"}},
    {name::removeRepeatsBox,
     TextRole::Caption,
     {"Remove Double Items", "Αφαίρεση Διπλών Στοιχείων"}},
    {name::removeAllBox, TextRole::Caption, {"Remove All Items", "Αφαίρεση Όλων Των Στοιχείων"}},
    {name::onTopBox, TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
};

// Texts of the save action; they follow the main window's language at the moment of the click.
inline constexpr TextPair messageTitle{"Radixon_Radixon", "Radixon_Radixon"};
inline constexpr TextPair emptyList{"There Are No Items In The Temporary List To Save",
                                    "Δεν Υπάρχουν Στοιχεία Στην Προσωρινή Λίστα Για Αποθήκευση"};
inline constexpr TextPair notSaved{"The Temporary List Could Not Be Saved",
                                   "Η Προσωρινή Λίστα Δεν Αποθηκεύτηκε"};
inline constexpr TextPair defaultFileName{"Radixon List", "Radixon Λίστα"};
inline constexpr TextPair dialogTitle{"Radixon_Radixon. Enter a File Name:",
                                      "Radixon_Radixon. Enter a File Name:"};
inline constexpr char fileFilter[] = "Text Document(*.txt)";

} // namespace radixon::temporary_list
