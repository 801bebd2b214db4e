#pragma once

#include "windows/common/bilingual.h"
#include "windows/common/converter_names.h"
#include "windows/other_base/other_base_names.h"

namespace radixon::other_base {

// The window's texts, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, {"Radixon By Zendor", "Radixon Από Τον Zendor"}},
    {converter::name::converterFrame,
     TextRole::Caption,
     {"Other Numerical System", "Άλλο Αριθμητικό Σύστημα"}},
    {converter::name::optionsPanel, TextRole::Caption, {"Options", "Επιλογές"}},
    {name::baseLabel, TextRole::Caption, {"Enter Base Number:", "Πληκτρολόγισε Βάση:"}},
    {name::numberLabel, TextRole::Caption, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {name::resultLabel, TextRole::Caption, {"Result:", "Αποτέλεσμα:"}},
    {name::calculateButton, TextRole::Caption, {"Calculate", "Υπολογισμός"}},
    {converter::name::optionsBox, TextRole::Caption, {"Options", "Επιλογές"}},
    {converter::name::onTopBox, TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
    {converter::name::dockBox, TextRole::Caption, {"Dock", "Καρφίτσωμα"}},
    // The language box names the languages in the language that is not shown.
    {converter::name::languageBox, TextRole::Caption, {"Ελληνικά/Αγγλικά", "Greek/English"}},
    {name::numberField,
     TextRole::ToolTip,
     {"Enter number and press [Calculate] or Enter",
      "Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter"}},
    {name::calculateButton, TextRole::ToolTip, {"Calculate", "Υπολογισμός"}},
};

} // namespace radixon::other_base
