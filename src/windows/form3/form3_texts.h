#pragma once

#include "windows/common/bilingual.h"

namespace radixon::form3 {

// The window's texts, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {"Form3", TextRole::Title, {"Radixon By Zendor", "Radixon Από Τον Zendor"}},
    {"Frame1", TextRole::Caption, {"Other Numerical System", "Άλλο Αριθμητικό Σύστημα"}},
    {"Frame2", TextRole::Caption, {"Options", "Επιλογές"}},
    {"Label1", TextRole::Caption, {"Enter Base Number:", "Πληκτρολόγισε Βάση:"}},
    {"Label2", TextRole::Caption, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {"Label3", TextRole::Caption, {"Result:", "Αποτέλεσμα:"}},
    {"Command1", TextRole::Caption, {"Calculate", "Υπολογισμός"}},
    {"Check5", TextRole::Caption, {"Options", "Επιλογές"}},
    {"Check3", TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
    {"Check2", TextRole::Caption, {"Dock", "Καρφίτσωμα"}},
    // The language box names the languages in the language that is not shown.
    {"Check1", TextRole::Caption, {"Ελληνικά/Αγγλικά", "Greek/English"}},
    {"Text2", TextRole::ToolTip,
     {"Enter number and press [Calculate] or Enter",
      "Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter"}},
    {"Command1", TextRole::ToolTip, {"Calculate", "Υπολογισμός"}},
};

} // namespace radixon::form3
