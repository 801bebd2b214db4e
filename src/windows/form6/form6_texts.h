#pragma once

#include "windows/common/bilingual.h"

namespace radixon::form6 {

// The window's captions, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {"Form6", TextRole::Title, {"RX Temporary List:", "RX Προσωρινή Λίστα:"}},
    {"Frame1", TextRole::Caption, {"Temporary List", "Προσωρινή Λίστα"}},
    {"Frame2", TextRole::Caption, {"Options", "Επιλογές"}},
    {"Check5", TextRole::Caption, {"Save Temporary List", "Αποθήκευση Προσωρινής Λίστας"}},
    {"Check2", TextRole::Caption, {"Remove Selected Item", "Αφαίρεση Επιλεγμένου Στοιχείου"}},
    {"Check3", TextRole::Caption, {"Remove Double Items", "Αφαίρεση Διπλών Στοιχείων"}},
    {"Check4", TextRole::Caption, {"Remove All Items", "Αφαίρεση Όλων Των Στοιχείων"}},
    {"Check1", TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
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

} // namespace radixon::form6
