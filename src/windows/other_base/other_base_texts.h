#pragma once

#include "windows/common/bilingual.h"
#include "windows/common/converter_names.h"
#include "windows/other_base/other_base_names.h"

namespace radixon::other_base {

// The window's own texts; the shared options panel's are in converter_texts.h.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, {"Radixon By Zendor", "Radixon Από Τον Zendor"}},
    {converter::name::converterFrame,
     TextRole::Caption,
     {"Other Numerical System", "Άλλο Αριθμητικό Σύστημα"}},
    {name::baseLabel, TextRole::Caption, {"Enter Base Number:", "Πληκτρολόγισε Βάση:"}},
    {name::numberLabel, TextRole::Caption, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {name::resultLabel, TextRole::Caption, {"Result:", "Αποτέλεσμα:"}},
    {name::calculateButton, TextRole::Caption, {"Calculate", "Υπολογισμός"}},
    {name::numberField,
     TextRole::ToolTip,
     {"Enter number and press [Calculate] or Enter",
      "Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter"}},
    {name::calculateButton, TextRole::ToolTip, {"Calculate", "Υπολογισμός"}},
};

} // namespace radixon::other_base
