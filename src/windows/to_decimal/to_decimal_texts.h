#pragma once

#include "windows/common/bilingual.h"
#include "windows/common/converter_names.h"
#include "windows/to_decimal/to_decimal_names.h"

#include <array>

namespace radixon::to_decimal {

// The window's own texts; the shared options panel's are in converter_texts.h.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, {"Radixon By Zendor", "Radixon Από Τον Zendor"}},
    {converter::name::converterFrame,
     TextRole::Caption,
     {"Conversion To Decimal", "Μετατροπή Σε Δεκαδικό"}},
    {name::systemLabel,
     TextRole::Caption,
     {"Choose Numerical System:", "Διάλεξε Αριθμητικό Σύστημα:"}},
    {name::numberLabel, TextRole::Caption, {"Enter Number:", "Πληκτρολόγισε Αριθμό:"}},
    {name::resultLabel, TextRole::Caption, {"Decimal Result:", "Δεκαδικό Αποτέλεσμα:"}},
    {name::calculateButton, TextRole::Caption, {"Calculate", "Υπολογισμός"}},
    {name::calculateButton, TextRole::ToolTip, {"Calculate", "Υπολογισμός"}},
    {name::numberField,
     TextRole::ToolTip,
     {"Enter number and press [Calculate] or Enter",
      "Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter"}},
};

// The entries of the system list, by index; the index chooses the conversion.
inline constexpr std::array<TextPair, 3> systems{{
    {"Binary", "Δυαδικό"},
    {"Octal", "Οκταδικό"},
    {"Hexademical", "Δεκαεξαδικό"},
}};

} // namespace radixon::to_decimal
