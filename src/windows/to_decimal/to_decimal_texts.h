#pragma once

#include "windows/common/converter_names.h"
#include "windows/common/window_texts.h"
#include "windows/to_decimal/to_decimal_names.h"

namespace radixon::to_decimal {

// The catalogues' context of every text below.
inline constexpr char context[] = "ToDecimalWindow";

// The window's own texts; the shared options panel's are in converter_texts.h.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, QT_TRANSLATE_NOOP("ToDecimalWindow", "Radixon By Zendor")},
    {converter::name::converterFrame, TextRole::Caption,
     QT_TRANSLATE_NOOP("ToDecimalWindow", "Conversion To Decimal")},
    {name::systemLabel, TextRole::Caption,
     QT_TRANSLATE_NOOP("ToDecimalWindow", "Choose Numerical System:")},
    {name::numberLabel, TextRole::Caption, QT_TRANSLATE_NOOP("ToDecimalWindow", "Enter Number:")},
    {name::resultLabel, TextRole::Caption, QT_TRANSLATE_NOOP("ToDecimalWindow", "Decimal Result:")},
    {name::calculateButton, TextRole::Caption, QT_TRANSLATE_NOOP("ToDecimalWindow", "Calculate")},
    {name::calculateButton, TextRole::ToolTip, QT_TRANSLATE_NOOP("ToDecimalWindow", "Calculate")},
    {name::numberField, TextRole::ToolTip,
     QT_TRANSLATE_NOOP("ToDecimalWindow", "Enter number and press [Calculate] or Enter")},
};

} // namespace radixon::to_decimal
